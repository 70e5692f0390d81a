// Menu items and the keys that run them: shortcut text without Qt
// shortcuts, states recomputed before a key runs a command, the focused
// control's context menu after the main menu, radio groups.
#include "KeyTable.h"
#include "Menus.h"
#include "SysUtils.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr TShortCut kCtrlDel = scCtrl | VK_DELETE;
constexpr TShortCut kCtrlQ = scCtrl | 'Q';
constexpr TShortCut kCtrlK = scCtrl | 'K';
constexpr TShortCut kCtrlL = scCtrl | 'L';

// A window with two fields, a main menu "Tree" > "Delete" (Ctrl+L) whose
// state follows CanDelete when the menu computes it, and a context menu on
// the first field. Log records what ran, in order.
struct TMenuWindow {
    QWidget Window;
    QLineEdit* Field = new QLineEdit(&Window);
    QLineEdit* Other = new QLineEdit(&Window);
    TMainMenu MainMenu;
    TPopupMenu Popup;
    TShortCutDispatcher Dispatcher{Window, &MainMenu};
    std::vector<std::string> Log;
    bool CanDelete = false;
    TMenuItem* TreeTop;
    TMenuItem* TreeDel;

    TMenuWindow()
    {
        auto* layout = new QVBoxLayout(&Window);
        layout->setMenuBar(MainMenu.MenuBar());
        layout->addWidget(Field);
        layout->addWidget(Other);
        TreeTop = MainMenu.Items().Add("TreeTop", "ツリー(&T)", [this](TObject*) {
            Log.push_back("TreeTop");
            TreeDel->SetEnabled(CanDelete);
        });
        TreeDel = TreeTop->Add("TreeDel", "削除(&D)", Logger("TreeDel"));
        TreeDel->SetShortCut(kCtrlL);
        TreeDel->SetEnabled(true); // stale: the menu was last opened when it could
        TMenuItem* edit = MainMenu.Items().Add("EditTop", "編集(&E)", {});
        edit->Add("EdAddCopy", "追加コピー(&Q)", Logger("EdAddCopy"))->SetShortCut(kCtrlQ);
        Popup.OnPopup = Logger("OnPopup");
        Popup.Items().Add("pEdAddCopy", "追加コピー", Logger("pEdAddCopy"))->SetShortCut(kCtrlQ);
        Popup.Items().Add("pEdKeep", "保持", Logger("pEdKeep"))->SetShortCut(kCtrlK);
        SetPopupMenu(*Field, &Popup);
        Window.show();
        Field->setFocus();
    }
    TNotifyEvent Logger(std::string Name)
    {
        return [this, Name](TObject*) { Log.push_back(Name); };
    }
};

TEST(MenuItem, ShowsItsShortCutAsTextAndRegistersNoQtShortCut)
{
    TMainMenu menu;
    TMenuItem* item = menu.Items().Add("TreeTop", "ツリー(&T)")->Add("TreeDel", "削除(&D)");
    item->SetShortCut(kCtrlDel | scShift);
    EXPECT_EQ(item->Action()->text(), QString("削除(&D)\tShift+Ctrl+Del"));
    EXPECT_TRUE(item->Action()->shortcut().isEmpty());
    item->SetShortCut(scNone);
    EXPECT_EQ(item->Action()->text(), QString("削除(&D)"));
    EXPECT_EQ(menu.Items().FindShortCut(scNone), nullptr);

    // A line is a bare separator: no text for a style to draw beside it.
    TMenuItem* line = menu.Items().Find("TreeTop")->Add("N1", "-");
    EXPECT_TRUE(line->Action()->isSeparator());
    EXPECT_TRUE(line->Action()->text().isEmpty());
    EXPECT_EQ(EscapeMenuCaption("R&D メモ"), QString("R&&D メモ"));
}

TEST(MenuItem, RadioItemsOfAGroupCheckOneAndChoosingDoesNotFlipTheState)
{
    TMenuItem menu;
    std::vector<TMenuItem*> items;
    for (const auto& [name, group] : {std::pair{"subText", 1}, {"subDelphi", 1}, {"subHSP", 1}, {"OpBoxSel", 2}}) {
        items.push_back(menu.Add(name, name));
        items.back()->SetRadioItem(true);
        items.back()->SetGroupIndex(group);
    }
    for (const int i : {3, 0, 2})
        items[i]->SetChecked(true);
    // Choosing an item leaves its check to the program.
    items[1]->Action()->trigger();
    std::vector<bool> checked;
    for (TMenuItem* item : items)
        checked.push_back(item->Checked() || item->Action()->isChecked());
    EXPECT_EQ(checked, (std::vector<bool>{false, false, true, true})) << "one per group";
}

TEST(MenuItem, OpeningASubmenuComputesItsStatesAndDeletingKeepsOrder)
{
    int opened = 0;
    TMenuItem root;
    TMenuItem* file = root.Add("FileTop", "ファイル(&F)", [&](TObject*) { ++opened; });
    file->Add("A", "A");
    file->Add("C", "C");
    file->Insert(1, std::make_unique<TMenuItem>("B", "B"));
    emit file->SubMenu()->aboutToShow();
    EXPECT_EQ(opened, 1);
    file->Delete(0);
    ASSERT_EQ(file->SubMenu()->actions().size(), 2);
    EXPECT_EQ(file->SubMenu()->actions()[0], file->Items(0)->Action());
    EXPECT_EQ(file->Items(0)->Name(), "B");
    EXPECT_THROW(file->Delete(2), EInvalidOperation);
    EXPECT_THROW(file->Insert(5, std::make_unique<TMenuItem>()), EInvalidOperation);
}

TEST(ShortCutDispatcher, ADisabledItemNeverRunsFromItsKey)
{
    TMenuWindow w;
    // The item still reads enabled from the last time its menu opened; the
    // key recomputes the menu first.
    QTest::keyClick(w.Field, Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(w.Log, std::vector<std::string>{"TreeTop"});
    EXPECT_EQ(w.Field->text(), QString()) << "the key is taken, not typed";

    w.Log.clear();
    w.CanDelete = true;
    QTest::keyClick(w.Field, Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(w.Log, (std::vector<std::string>{"TreeTop", "TreeDel"}));

    // A hidden top menu hides its items' keys too.
    w.Log.clear();
    w.TreeTop->SetVisible(false);
    EXPECT_TRUE(w.Dispatcher.Dispatch(kCtrlL, w.Field));
    EXPECT_EQ(w.Log, std::vector<std::string>{"TreeTop"});
}

TEST(ShortCutDispatcher, TheMainMenuComesBeforeTheFocusedControlsPopup)
{
    TMenuWindow w;
    // Twins: the main-menu item wins.
    QTest::keyClick(w.Field, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(w.Log, std::vector<std::string>{"EdAddCopy"});

    // A key only the popup knows runs after the popup computed its states.
    w.Log.clear();
    QTest::keyClick(w.Field, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(w.Log, (std::vector<std::string>{"OnPopup", "pEdKeep"}));

    // Another control has no popup: the key goes to it.
    w.Log.clear();
    w.Other->setFocus();
    QTest::keyClick(w.Other, Qt::Key_K, Qt::ControlModifier);
    QTest::keyClick(w.Other, Qt::Key_X);
    EXPECT_TRUE(w.Log.empty());
    EXPECT_EQ(w.Other->text(), QString("x"));

    // Keys of another window and freed popups are left alone.
    QLineEdit elsewhere;
    elsewhere.show();
    QTest::keyClick(&elsewhere, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(w.Log.empty());

    auto popup = std::make_unique<TPopupMenu>();
    popup->Items().Add("p", "p", w.Logger("p"))->SetShortCut(scCtrl | 'J');
    SetPopupMenu(*w.Other, popup.get());
    EXPECT_EQ(PopupMenuOf(w.Other), popup.get());
    popup.reset();
    EXPECT_EQ(PopupMenuOf(w.Other), nullptr);
    EXPECT_FALSE(w.Dispatcher.Dispatch(scCtrl | 'J', w.Other));
}

// Keys that edit and move in a one-line field are the field's, whatever
// item has them; the field's other keys still run their items, and the
// editing keys run theirs from any other control.
TEST(ShortCutDispatcher, AOneLineFieldKeepsTheKeysThatEditIt)
{
    TMenuWindow w;
    auto* combo = new QComboBox(&w.Window);
    combo->setEditable(true);
    auto* button = new QPushButton(QStringLiteral("OK"), &w.Window);
    w.Window.layout()->addWidget(combo);
    w.Window.layout()->addWidget(button);
    // A key the field leaves unused goes on to its parents: the focus
    // tells that it came from the field.
    w.Window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.Window));
    const std::pair<Qt::Key, Qt::KeyboardModifiers> editing[] = {
        {Qt::Key_A, Qt::ControlModifier},      {Qt::Key_C, Qt::ControlModifier},
        {Qt::Key_X, Qt::ControlModifier},      {Qt::Key_V, Qt::ControlModifier},
        {Qt::Key_Z, Qt::ControlModifier},      {Qt::Key_Y, Qt::ControlModifier},
        {Qt::Key_Insert, Qt::ShiftModifier},   {Qt::Key_Insert, Qt::ControlModifier},
        {Qt::Key_Delete, Qt::ShiftModifier},   {Qt::Key_Delete, Qt::NoModifier},
        {Qt::Key_Backspace, Qt::NoModifier},   {Qt::Key_Home, Qt::NoModifier},
        {Qt::Key_End, Qt::ShiftModifier},      {Qt::Key_Left, Qt::NoModifier},
        {Qt::Key_Right, Qt::ShiftModifier},    {Qt::Key_Up, Qt::NoModifier},
        {Qt::Key_Down, Qt::NoModifier},        {Qt::Key_Insert, Qt::NoModifier},
        {Qt::Key_Delete, Qt::ControlModifier}, {Qt::Key_Backspace, Qt::ControlModifier},
    };
    TMenuItem* edit = w.MainMenu.Items().Find("EditTop");
    for (const auto& [key, modifiers] : editing) {
        const QKeyEvent event(QEvent::KeyPress, key, modifiers);
        const TKeyCode code = KeyCodeOf(event);
        edit->Add("Key" + std::to_string(edit->Count()), "key", w.Logger("item"))
            ->SetShortCut(ShortCut(code.Key, code.Shift));
    }
    edit->Add("FdForwardFind", "次を検索", w.Logger("FdForwardFind"))->SetShortCut(VK_F3);
    for (QWidget* field : {static_cast<QWidget*>(w.Field), static_cast<QWidget*>(combo)}) {
        SCOPED_TRACE(field->metaObject()->className());
        field->setFocus();
        for (const auto& [key, modifiers] : editing)
            QTest::keyClick(field, key, modifiers);
        EXPECT_TRUE(w.Log.empty());
        QTest::keyClick(field, Qt::Key_F3);
        EXPECT_EQ(w.Log, std::vector<std::string>{"FdForwardFind"});
        w.Log.clear();
    }

    // The keys act on the field: all of it selected, then typed over.
    w.Field->setText(QStringLiteral("title"));
    w.Field->setFocus();
    w.Field->end(false);
    QTest::keyClick(w.Field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(w.Field, QStringLiteral("14"));
    EXPECT_EQ(w.Field->text(), QStringLiteral("14"));

    button->setFocus();
    QTest::keyClick(button, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(w.Log, std::vector<std::string>{"item"}) << "elsewhere the item runs";
}

// A field that cuts the text after its cursor on Ctrl+K without claiming
// the key beforehand, as Qt's line edit does under X11.
class TCutToEndField : public QLineEdit {
protected:
    void keyPressEvent(QKeyEvent* Event) override
    {
        if (Event->key() == Qt::Key_K && Event->modifiers() == Qt::ControlModifier)
            setText(text().left(cursorPosition()));
        else
            QLineEdit::keyPressEvent(Event);
    }
};

// The field is asked, not looked up in a list: a key it acts on is its
// own, one it leaves runs its item, and so does a key that would type its
// character, which any field would take.
TEST(ShortCutDispatcher, AFieldKeepsTheKeysItActsOn)
{
    TMenuWindow w;
    auto* field = new TCutToEndField;
    w.Window.layout()->addWidget(field);
    SetPopupMenu(*field, &w.Popup);
    w.Window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.Window));
    field->setText(QStringLiteral("title"));
    field->setFocus();
    field->setCursorPosition(2);
    QTest::keyClick(field, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("ti"));
    EXPECT_TRUE(w.Log.empty()) << "pEdKeep has Ctrl+K";

    QTest::keyClick(field, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(w.Log, std::vector<std::string>{"EdAddCopy"});

    w.Log.clear();
    const QKeyEvent bracket(QEvent::KeyPress, Qt::Key_BracketLeft, Qt::AltModifier, QStringLiteral("["));
    const TKeyCode code = KeyCodeOf(bracket);
    w.MainMenu.Items()
        .Find("EditTop")
        ->Add("Bracket", "bracket", w.Logger("Bracket"))
        ->SetShortCut(ShortCut(code.Key, code.Shift));
    QTest::keyClick(field, Qt::Key_BracketLeft, Qt::AltModifier);
    EXPECT_EQ(w.Log, std::vector<std::string>{"Bracket"});
    EXPECT_EQ(field->text(), QStringLiteral("ti"));
}

} // namespace
