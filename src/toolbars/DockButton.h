// A flat toolbar button showing a picture of an image list, and a caption
// when given one. With a group index other than 0 it stays down when
// clicked, and setting it down releases the other buttons of its toolbar
// with the same group index. It can repeat its click while held, drop a
// menu down (from the whole button, or from an arrow part at its right),
// and shows a border while the mouse is over it: one button of the program
// at a time.
#pragma once

#include "ButtonLayout.h"
#include "Classes.h"
#include "DialogHook.h"
#include "HookService.h"
#include "MenuPopup.h"

#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>

class QAction;
class QKeyEvent;
class QPainter;
class QShortcut;
class TButtonGlyph;
class TRepeatTimer;
class TToolImageList;

// Sender, whether to show the menu, and whether presses on the button that
// closed the menu are dropped; the handler may change both.
using TButtonDropdownEvent = std::function<void(TObject* Sender, bool& ShowMenu, bool& RemoveClicks)>;
using TButtonPopup = TMenuPopup;

class TDockButton : public QWidget, public TObject {
    Q_OBJECT

public:
    explicit TDockButton(QWidget* Toolbar, const QString& Hint = {}, TNotifyEvent ClickHandler = {});
    ~TDockButton() override;

    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool Enabled);
    // The button's own flag: true for a button of a window not yet shown.
    bool Visible() const { return !isHidden(); }
    void SetVisible(bool Visible);
    QString Hint() const { return toolTip(); }
    void SetHint(const QString& Hint) { setToolTip(Hint); }
    int Tag() const { return Tag_; }
    void SetTag(int Tag) { Tag_ = Tag; }
    // An "&" marks the letter that clicks the button with Alt while its
    // window is active.
    const QString& Caption() const { return Caption_; }
    void SetCaption(const QString& Caption);
    TAlignment Alignment() const { return Alignment_; }
    void SetAlignment(TAlignment Alignment);
    // The caption breaks into lines between words to fit the button.
    bool WordWrap() const { return WordWrap_; }
    void SetWordWrap(bool WordWrap);
    static QString Version();

    // The action the button shows (caption, hint, enabled, visible, checked
    // as Down) and triggers when clicked without an OnClick; cleared when
    // the action goes away.
    QAction* Action() const { return Action_; }
    void SetAction(QAction* Action);
    // Enter (Default) or Esc (Cancel) in the button's window, when no
    // control there took the key, clicks the button.
    bool Default() const { return Default_; }
    void SetDefault(bool Default);
    bool Cancel() const { return Cancel_; }
    void SetCancel(bool Cancel);
    // Given to the dialog the button is on when clicked, which closes it.
    TModalResult ModalResult() const { return ModalResult_; }
    void SetModalResult(TModalResult ModalResult) { ModalResult_ = ModalResult; }

    int GroupIndex() const { return GroupIndex_; }
    void SetGroupIndex(int GroupIndex);
    // With it off, a button of a group cannot be released but by pressing
    // another of the group.
    bool AllowAllUp() const { return AllowAllUp_; }
    void SetAllowAllUp(bool AllowAllUp);
    bool Down() const { return Down_; }
    // A button of group 0 never stays down.
    void SetDown(bool Down);

    int ImageIndex() const;
    void SetImageIndex(int ImageIndex);
    TToolImageList* Images() const;
    // Sets NumGlyphs to 1.
    void SetImages(TToolImageList* Images);
    // A strip of up to five pictures side by side, for the states up,
    // disabled, down, held down and hot; used without Images.
    const QPixmap& Glyph() const;
    void SetGlyph(const QPixmap& Glyph);
    // Black where the glyph is, white where it is not; without it the
    // glyph's bottom-left colour is its transparent one.
    const QPixmap& GlyphMask() const;
    void SetGlyphMask(const QPixmap& GlyphMask);
    // 1 to 5; setting the glyph counts them.
    int NumGlyphs() const;
    void SetNumGlyphs(int NumGlyphs);
    // The disabled picture is made from the glyph's black pixels only.
    bool OldDisabledStyle() const;
    void SetOldDisabledStyle(bool OldDisabledStyle);
    TButtonLayout Layout() const { return Layout_; }
    void SetLayout(TButtonLayout Layout);
    int Margin() const { return Margin_; }
    void SetMargin(int Margin);
    int Spacing() const { return Spacing_; }
    void SetSpacing(int Spacing);
    TButtonDisplayMode DisplayMode() const { return DisplayMode_; }
    void SetDisplayMode(TButtonDisplayMode DisplayMode);
    // Flat: a border only while down or under the mouse; else always a
    // raised one.
    bool Flat() const { return Flat_; }
    void SetFlat(bool Flat);
    // Never a border.
    bool NoBorder() const { return NoBorder_; }
    void SetNoBorder(bool NoBorder);
    // Paints its background; a flat button that does not lets the toolbar
    // show through.
    bool Opaque() const { return Opaque_; }
    void SetOpaque(bool Opaque);
    // A button held down in its group shows a dither pattern.
    bool HighlightWhenDown() const { return HighlightWhenDown_; }
    void SetHighlightWhenDown(bool HighlightWhenDown);

    QMenu* DropdownMenu() const { return DropdownMenu_; }
    void SetDropdownMenu(QMenu* Menu);
    // A drop-down button even without a menu (OnDropdown still runs).
    bool DropdownAlways() const { return DropdownAlways_; }
    void SetDropdownAlways(bool DropdownAlways);
    // The arrow part at the right drops the menu; the rest clicks.
    bool DropdownCombo() const { return DropdownCombo_; }
    void SetDropdownCombo(bool DropdownCombo);
    // Never below 7.
    int DropdownArrowWidth() const { return DropdownArrowWidth_; }
    void SetDropdownArrowWidth(int Width);
    // The small arrow beside the picture of a drop-down button.
    bool DropdownArrow() const { return DropdownArrow_; }
    void SetDropdownArrow(bool DropdownArrow);

    bool Repeating() const { return Repeating_; }
    void SetRepeating(bool Repeating) { Repeating_ = Repeating; }
    int RepeatDelay() const { return RepeatDelay_; }
    void SetRepeatDelay(int Ms) { RepeatDelay_ = Ms; }
    int RepeatInterval() const { return RepeatInterval_; }
    void SetRepeatInterval(int Ms) { RepeatInterval_ = Ms; }
    // The border under the mouse shows while another application is
    // active too.
    bool ShowBorderWhenInactive() const { return ShowBorderWhenInactive_; }
    void SetShowBorderWhenInactive(bool Show) { ShowBorderWhenInactive_ = Show; }

    TNotifyEvent OnClick;
    // A double click on a button that is down.
    TNotifyEvent OnDblClick;
    TButtonDropdownEvent OnDropdown;
    // The button became the one under the mouse, or stopped being it.
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;

    // The one button the mouse is over, if any.
    static TDockButton* HotButton();
    // Replaces how drop-down menus are shown; returns the one replaced.
    static TMenuPopup SetPopup(TMenuPopup Popup);

    // The click, as a release of the mouse on the button does it.
    void Click();
    // Stops what a press started, as when a menu opens or the window
    // loses the focus.
    void CancelMode();

    QSize sizeHint() const override;

protected:
    bool event(QEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void changeEvent(QEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;
    void enterEvent(QEnterEvent* Event) override;
    void leaveEvent(QEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    enum class TState { Up, Disabled, Down, Exclusive, Hot };

    bool DropdownActive() const { return DropdownAlways_ || DropdownMenu_; }
    bool Combo() const { return DropdownCombo_ && DropdownActive(); }
    int MainPartWidth() const;
    bool InsideMainPart(QPoint Point) const;
    // Makes this the button under the mouse, the one with a border.
    void TrackHot();
    void LeaveHot();
    // The hot button loses its border unless it is under Cursor (screen
    // coordinates).
    static void CheckHotButton(QPoint Cursor);
    void MouseEnter();
    void MouseExit();
    void UpdateGroup();
    void RepeatTick();
    void DropMenu();
    // OnClick, or else the action.
    void FireClick();
    void ActionChanged();
    // Alt and the caption's marked letter click the button while its
    // window is active.
    void UpdateMnemonic();
    // Enabled and shown on an enabled toolbar.
    bool TakesDialogKeys() const;
    // Listens to the keys reaching the button's window while it is a
    // Default or Cancel button.
    void WatchDialogKeys();
    bool DialogKey(const QKeyEvent& Key);
    void PaintContent(QPainter& Painter, const QRect& Content);
    static void HookProc(THookKind Kind, QObject* Window, QEvent* Event);

    TState State_ = TState::Up;
    bool MouseInControl_ = false;
    bool Tracking_ = false;
    bool ArrowPressed_ = false;
    bool InClick_ = false;
    bool SwallowPresses_ = false;
    QPoint LastPoint_;
    int Tag_ = 0;
    QString Caption_;
    TAlignment Alignment_ = TAlignment::taCenter;
    bool WordWrap_ = false;
    QPointer<QAction> Action_;
    bool Default_ = false;
    bool Cancel_ = false;
    TModalResult ModalResult_ = mrNone;
    QPointer<QWidget> KeyWindow_;
    QShortcut* Mnemonic_ = nullptr;
    int GroupIndex_ = 0;
    bool AllowAllUp_ = false;
    bool Down_ = false;
    std::unique_ptr<TButtonGlyph> Glyph_;
    TButtonLayout Layout_ = TButtonLayout::blGlyphLeft;
    int Margin_ = -1;
    int Spacing_ = 4;
    TButtonDisplayMode DisplayMode_ = TButtonDisplayMode::dmBoth;
    bool Flat_ = true;
    bool NoBorder_ = false;
    bool Opaque_ = true;
    bool HighlightWhenDown_ = true;
    bool DropdownArrow_ = true;
    // Cleared when the menu goes away.
    QPointer<QMenu> DropdownMenu_;
    bool DropdownAlways_ = false;
    bool DropdownCombo_ = false;
    int DropdownArrowWidth_ = 9;
    bool Repeating_ = false;
    int RepeatDelay_ = 400;
    int RepeatInterval_ = 100;
    bool ShowBorderWhenInactive_ = false;
    std::unique_ptr<TRepeatTimer> RepeatTimer_;
};
