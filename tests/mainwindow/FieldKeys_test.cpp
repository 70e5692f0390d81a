// The keys typed into the font toolbar's fields, in the window started with
// the settings file its first run wrote: every key the field edits or moves
// with stays in the field, whatever menu command has it; the window's other
// keys still work from the field.
#include "OutlineFixture.h"

#include "FontToolbar.h"
#include "SpinEx.h"

#include <QKeySequence>
#include <QMetaEnum>
#include <string_view>
#include <vector>

namespace {

class FieldKeys : public OutlineTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(RunOnceToWriteSettings());
        Start();
        ASSERT_NO_FATAL_FAILURE(FocusWrapField());
    }
    TMySpinEdit& Wrap() const { return WrapField(); }
    // The pages, the page shown, its caret's row and typing mode, and what
    // was asked: nothing a key in the field may change. (A new wrap column
    // puts the caret at the start of its row.)
    std::string State() const
    {
        const TEditorEx& memo = *form->DataMemo();
        return Outline() + " page " + std::to_string(SelectedIndex()) + " row " + std::to_string(memo.Row())
               + (memo.OverWrite() ? " overwrite" : " insert") + (memo.Modified() ? " modified" : "") + " asked "
               + LastQuestion();
    }
};

// The platform's key sequences for moving, selecting, deleting and the
// clipboard in text.
std::vector<QKeyCombination> TextEditingKeys()
{
    const QMetaEnum standardKeys = QMetaEnum::fromType<QKeySequence::StandardKey>();
    std::vector<QKeyCombination> keys;
    for (int i = 0; i < standardKeys.keyCount(); ++i) {
        const std::string_view name = standardKeys.key(i);
        const bool editing = name.starts_with("Move") || name.starts_with("Select") || name.starts_with("Delete")
                             || name == "Backspace" || name == "Cut" || name == "Copy" || name == "Paste"
                             || name == "Undo" || name == "Redo";
        if (!editing)
            continue;
        for (const QKeySequence& sequence :
             QKeySequence::keyBindings(static_cast<QKeySequence::StandardKey>(standardKeys.value(i))))
            keys.push_back(sequence[0]);
    }
    return keys;
}

TEST_F(FieldKeys, EveryKeyTheFieldEditsWithStaysThereAndTheOthersReachTheWindow)
{
    std::vector<QKeyCombination> keys = TextEditingKeys();
    // Keys users press in a field besides: the word deletes and the
    // clipboard's keys of old, Insert, and the spin edit's steps.
    for (const QKeyCombination key :
         {Qt::CTRL | Qt::Key_Delete, Qt::CTRL | Qt::Key_Backspace, Qt::CTRL | Qt::Key_Home, Qt::CTRL | Qt::Key_End,
          Qt::CTRL | Qt::Key_Left, Qt::CTRL | Qt::Key_Right, QKeyCombination(Qt::Key_Insert),
          Qt::SHIFT | Qt::Key_Insert, Qt::CTRL | Qt::Key_Insert, Qt::SHIFT | Qt::Key_Delete,
          QKeyCombination(Qt::Key_Up), QKeyCombination(Qt::Key_Down), Qt::SHIFT | Qt::Key_Up, Qt::SHIFT | Qt::Key_Down})
        keys.push_back(key);
    // In the middle of a page in the middle of the outline.
    form->DataTree()->SetSelected(Node(2));
    form->DataMemo()->SetSelStart(9);
    form->DataMemo()->SetModified(false);
    Wrap().setFocus();
    const std::string before = State();
    ASSERT_NE(before.find(" page 2 row 1 insert asked "), std::string::npos);
    for (const QKeyCombination key : keys) {
        const QString name = QKeySequence(key).toString();
        QTest::keyClick(&Wrap(), key.key(), key.keyboardModifiers());
        QApplication::processEvents();
        EXPECT_EQ(State(), before) << name.toStdString();
        EXPECT_TRUE(Wrap().hasFocus()) << name.toStdString();
        Wrap().setFocus();
    }
    EXPECT_EQ(form->Saves, 0);

    // The window's other keys still work from the field. Typed: the column
    // the page wraps at.
    QTest::keyClick(&Wrap(), Qt::Key_End);
    QTest::keyClick(&Wrap(), Qt::Key_Backspace, Qt::ControlModifier);
    QTest::keyClicks(&Wrap(), QStringLiteral("64"));
    EXPECT_EQ(form->DataMemo()->WrapOption()->WrapByte(), 64);

    form->DataMemo()->SetModified(true);
    QTest::keyClick(&Wrap(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(form->Saves, 1) << "Ctrl+S saves";

    // F3 goes on to the next hit of the last search.
    form->DataTree()->SetSelected(Node(0));
    form->DataMemo()->SetSelStart(0);
    Fill({"foo", "", {"ChkWholeFile", "btnOK"}});
    Run("FdGoFind");
    ASSERT_EQ(At(), std::make_tuple(0, 1, 0));
    QTest::mouseClick(&Wrap(), Qt::LeftButton);
    QTest::keyClick(&Wrap(), Qt::Key_F3);
    EXPECT_EQ(At(), std::make_tuple(2, 0, 3));
}

} // namespace
