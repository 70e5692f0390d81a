// The settings holder: its word list, and copying a whole set of settings
// between holders and editors.
#include "EdtProp.h"

#include "edFountainTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

using fountaintest::AddBracket;

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

// Gives one setting of every part of Prop a value other than its default.
void ChangeEverything(TEditorProp& Prop)
{
    Prop.SetColor(clYellow);
    Prop.Caret()->SetTabSpaceCount(4);
    Prop.Caret()->SetStyle(TEditorCaretStyle::csBrief);
    Prop.Caret()->Cursors()->SetInSelCursor(5);
    Prop.Font()->SetSize(14);
    Prop.SetHitStyle(TEditorHitStyle::hsCaret);
    Prop.Imagebar()->SetMarkWidth(11);
    Prop.Leftbar()->SetVisible(true);
    Prop.Margin()->SetLeft(30);
    Prop.Marks()->Underline()->SetColor(clRed);
    TStringList words;
    words.Add("begin");
    Prop.SetReserveWordList(&words);
    Prop.Ruler()->SetVisible(true);
    Prop.Ruler()->SetGaugeRange(8);
    Prop.SetScrollBars(TScrollStyle::ssBoth);
    Prop.Speed()->SetPageVerticalRange(4);
    AddBracket(*Prop.View()->Brackets(), "/*", "*/");
    Prop.View()->Colors()->Str()->SetColor(clMaroon);
    Prop.View()->SetCommenter("//");
    Prop.SetWordWrap(true);
    Prop.WrapOption()->SetWrapByte(40);
    Prop.FileExtList()->Add(".txt");
}

void ExpectSameSettings(const TEditorPropClient& A, const TEditorPropClient& B)
{
    const auto settings = [](const TEditorPropClient& P) {
        return std::tuple(
            P.Color(), P.Caret()->TabSpaceCount(), P.Caret()->Style(), P.Caret()->Cursors()->InSelCursor(),
            P.Font()->Size(), P.HitStyle(), P.Imagebar()->MarkWidth(), P.Leftbar()->Visible(), P.Margin()->Left(),
            P.Marks()->Underline()->Color(), P.ReserveWordList()->Text(), P.Ruler()->Visible(), P.Ruler()->GaugeRange(),
            P.ScrollBars(), P.Speed()->PageVerticalRange(), P.View()->Brackets()->Count(),
            P.View()->Colors()->Str()->Color(), P.View()->Commenter(), P.WordWrap(), P.WrapOption()->WrapByte());
    };
    const std::unique_ptr<TEditorProp> defaults(NewProp());
    EXPECT_EQ(settings(A), settings(B));
    EXPECT_NE(settings(A), settings(*defaults));
}

TEST(EditorProp, TheWordListIsSortedWithoutDuplicatesFoldingAsciiLetters)
{
    std::unique_ptr<TEditorProp> prop(NewProp());
    for (const char* word : {"then", "Begin", "BEGIN"})
        prop->ReserveWordList()->Add(word);
    EXPECT_EQ(prop->ReserveWordList()->Text(), "Begin\r\nthen\r\n");
}

TEST(EditorProp, EverySettingIsCopiedToAndFromEditorsAndHolders)
{
    const std::unique_ptr<TEditorProp> a(NewProp()), b(NewProp()), c(NewProp());
    ChangeEverything(*a);
    TFakeEditor editor;
    editor.Assign(a.get()); // the holder's AssignTo
    ExpectSameSettings(*a, editor);
    b->Assign(&editor);
    ExpectSameSettings(*a, *b);
    EXPECT_EQ(b->FileExtList()->Count(), 0); // an editor has no file extensions to give
    // A holder gives its file extensions too, and its objects are copies,
    // never shared.
    c->Assign(a.get());
    ExpectSameSettings(*a, *c);
    EXPECT_EQ(c->FileExtList()->Text(), ".txt\r\n");
    a->Caret()->SetTabSpaceCount(2);
    EXPECT_EQ(c->Caret()->TabSpaceCount(), 4);
    // Other classes are refused both ways.
    TEditorMark mark;
    EXPECT_THROW(c->Assign(&mark), EConvertError);
    EXPECT_THROW(mark.Assign(c.get()), EConvertError);
}

TEST(EditorProp, WrappingGivenToAnEditorUsesTheHoldersOptionsAndWrapsOnce)
{
    const std::unique_ptr<TEditorProp> prop(NewProp());
    prop->WrapOption()->SetWrapByte(40);
    prop->SetWordWrap(true);
    TFakeEditor editor;
    editor.WrapOption()->SetWrapByte(100);
    editor.Assign(prop.get());
    EXPECT_EQ(editor.Calls, (std::vector<std::string>{"WrapOption", "WordWrap on"}));
    EXPECT_EQ(editor.WrappedAt, std::vector<int>{40});

    // Unwrapping comes first, so that the new options wrap nothing.
    prop->SetWordWrap(false);
    editor.Calls.clear();
    editor.Assign(prop.get());
    EXPECT_EQ(editor.Calls, (std::vector<std::string>{"WordWrap off", "WrapOption"}));
}

} // namespace
