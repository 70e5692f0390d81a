// The settings holder: its word list, and copying a whole set of settings
// between holders and editors.
#include "EdtProp.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

TEditorProp* NewProp() { return TFileExtComponent::Create<TEditorProp>(nullptr); }

// An editor as the holder sees it: its settings kept in a holder of its
// own, and a record of how the word wrap was set.
class TFakeEditor : public TPersistent, public TEditorPropClient {
public:
    TFakeEditor() : S(NewProp()) {}
    ~TFakeEditor() override { delete S; }

    TColor Color() const override { return S->Color(); }
    void SetColor(TColor Value) override { S->SetColor(Value); }
    TEditorCaret* Caret() const override { return S->Caret(); }
    void SetCaret(const TEditorCaret* Value) override { S->SetCaret(Value); }
    TFont* Font() const override { return S->Font(); }
    void SetFont(const TFont* Value) override { S->SetFont(Value); }
    TEditorHitStyle HitStyle() const override { return S->HitStyle(); }
    void SetHitStyle(TEditorHitStyle Value) override { S->SetHitStyle(Value); }
    TEditorImagebar* Imagebar() const override { return S->Imagebar(); }
    void SetImagebar(const TEditorImagebar* Value) override { S->SetImagebar(Value); }
    TEditorLeftbar* Leftbar() const override { return S->Leftbar(); }
    void SetLeftbar(const TEditorLeftbar* Value) override { S->SetLeftbar(Value); }
    TEditorMargin* Margin() const override { return S->Margin(); }
    void SetMargin(const TEditorMargin* Value) override { S->SetMargin(Value); }
    TEditorMarks* Marks() const override { return S->Marks(); }
    void SetMarks(const TEditorMarks* Value) override { S->SetMarks(Value); }
    TStringList* ReserveWordList() const override { return S->ReserveWordList(); }
    void SetReserveWordList(const TStrings* Value) override { S->SetReserveWordList(Value); }
    TEditorRuler* Ruler() const override { return S->Ruler(); }
    void SetRuler(const TEditorRuler* Value) override { S->SetRuler(Value); }
    TScrollStyle ScrollBars() const override { return S->ScrollBars(); }
    void SetScrollBars(TScrollStyle Value) override { S->SetScrollBars(Value); }
    TEditorSpeed* Speed() const override { return S->Speed(); }
    void SetSpeed(const TEditorSpeed* Value) override { S->SetSpeed(Value); }
    TEditorViewInfo* View() const override { return S->View(); }
    void SetView(const TEditorViewInfo* Value) override { S->SetView(Value); }
    bool WordWrap() const override { return S->WordWrap(); }
    void SetWordWrap(bool Value) override
    {
        Calls.push_back(Value ? "WordWrap on" : "WordWrap off");
        if (Value)
            WrappedAt.push_back(S->WrapOption()->WrapByte());
        S->SetWordWrap(Value);
    }
    TEditorWrapOption* WrapOption() const override { return S->WrapOption(); }
    void SetWrapOption(const TEditorWrapOption* Value) override
    {
        Calls.push_back("WrapOption");
        S->SetWrapOption(Value);
    }

    TEditorProp* S;
    std::vector<std::string> Calls;
    std::vector<int> WrappedAt; // the wrap column each wrap used
};

// Gives every setting of Prop a value other than its default.
void ChangeEverything(TEditorProp& Prop)
{
    Prop.SetColor(clYellow);
    Prop.Caret()->SetAutoIndent(false);
    Prop.Caret()->SetSoftTab(true);
    Prop.Caret()->SetTabSpaceCount(4);
    Prop.Caret()->SetStyle(TEditorCaretStyle::csBrief);
    Prop.Caret()->Cursors()->SetInSelCursor(5);
    Prop.Font()->SetName("IPAGothic");
    Prop.Font()->SetSize(14);
    Prop.Font()->SetColor(clNavy);
    Prop.SetHitStyle(TEditorHitStyle::hsCaret);
    Prop.Imagebar()->SetMarkWidth(11);
    Prop.Leftbar()->SetVisible(true);
    Prop.Leftbar()->SetColumn(6);
    Prop.Margin()->SetLeft(30);
    Prop.Margin()->SetUnderline(1);
    Prop.Marks()->RetMark()->SetVisible(true);
    Prop.Marks()->Underline()->SetColor(clRed);
    TStringList words;
    words.Add("begin");
    words.Add("end");
    Prop.SetReserveWordList(&words);
    Prop.Ruler()->SetVisible(true);
    Prop.Ruler()->SetGaugeRange(8);
    Prop.SetScrollBars(TScrollStyle::ssBoth);
    Prop.Speed()->SetPageVerticalRange(4);
    Prop.Speed()->SetInitBracketsFull(true);
    TFountainBracketItem* item = Prop.View()->Brackets()->Add();
    item->SetLeftBracket("/*");
    item->SetRightBracket("*/");
    Prop.View()->Colors()->Str()->SetColor(clMaroon);
    Prop.View()->SetCommenter("//");
    Prop.View()->SetUrl(true);
    Prop.SetWordWrap(true);
    Prop.WrapOption()->SetWrapByte(40);
    Prop.WrapOption()->SetLeading(true);
    Prop.FileExtList()->Add(".txt");
}

void ExpectSameSettings(const TEditorPropClient& A, const TEditorPropClient& B)
{
    EXPECT_EQ(A.Color(), B.Color());
    EXPECT_EQ(A.Caret()->AutoIndent(), B.Caret()->AutoIndent());
    EXPECT_EQ(A.Caret()->SoftTab(), B.Caret()->SoftTab());
    EXPECT_EQ(A.Caret()->TabSpaceCount(), B.Caret()->TabSpaceCount());
    EXPECT_EQ(A.Caret()->Style(), B.Caret()->Style());
    EXPECT_EQ(A.Caret()->Cursors()->InSelCursor(), B.Caret()->Cursors()->InSelCursor());
    EXPECT_TRUE(A.Font()->SameAs(*B.Font()));
    EXPECT_EQ(A.HitStyle(), B.HitStyle());
    EXPECT_EQ(A.Imagebar()->MarkWidth(), B.Imagebar()->MarkWidth());
    EXPECT_EQ(A.Leftbar()->Visible(), B.Leftbar()->Visible());
    EXPECT_EQ(A.Leftbar()->Column(), B.Leftbar()->Column());
    EXPECT_EQ(A.Margin()->Left(), B.Margin()->Left());
    EXPECT_EQ(A.Margin()->Underline(), B.Margin()->Underline());
    EXPECT_EQ(A.Marks()->RetMark()->Visible(), B.Marks()->RetMark()->Visible());
    EXPECT_EQ(A.Marks()->Underline()->Color(), B.Marks()->Underline()->Color());
    EXPECT_EQ(A.ReserveWordList()->Text(), B.ReserveWordList()->Text());
    EXPECT_EQ(A.Ruler()->Visible(), B.Ruler()->Visible());
    EXPECT_EQ(A.Ruler()->GaugeRange(), B.Ruler()->GaugeRange());
    EXPECT_EQ(A.ScrollBars(), B.ScrollBars());
    EXPECT_EQ(A.Speed()->PageVerticalRange(), B.Speed()->PageVerticalRange());
    EXPECT_EQ(A.Speed()->InitBracketsFull(), B.Speed()->InitBracketsFull());
    ASSERT_EQ(A.View()->Brackets()->Count(), B.View()->Brackets()->Count());
    for (int i = 0; i < A.View()->Brackets()->Count(); ++i)
        EXPECT_EQ(A.View()->Brackets()->Items(i)->LeftBracket(), B.View()->Brackets()->Items(i)->LeftBracket());
    EXPECT_EQ(A.View()->Colors()->Str()->Color(), B.View()->Colors()->Str()->Color());
    EXPECT_EQ(A.View()->Commenter(), B.View()->Commenter());
    EXPECT_EQ(A.View()->Url(), B.View()->Url());
    EXPECT_EQ(A.WordWrap(), B.WordWrap());
    EXPECT_EQ(A.WrapOption()->WrapByte(), B.WrapOption()->WrapByte());
    EXPECT_EQ(A.WrapOption()->Leading(), B.WrapOption()->Leading());
}

TEST(EditorProp, TheWordListIsSortedWithoutDuplicatesFoldingAsciiLetters)
{
    std::unique_ptr<TEditorProp> prop(NewProp());
    for (const char* word : {"then", "Begin", "BEGIN"})
        prop->ReserveWordList()->Add(word);
    EXPECT_EQ(prop->ReserveWordList()->Text(), "Begin\r\nthen\r\n");
}

TEST(EditorProp, RoundTripThroughAnEditor)
{
    TEditorProp* a = NewProp();
    ChangeEverything(*a);
    TFakeEditor editor;
    editor.Assign(a); // the holder's AssignTo
    ExpectSameSettings(*a, editor);
    TEditorProp* b = NewProp();
    b->Assign(&editor);
    ExpectSameSettings(*a, *b);
    // An editor has no file extensions to give.
    EXPECT_EQ(b->FileExtList()->Count(), 0);
    delete a;
    delete b;
}

TEST(EditorProp, WrappingGivenToAnEditorUsesTheHoldersOptionsAndWrapsOnce)
{
    TEditorProp* prop = NewProp();
    prop->WrapOption()->SetWrapByte(40);
    prop->SetWordWrap(true);
    TFakeEditor editor;
    editor.WrapOption()->SetWrapByte(100);
    editor.Assign(prop);
    EXPECT_EQ(editor.Calls, (std::vector<std::string>{"WrapOption", "WordWrap on"}));
    EXPECT_EQ(editor.WrappedAt, std::vector<int>{40});

    // Unwrapping comes first, so that the new options wrap nothing.
    prop->SetWordWrap(false);
    editor.Calls.clear();
    editor.Assign(prop);
    EXPECT_EQ(editor.Calls, (std::vector<std::string>{"WordWrap off", "WrapOption"}));
    delete prop;
}

TEST(EditorProp, AHolderCopiesEverySettingAndTheFileExtensions)
{
    TEditorProp* a = NewProp();
    ChangeEverything(*a);
    TEditorProp* b = NewProp();
    b->Assign(a);
    ExpectSameSettings(*a, *b);
    EXPECT_EQ(b->FileExtList()->Text(), ".txt\r\n");
    // The objects are copies, never shared.
    EXPECT_NE(a->Caret(), b->Caret());
    a->Caret()->SetTabSpaceCount(2);
    EXPECT_EQ(b->Caret()->TabSpaceCount(), 4);
    // Other classes are refused both ways.
    TEditorMark mark;
    EXPECT_THROW(b->Assign(&mark), EConvertError);
    EXPECT_THROW(mark.Assign(b), EConvertError);
    delete a;
    delete b;
}

} // namespace
