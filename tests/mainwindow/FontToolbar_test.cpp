// The font toolbar: the symbol chooser and "mark.dat", the font size and
// the wrap column typed, wrapping at the window's edge; on the shown
// window, and on a host of its own.
#include "FormFixture.h"

#include "Beep.h"
#include "DockToolbar.h"
#include "FontToolbar.h"
#include "FontToolbarHost.h"
#include "IniFiles.h"
#include "MainMenus.h"
#include "MenuItemIds.h"
#include "SpinEx.h"
#include "SymbolList.h"
#include "ToolButtonIds.h"
#include "ToolDock.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <map>
#include <optional>
#include <utility>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's allocator, which stands in for malloc's; GCC installs
// no header that declares it.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace {

class FontToolbarTest : public FormTest {
protected:
    void SetUp() override
    {
        StartShown();
        memo = form->DataMemo();
    }
    TFontToolbar& Toolbar() const { return form->FontToolbar(); }

    TEditorEx* memo = nullptr;
};

TEST_F(FontToolbarTest, SymbolsMoveToTheTopAndGoInWithALineBreakUnderShift)
{
    Toolbar().ComboBox2()->setCurrentIndex(7);
    EXPECT_EQ(SjisToUtf8(Toolbar().SymbolList().front()), "★");
    EXPECT_EQ(Toolbar().ComboBox2()->currentText(), QStringLiteral("★"));
    memo->SetText("");
    QTest::mouseClick(form->ToolButton("sbMark"), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(memo->GetText(), Sjis("★") + "\r\n");

    const std::string bytes = Sjis("※") + "\r\n\xF0\x40\r\n";
    WriteFileAtomic(Home() + "mark.dat", bytes);
    Toolbar().ReLoadClick();
    EXPECT_EQ(Toolbar().ComboBox2()->count(), 2);
    dialogs.Answer(mrNo);
    EXPECT_TRUE(form->FormCloseQuery());
    EXPECT_EQ(ReadFileBytes(Home() + "mark.dat"), bytes) << "written back byte for byte";
}

// The bytes the program's live allocations hold now. Not what the process
// holds resident: that rises and falls with what the tests before this
// one freed, whenever the allocator gives it back.
size_t AllocatedBytes()
{
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

// A "mark.dat" of a million short entries, just under the size a start
// reads, costs the chooser a small multiple of its size (not hundreds of
// bytes an entry), and the chooser still puts the chosen one on top.
TEST_F(FontToolbarTest, ALongSymbolListCostsASmallMultipleOfItsSize)
{
    std::string bytes;
    while (bytes.size() + 4 <= kIniFileMaxBytes)
        bytes += Sjis("★") + "\r\n";
    bytes.replace(bytes.size() - 4, 2, Sjis("※"));
    WriteFileAtomic(Home() + "mark.dat", bytes);
    const size_t before = AllocatedBytes();
    Toolbar().ReLoadClick();
    const size_t grown = AllocatedBytes() - before;
    EXPECT_LT(grown, 5 * bytes.size()) << grown / 1024 << " KiB for " << bytes.size() / 1024 << " KiB";
    const int count = static_cast<int>(bytes.size() / 4);
    ASSERT_EQ(Toolbar().ComboBox2()->count(), count);
    Toolbar().ComboBox2()->setCurrentIndex(count - 1);
    EXPECT_EQ(Toolbar().ComboBox2()->currentText(), QStringLiteral("※"));
    EXPECT_EQ(Toolbar().SymbolList()[1], Sjis("★"));
    EXPECT_EQ(Toolbar().SymbolList().size(), static_cast<size_t>(count));
}

// A first run, with no settings file yet: the user's own "mark.dat" put in
// the program folder before the start is read and written back with the
// symbol used on top; one copied in while the program runs was never read,
// and the close leaves it as it is.
using SymbolFileOnAFirstRun = FormTest;

TEST_F(SymbolFileOnAFirstRun, TheUsersFileIsReadAndWrittenBack)
{
    WriteFileAtomic(Home() + "mark.dat", Sjis("〒") + "\r\n" + Sjis("※") + "\r\n");
    StartShown();
    ASSERT_FALSE(FileExists(SettingsFilePath()));
    form->FontToolbar().ComboBox2()->setCurrentIndex(1);
    EXPECT_TRUE(form->FormCloseQuery());
    EXPECT_EQ(ReadFileBytes(Home() + "mark.dat"), Sjis("※") + "\r\n" + Sjis("〒") + "\r\n");
}

TEST_F(SymbolFileOnAFirstRun, TheUsersFileCopiedInWhileItRunsIsLeftAsItIs)
{
    StartShown();
    ASSERT_FALSE(FileExists(SettingsFilePath()));
    const std::string users = Sjis("〒") + "\r\n" + Sjis("※") + "\r\n";
    WriteFileAtomic(Home() + "mark.dat", users);
    form->FontToolbar().ComboBox2()->setCurrentIndex(1);
    EXPECT_TRUE(form->FormCloseQuery());
    EXPECT_EQ(ReadFileBytes(Home() + "mark.dat"), users);
    EXPECT_TRUE(dialogs.Questions().empty());
}

// A blank line of "mark.dat" is an empty entry: choosing it or inserting
// it does nothing.
TEST_F(FontToolbarTest, AnEmptySymbolEntryDoesNothing)
{
    WriteFileAtomic(Home() + "mark.dat", Sjis("※") + "\r\n\r\n" + Sjis("★") + "\r\n");
    Toolbar().ReLoadClick();
    Toolbar().ComboBox2()->setCurrentIndex(1);
    EXPECT_EQ(SymbolListBytes(Toolbar().SymbolList()), Sjis("※") + "\r\n\r\n" + Sjis("★") + "\r\n");
    EXPECT_EQ(Toolbar().ComboBox2()->currentIndex(), 0);

    WriteFileAtomic(Home() + "mark.dat", "\r\n" + Sjis("※") + "\r\n");
    Toolbar().ReLoadClick();
    memo->SetText("a");
    memo->SetModified(false);
    QTest::mouseClick(form->ToolButton("sbMark"), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(memo->GetText(), "a");
    EXPECT_FALSE(memo->Modified());
}

// The size and the wrap column are typed after a click; what is typed on
// the way to a number in range is not applied.
TEST_F(FontToolbarTest, TheFontSizeAndWrapColumnCanBeTyped)
{
    for (TMySpinEdit* box : {Toolbar().FontSpnEd(), Toolbar().WrapSpnEd()})
        EXPECT_EQ(box->focusPolicy(), Qt::ClickFocus) << "out of the tab order";
    TMySpinEdit& size = *Toolbar().FontSpnEd();
    QTest::mouseClick(&size, Qt::LeftButton);
    ASSERT_TRUE(size.hasFocus());
    size.selectAll();
    QTest::keyClicks(&size, QStringLiteral("2"));
    EXPECT_EQ(memo->Font()->Size(), 2);
    QTest::keyClick(&size, Qt::Key_Backspace);
    EXPECT_EQ(memo->Font()->Size(), 2) << "an empty box applies nothing";
    QTest::keyClicks(&size, QStringLiteral("20"));
    EXPECT_EQ(memo->Font()->Size(), 20);
    EXPECT_EQ(memo->GetText(), "") << "no digit reached the page";

    TMySpinEdit& wrap = *Toolbar().WrapSpnEd();
    wrap.setEnabled(true);
    QTest::mouseClick(&wrap, Qt::LeftButton);
    wrap.selectAll();
    QTest::keyClicks(&wrap, QStringLiteral("64"));
    EXPECT_EQ(memo->WrapOption()->WrapByte(), 64) << "the 6 on the way is below the range";
}

// The size field shows the size in effect: a key past the largest size is
// refused with a beep and the hint, and an emptied field, left, shows the
// size again; leaving changes neither the field nor the font.
TEST_F(FontToolbarTest, TheSizeFieldShowsTheSizeInEffect)
{
    int beeps = 0;
    SetBeepHook([&] { ++beeps; });
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    TMySpinEdit& size = *Toolbar().FontSpnEd();
    const auto shown = [&size] {
        const QLabel* hint = size.findChild<QLabel*>();
        return std::pair(size.text(), hint && hint->isVisible() ? hint->text() : QString());
    };
    QTest::mouseClick(&size, Qt::LeftButton);
    QTest::keyClick(&size, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&size, QStringLiteral("145"));
    EXPECT_EQ(shown(), std::pair(QStringLiteral("14"), QStringLiteral("1 から 30 までの数を入力してください。")));
    EXPECT_EQ(std::pair(memo->Font()->Size(), beeps), std::pair(14, 1));
    QTest::mouseClick(memo, Qt::LeftButton);
    EXPECT_EQ(std::tuple(size.text(), memo->Font()->Size(), beeps), std::tuple(QStringLiteral("14"), 14, 1));

    QTest::mouseClick(&size, Qt::LeftButton);
    QTest::keyClick(&size, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&size, Qt::Key_Backspace);
    QTest::mouseClick(memo, Qt::LeftButton);
    EXPECT_EQ(std::tuple(size.text(), memo->Font()->Size(), beeps), std::tuple(QStringLiteral("14"), 14, 2));
    SetBeepHook(nullptr);
}

// The keys that edit a field act on the field the user typed into, not
// on the page; the window's other keys still work from it.
TEST_F(FontToolbarTest, EditingKeysInTheSizeAndWrapFieldsStayThere)
{
    memo->SetText(Sjis("題名\r\n本文"));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    TMySpinEdit& size = *Toolbar().FontSpnEd();
    QTest::mouseClick(&size, Qt::LeftButton);
    ASSERT_TRUE(size.hasFocus());
    QTest::keyClick(&size, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("14"));
    EXPECT_EQ(std::tuple(size.text(), memo->Font()->Size(), memo->GetText()),
              std::tuple(QStringLiteral("14"), 14, Sjis("題名\r\n本文")));

    TMySpinEdit& wrap = *Toolbar().WrapSpnEd();
    wrap.setEnabled(true);
    QTest::mouseClick(&wrap, Qt::LeftButton);
    QGuiApplication::clipboard()->setText(QStringLiteral("64"));
    QTest::keyClick(&wrap, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&wrap, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(wrap.text(), memo->WrapOption()->WrapByte(), Title(0)),
              std::tuple(QStringLiteral("64"), 64, Sjis("題名")));

    memo->SetModified(true);
    QTest::keyClick(&wrap, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(form->Saves, 1) << "Ctrl+S saves from the field";
    EXPECT_TRUE(wrap.hasFocus());
}

TEST_F(FontToolbarTest, TheControlsStandInTheirOrder)
{
    const QWidget* controls[] = {form->EdModeLabel(),       form->ToolButton("sbMark"), form->ToolButton("sbLineNo"),
                                 form->ToolButton("sbRTN"), Toolbar().ComboBox1(),      Toolbar().ComboBox2(),
                                 Toolbar().FontSpnEd(),     Toolbar().WrapSpnEd()};
    for (size_t i = 1; i < std::size(controls); ++i)
        EXPECT_GT(controls[i]->x(), controls[i - 1]->x()) << controls[i]->objectName().toStdString();
}

TEST_F(FontToolbarTest, TheWrapColumnSurvivesWrappingAtTheWindowEdge)
{
    SettingsVars.RightRtn = false;
    Toolbar().WrapSpnEd()->SetValue(250);
    Toolbar().sbRTNClick();
    Toolbar().WrapSpnEd()->SetValue(100);
    EXPECT_EQ(Toolbar().WrapByteCache(), 250) << "at the window's edge the column is not remembered";
    Toolbar().WrapSpnEd()->SetValue(250);
    Toolbar().sbRTNClick();
    EXPECT_EQ(memo->WrapOption()->WrapByte(), 250);
    EXPECT_EQ(Toolbar().WrapByteCache(), 250);
}

// The toolbar with nothing of the window but what its host gives it.
class FakeFontToolbarHost : public IFontToolbarHost {
public:
    FakeFontToolbarHost()
    {
        for (const char* name : {"sbMark", "sbLineNo", "sbRTN"}) {
            auto* button = new TDockButton(&Bar);
            button->setObjectName(QString::fromLatin1(name));
            Buttons.emplace(name, button);
        }
    }
    TEditorEx* DataMemo() const override { return Memo.get(); }
    TEditorEx* SecondEditor() const override { return Second.get(); }
    TEditorEx* ActiveEditor() const override { return Active; }
    TDockButton* ToolButton(TCommandId Button) const override { return Buttons.at(std::string(Button.Name())); }
    void SetEditUndoButtons(bool CanUndo, bool CanRedo) override { UndoButtons = {CanUndo, CanRedo}; }
    void ApplyWindowWrap() override { ++WindowWraps; }

    QWidget Window;
    TToolDock TopDock{&Window, "ToolDock1", TDockPosition::dpTop};
    TToolDock LeftDock{&Window, "ToolDock2", TDockPosition::dpLeft};
    TDockToolbar Bar{&TopDock, "ToolbarFont"};
    QLabel ModeLabel{QStringLiteral("Text Mode"), &Bar};
    std::unique_ptr<TEditorEx> Memo{TEditor::Create<TEditorEx>()};
    std::unique_ptr<TEditorEx> Second{TEditor::Create<TEditorEx>()};
    TEditorEx* Active = Second.get();
    std::map<std::string, TDockButton*> Buttons;
    std::optional<std::pair<bool, bool>> UndoButtons;
    int WindowWraps = 0;
};

// The window's fixture gives the program folder that "mark.dat" is read from.
using FontToolbarAlone = FormTest;

TEST_F(FontToolbarAlone, RunsOnAHostOfItsOwn)
{
    FakeFontToolbarHost host;
    TVelkMenus menus;
    TFontToolbar toolbar(host, menus, host.Bar, host.ModeLabel, host.TopDock, host.LeftDock);
    toolbar.BindCommands();
    toolbar.LoadSymbolList();
    EXPECT_TRUE(menus.Item(Cmd::EdMark)->Enabled());

    toolbar.ComboBox2()->setCurrentIndex(2);
    menus.Item(Cmd::EdMark)->Click();
    EXPECT_EQ(host.Second->GetText(), toolbar.SymbolList().front()) << "the symbol goes into the active pane";
    EXPECT_EQ(host.Memo->GetText(), "");

    toolbar.WrapSpnEd()->SetValue(60);
    for (const TEditorEx* editor : {host.Memo.get(), host.Second.get()})
        EXPECT_EQ(editor->WrapOption()->WrapByte(), 60);
    EXPECT_EQ(toolbar.WrapByteCache(), 60);
    EXPECT_TRUE(host.UndoButtons.has_value()) << "the undo buttons follow the active pane";

    QTest::mouseClick(host.ToolButton(Cmd::sbRTN), Qt::LeftButton);
    EXPECT_TRUE(SettingsVars.RightRtn);
    EXPECT_TRUE(host.ToolButton(Cmd::sbRTN)->Down());
    EXPECT_EQ(host.WindowWraps, 1);
    toolbar.WrapSpnEd()->SetValue(70);
    EXPECT_EQ(host.Memo->WrapOption()->WrapByte(), 70);
    EXPECT_EQ(toolbar.WrapByteCache(), 60) << "not remembered while wrapping at the window's edge";
}

} // namespace
