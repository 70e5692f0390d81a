// The row-state scan passes quickly over rows and runs of tokens that
// cannot change the state. For random and adversarial texts, under the
// colouring of every edit mode, the state it gives at every row start is
// the one a scan that parses every token gives: after loading, and after
// edits that open and close comments near the top.
#include "EditorFountain.h"

#include "FakeEditorClient.h"
#include "edFountainTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <random>

namespace {

using namespace fountaintest;
using edtest::TFakeEditorClient;
using enum TRowAttribute;

// The editor scheme's parser with the quick passage off.
class TEveryTokenParser : public TEditorParser {
public:
    using TEditorParser::TEditorParser;

protected:
    bool StateIsBracketsOnly() const override { return false; }
};

class TEveryTokenFountain : public TEditorFountain {
public:
    using TEditorFountain::TEditorFountain;
    std::unique_ptr<TFountainParser> CreateParser() override { return std::make_unique<TEveryTokenParser>(this); }
};

// The colouring an edit mode sets up: its quote and comment mark, the
// bracket pairs of the page editor (corner brackets and links in one of
// their two forms), Delphi's block comments.
struct TModeCase {
    const char* Name;
    std::string Quotation;
    std::string Commenter;
    std::string HexPrefix;
    bool ControlCode = false;
    bool Brackets = true;
    bool DelphiComments = false;
    bool BracketLinks = false; // "[:file@" .. ":]" instead of "<file@" .. ">"
};

std::ostream& operator<<(std::ostream& Out, const TModeCase& Case) { return Out << Case.Name; }

void SetUpMode(TEditorFountain& Fountain, const TModeCase& Mode)
{
    Fountain.SetQuotation(Mode.Quotation);
    Fountain.SetCommenter(Mode.Commenter);
    Fountain.SetHexPrefix(Mode.HexPrefix);
    Fountain.SetControlCode(Mode.ControlCode);
    Fountain.SetUrl(Mode.Brackets);
    Fountain.SetMail(Mode.Brackets);
    if (Mode.Brackets) {
        const char* file = Mode.BracketLinks ? "[:file@" : "<file@";
        const char* node = Mode.BracketLinks ? "[:node@" : "<node@";
        const char* close = Mode.BracketLinks ? ":]" : ">";
        for (auto [left, right] : {std::pair<std::string, std::string>{"{*", "*}"},
                                   {"{!", "!}"},
                                   {"/*", "*/"},
                                   {Sjis("「"), Sjis("」")},
                                   {file, close},
                                   {node, close}})
            AddBracket(*Fountain.Brackets(), left, right);
    }
    if (Mode.DelphiComments) {
        AddBracket(*Fountain.Brackets(), "{", "}");
        AddBracket(*Fountain.Brackets(), "(*", "*)");
    }
    TStringList words;
    for (const std::string& word : {std::string("int"), std::string("if"), std::string("begin"), Sjis("亜")})
        words.Add(word);
    Fountain.SetReserveWordList(&words);
}

const TModeCase Modes[] = {
    {"Text", "", "//", ""},
    {"Delphi", "'", "//", "$", true, true, true},
    {"HSP", "\"", ";", "", false, true, false, true},
    {"C", "\"", "//", "0x"},
    {"VB", "\"", "'", "&H"},
    // A prefix holding a blank, whose tail would open a region were the
    // prefix not seen whole.
    {"User", "", Sjis("＃"), "& {", true, true, true, true},
    {"Bare", "", "", "", false, false},
};

// Pieces of C, Delphi, VB and links, with traps for a byte-wise scan:
// double-byte characters whose trail byte is "\", "{" or looks like a lead
// byte, a lone lead before a quote or a slash, false corner brackets, and
// openers hidden in mail addresses, URLs and strings.
const std::vector<std::string>& TrickyPieces()
{
    static const std::vector<std::string> pieces = [] {
        // clang-format off
        std::vector<std::string> p = {
            "int", "if", "begin", "x_1", "42", "3.5e-2", "0x1F", "&HFF", "$ff", "& {1f", "& {", "#13", "#$0D", "a / b",
            "//", "/", "*", "/*", "*/", "{", "}", "{*", "*}", "{!", "!}", "(*", "*)", "'", "''", "\"", "\"\"", "\\\"",
            ";", "<", ">", "<file@", "[:file@", "<node@", "[:node@", ":]", "a,b@c.d/*e", "http://x/*y", "www.a/*",
            "\"/* in a string */\"", "' // '", " ", "  ", "\t", "\x01", "\x7f", "\x80", "\xa0", "\xfd",
            "\x95\x5c", "\x83\x5c", "\x88\x7b", "\x88\x81\x75", "\xe0*", "\x81/*", "\x82\"", "\x83'",
            std::string(300, 'w'), "\"" + std::string(280, 's') + "\"",
        };
        // clang-format on
        for (const char* utf8 : {"漢字", "ひらがな", "カタカナー", "「", "」", "＃", "表示", "、", "ｱｲｳ"})
            p.push_back(Sjis(utf8));
        return p;
    }();
    return pieces;
}

// A text of random lines wrapped at random places, some rows all blanks.
std::vector<TRow> RandomRows(std::mt19937& Random)
{
    std::vector<TRow> rows;
    const int lines = 1 + static_cast<int>(Random() % 12);
    for (int i = 0; i < lines; ++i) {
        std::string line = RandomLine(Random, TrickyPieces());
        if (Random() % 6 == 0)
            line.insert(Random() % (line.size() + 1), std::string(1 + Random() % 20, ' '));
        AddWrappedLine(rows, line, 1 + Random() % 12, Random);
    }
    if (Random() % 2)
        rows.back().Attribute = raEof;
    return rows;
}

class QuickRowStates : public testing::TestWithParam<TModeCase> {
protected:
    QuickRowStates()
    {
        SetUpMode(*Quick, GetParam());
        SetUpMode(*EveryToken, GetParam());
    }
    ~QuickRowStates() override
    {
        delete Quick;
        delete EveryToken;
    }

    TEditorFountain* Quick = TFileExtComponent::Create<TEditorFountain>(nullptr);
    TEditorFountain* EveryToken = TFileExtComponent::Create<TEveryTokenFountain>(nullptr);
};

TEST_P(QuickRowStates, EqualThoseOfParsingEveryToken)
{
    const auto quick = Quick->CreateParser();
    const auto everyToken = EveryToken->CreateParser();
    std::mt19937 random(11);
    TRowAttributeStringList list;
    for (int round = 0; round < 1500; ++round) {
        const std::vector<TRow> rows = RandomRows(random);
        Fill(list, rows);
        const std::vector<TRowAttributeData> expected = RowStates(*everyToken, list);
        const std::vector<TRowAttributeData> got = RowStates(*quick, list);
        for (size_t r = 0; r < got.size(); ++r)
            ASSERT_TRUE(got[r] == expected[r]) << "at the start of row " << r << " of\n" << Describe(rows);
    }
}

// A page that starts with plain lines, one of them "a / b", and goes on
// with random ones, "c * d" among them.
std::string Page(std::mt19937& Random)
{
    std::string text = "int x;\r\ny = 1;\r\na / b\r\np 3\r\np 4\r\np 5\r\n";
    for (int i = 0; i < 300; ++i)
        text += (i == 150 ? std::string("c * d") : RandomLine(Random, TrickyPieces()).substr(0, 30)) + "\r\n";
    return text;
}

// Two stand-in editors showing the same page: one colours with the quick
// passage, the other parses every token.
class QuickRowStatesAfterEdits : public QuickRowStates {
protected:
    QuickRowStatesAfterEdits()
    {
        QuickEditor.Fountain = Quick;
        EveryTokenEditor.Fountain = EveryToken;
        for (TFakeEditorClient* editor : {&QuickEditor, &EveryTokenEditor}) {
            editor->List->WrapOption()->SetWrapByte(40);
            editor->List->SetWordWrap(true);
        }
    }

    void ForBoth(const std::function<void(TEditorScreenStrings&)>& Do)
    {
        Do(*QuickEditor.List);
        Do(*EveryTokenEditor.List);
    }

    // The states as painting computes them where they are not computed yet.
    void ExpectSameStates(const char* After)
    {
        TEditorScreenStrings& quick = *QuickEditor.List;
        TEditorScreenStrings& everyToken = *EveryTokenEditor.List;
        ASSERT_EQ(quick.Count(), everyToken.Count()) << After;
        for (int row = 0; row < quick.Count(); ++row) {
            for (TEditorScreenStrings* list : {&quick, &everyToken})
                if (list->BracketIndex(row) == BracketNotComputed)
                    list->UpdateRowStates(row, false);
            ASSERT_TRUE(LoadRowState(quick, row) == LoadRowState(everyToken, row)) << After << ": row " << row;
        }
        // The same rows were repainted for each edit.
        ASSERT_EQ(QuickEditor.Extents.size(), EveryTokenEditor.Extents.size()) << After;
        for (size_t i = 0; i < QuickEditor.Extents.size(); ++i)
            EXPECT_EQ(QuickEditor.Extents[i].ChangedStates, EveryTokenEditor.Extents[i].ChangedStates) << After;
    }

    // The bracket pair open at the start of each row from From to To.
    std::vector<int> OpenPairs(int From, int To)
    {
        std::vector<int> pairs;
        for (int row = From; row <= To; ++row)
            pairs.push_back(QuickEditor.List->BracketIndex(row));
        return pairs;
    }

    TFakeEditorClient QuickEditor;
    TFakeEditorClient EveryTokenEditor;
};

TEST_P(QuickRowStatesAfterEdits, TypingACommentOpenerRecoloursTheRowsBelow)
{
    std::mt19937 random(23);
    const std::string page = Page(random);
    ForBoth([&](TEditorScreenStrings& List) {
        List.SetTextStr(page);
        while (List.ComputeRowStatesAhead(std::chrono::milliseconds(50))) {
        }
    });
    ExpectSameStates("loading");

    // "a /* b": a region opens unless the scheme has no such pair.
    ForBoth([](TEditorScreenStrings& List) { List.ReplaceRows(2, 1, "a /* b\r\n"); });
    ExpectSameStates("typing the opener");
    if (GetParam().Brackets) {
        const int commentPair = 2;
        EXPECT_EQ(OpenPairs(3, 5), std::vector<int>(3, commentPair));
    }

    // "c */ d" closes it again; then the opener is deleted.
    int closer = 0;
    while (QuickEditor.List->RowText(closer) != "c * d")
        ++closer;
    ForBoth([closer](TEditorScreenStrings& List) { List.ReplaceRows(closer, 1, "c */ d\r\n"); });
    ExpectSameStates("typing the closer");
    ForBoth([](TEditorScreenStrings& List) { List.ReplaceRows(2, 1, "a / b\r\n"); });
    ExpectSameStates("deleting the opener");
    EXPECT_EQ(OpenPairs(3, 5), std::vector<int>(3, -1));
}

INSTANTIATE_TEST_SUITE_P(Modes, QuickRowStates, testing::ValuesIn(Modes));
INSTANTIATE_TEST_SUITE_P(Modes, QuickRowStatesAfterEdits, testing::ValuesIn(Modes));

} // namespace
