// The options dialog: six pages that edit almost every option of the
// program, with two preview editors and a preview of the page tree.
//
// FormShow fills the controls from the settings variables and the main
// window's editor, tree and menus; OKButtonClick writes everything back.
// Until then only the previews change, except what takes effect at once by
// design: a backup folder picked with "...", the style boxes of the colour
// page (they set their style flags) and the dialog's remembered working
// state. Building the pages is OptionsFormPages.cpp, filling
// OptionsFormFill.cpp, writing back OptionsFormWriteBack.cpp, the previews
// OptionsPreviews.cpp, the colour page OptionsColorPage.cpp with its
// element table OptionsColorElements.cpp, the tree page
// OptionsSubIconTree.cpp, the handlers' binding OptionsFormBind.cpp.
#pragma once

#include "DialogHook.h"
#include "Graphics.h"

#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class TEditorEx;
class THTMLFountain;
class TMenuItem;
class TMySpinEdit;
class TPopupMenu;
class TStringList;
class TTreeImageList;
class TTreeNode;
class TTreeView;

// The edit mode whose strings are quoted with the single quote.
inline constexpr int DelphiEditMode = 1;

// What the dialog reads and writes besides the settings variables: the
// main window's parts. None is owned.
struct TOptionTargets {
    TEditorEx* DataMemo = nullptr;
    TEditorEx* ActiveEditor = nullptr;
    TTreeView* DataTree = nullptr;
    THTMLFountain* HTMLFountain1 = nullptr;
    TPopupMenu* ImagePopupMenu = nullptr;
    TTreeImageList* TreeImageList = nullptr;    // the tree's first-node picture; may be null
    TTreeImageList* TreeSubImageList = nullptr; // the sub-icons; may be null
    TPopupMenu* dmyPopupMenu = nullptr;         // the empty popup of spin edits and combos; may be null
    int EditMode = 0;                           // the document's edit mode; 1 Delphi
    // Every rebuilt sub-icon menu item runs this.
    std::function<void(TMenuItem*)> TreeImageSellect;
};

class TRadioGroup;

class TOpForm : public QDialog {
public:
    explicit TOpForm(const TOptionTargets& Targets, QWidget* Parent = nullptr);
    ~TOpForm() override;

    // Fills every control and the previews (the form's show event).
    void FormShow();
    // Writes every control back, then closes the dialog with mrOk.
    void OKButtonClick();

    // ---- Page "エディタ１" ----
    TMySpinEdit *SpinTop, *SpinLeft, *SpinLine, *SpinChar, *SpinTab;
    QCheckBox *CheckEof, *CheckRet, *CheckRuler, *CheckUL, *CheckParen;
    QCheckBox *CheckCaret, *CheckAuto, *CheckTabIndent, *CheckSoftTab, *CheckLocK, *CheckEnglish, *CheckScrbar;
    TRadioGroup *RadioGroup2, *RadioGroup3;
    TEditorEx* EdMonitor;
    // ---- Page "エディタ２" ----
    QComboBox* ComboBox1;
    QPushButton *ClChangeBtn, *BkClChangeBtn;
    QCheckBox *CkBold, *CkUL, *CkItalic;
    TRadioGroup* RadioGroup1;
    QCheckBox *CheckComment, *CheckHanSpace, *CheckZenSpace;
    TEditorEx* ClMonitor;
    // ---- Page "ツ リ ー" ----
    QComboBox* trFontComboBox;
    TMySpinEdit* trFontSpinEd;
    QCheckBox *trCheckBold, *trCheckItalic;
    QPushButton *trFontColorBtn, *trColorBtn;
    TTreeView* ImageTree;
    QLineEdit* ImageEdit;
    // ---- Page "動　　作" ----
    TRadioGroup *RadioGroup4, *RadioGroup5;
    QCheckBox *CheckAutoSave, *CheckLineScroll;
    TMySpinEdit *SpinTimer, *SpinScroll;
    QScrollArea* ScrollBox1;
    QCheckBox *CheckClip, *CheckClipText, *CheckIME, *CheckExit, *CheckLastFile, *CheckFindAll, *CheckLinkStr,
        *CheckLinkStrChange, *CheckWordWrapOff, *CheckTextToPage, *CheckTrUndoReddo, *CheckRelativePath,
        *CheckForderIcon;
    // ---- Page "登　　録" ----
    QLineEdit *EdBackuoFolder, *ExEditor, *HelpEdit, *ApoFileEdit;
    QPushButton *SpBtnFolder, *RfBtn, *HelpRfBtn, *ApoFileRfBtn;
    QCheckBox *CheckBackUp, *CheckApoFile;
    // ---- Page "そ の 他" ----
    QLineEdit *EdBefore, *EdAfter, *EdSpcNum, *EdTabNum, *EdZenSpcNum, *EdTopDelNum, *EdUserExt, *EdBookMoji,
        *EdBookLine;
    QCheckBox *CheckNumber, *CheckNoContinue;
    QComboBox* EdQuoteMark;

    QTabWidget* PageControl1;
    QPushButton *OKButton, *CanButton;

    // ---- Handlers a person's clicks run (bound in the constructor) ----
    void PageControl1Change();
    void ComboBox1Change();
    void ClChangeBtnClick();
    void BkClChangeBtnClick();
    void StyleBoxClick(QCheckBox* Box);
    void SpBtnFolderClick();
    void ImageTreeChanging(TTreeNode* Node);
    void ImageTreeChange(TTreeNode* Node);
    // A caption edited in the tree itself, trimmed as in ImageEdit.
    void ImageTreeEdited(TTreeNode* Node, std::string& Text);
    void ImageEditExit();

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    // Building (OptionsFormPages.cpp).
    QWidget* BuildEditor1Page();
    QWidget* BuildEditor2Page();
    QWidget* BuildTreePage();
    QWidget* BuildBehaviourPage();
    QWidget* BuildRegisterPage();
    QWidget* BuildOtherPage();
    void BindHandlers();
    void BrowseFile(QLineEdit* Edit, const char* Filter);

    // Previews (OptionsPreviews.cpp).
    void SetUpPreviews();
    void FillPreviews();
    void ConfirmPreviews();
    void RefreshClMonitor(bool EmptyFirst);
    void ApplyPreviewBackground(TColor Back);
    void ApplyPreviewStyles();
    void SetPreviewCommenter(const std::string& QMark);

    // The tree page (OptionsSubIconTree.cpp).
    void FillSubIconTree();
    void RebuildImagePopupMenu();
    void SetTreeFontStyle();
    void PickTreeColor(bool FontColor);

    // A count edit: its setting, the numbers it takes and what it shows
    // for a setting still absent.
    struct TCountEdit {
        QLineEdit* Edit;
        int32_t* Setting;
        int32_t Min, Max, Fallback;
    };
    std::array<TCountEdit, 6> CountEdits() const;

    // A field holding what its setting cannot take is told so at the field,
    // which is shown, and nothing is written.
    bool RefusesAField();
    void ShowField(QLineEdit& Field);
    void WriteCounts();
    void WriteUserExt();

    TOptionTargets Targets_;
};
