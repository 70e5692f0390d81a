// Random edits of a screen-row list shown by two editors, checked after
// every step against a plain string holding the same text.
#include "edScreenStrings.h"

#include "FakeEditorClient.h"
#include "Sjis.h"

#include <gtest/gtest.h>

#include <random>

using edtest::Normalized;
using edtest::Sjis;
using edtest::TFakeEditorClient;
using edtest::TTestFountain;

namespace {

constexpr int Steps = 20000;

// The text as lines, each with or without its line break (only the last
// may lack one), to follow the line operations.
struct TModelLine {
    std::string Text;
    bool Break = true;
};

std::vector<TModelLine> SplitLines(const std::string& Text)
{
    std::vector<TModelLine> lines;
    size_t pos = 0;
    while (pos < Text.size()) {
        const size_t end = Text.find("\r\n", pos);
        if (end == std::string::npos) {
            lines.push_back({Text.substr(pos), false});
            break;
        }
        lines.push_back({Text.substr(pos, end - pos), true});
        pos = end + 2;
    }
    return lines;
}

std::string JoinLines(const std::vector<TModelLine>& Lines)
{
    std::string text;
    for (const TModelLine& line : Lines)
        text += line.Text + (line.Break ? "\r\n" : "");
    return text;
}

class ModelTest : public ::testing::Test {
protected:
    ModelTest() : Fountain(TFileExtComponent::Create<TTestFountain>(nullptr))
    {
        First.Fountain = Fountain.get();
        Second.ShareList(First);
        List().UndoObj()->SetUndoListMax(1000000);
        Pieces = {"a",        "bc",       "word ",    " ",        "\t",       "\r\n",    "\r",       "\n",
                  ",",        ".",        "(",        "/*",       "*/",       "\x82",    Sjis("あ"), Sjis("亜"),
                  Sjis("メ"), Sjis("、"), Sjis("。"), Sjis("「"), Sjis("」"), Sjis("ｱ"), Sjis("｢"),  Sjis("ー")};
    }

    TEditorScreenStrings& List() { return *First.List; }

    std::string RandomText(int MaxPieces)
    {
        std::string text;
        for (int i = static_cast<int>(Random() % static_cast<unsigned>(MaxPieces + 1)); i > 0; --i)
            text += Pieces[Random() % Pieces.size()];
        return text;
    }
    std::string RandomLine()
    {
        std::string line = RandomText(6);
        std::erase_if(line, [](char c) { return c == '\r' || c == '\n'; });
        return line;
    }
    // A random character boundary of the model text, never between CR and LF.
    size_t RandomPos()
    {
        std::vector<size_t> starts;
        for (sjis::CharCursor c(Text); !c.AtEnd(); c.Next())
            if (!(c.Pos() > 0 && Text[c.Pos() - 1] == '\r' && Text[c.Pos()] == '\n'))
                starts.push_back(c.Pos());
        starts.push_back(Text.size());
        return starts[Random() % starts.size()];
    }

    // The boundary Chars characters after From (a CR LF is one).
    size_t PosAfter(size_t From, int Chars)
    {
        size_t pos = From;
        for (; Chars > 0 && pos < Text.size(); --Chars)
            pos += Text.compare(pos, 2, "\r\n") == 0 ? 2 : sjis::CharLen(Text, pos);
        return pos;
    }

    // Replaces bytes [From, To) of the text by Insert the way the editor
    // does: through ReplaceRows over the rows that hold the range.
    void Edit(size_t From, size_t To, const std::string& Insert)
    {
        int firstRow = 0;
        int firstIndex = 0;
        int lastRow = 0;
        int lastIndex = 0;
        List().PosToRowIndex(static_cast<int>(From), firstRow, firstIndex);
        List().PosToRowIndex(static_cast<int>(To), lastRow, lastIndex);
        const int count = List().Count();
        if (firstRow == count && Insert.empty())
            return;
        std::string s;
        if (firstRow < count)
            s = std::string(List().RowText(firstRow).substr(0, static_cast<size_t>(firstIndex)));
        s += Insert;
        int rows = 0;
        if (lastRow < count) {
            s += List().RowText(lastRow).substr(static_cast<size_t>(lastIndex));
            List().AppendLineBreak(lastRow, s);
            rows = lastRow - firstRow + 1;
        } else {
            rows = count - firstRow;
        }
        // The caret where the change starts, in one editor or the other.
        Focused().SetRowCol(firstRow, firstIndex);
        const std::string before = Text;
        List().ReplaceRows(firstRow, rows, s);
        Text = Normalized(before.substr(0, From) + Insert + before.substr(To));
        Recorded(before);
    }

    // The lines view of one editor, changed like the model's lines.
    void LinesEdit()
    {
        TEditorStrings& lines = (Random() % 2 ? First : Second).Lines;
        std::vector<TModelLine> model = SplitLines(Text);
        const std::string before = Text;
        const std::string line = RandomLine();
        const int count = static_cast<int>(model.size());
        ASSERT_EQ(lines.Count(), count);
        const int op = static_cast<int>(Random() % 4);
        if (op == 0 || count == 0) {
            lines.Add(line);
            if (!model.empty() && !model.back().Break)
                model.back().Break = true, model.push_back({line, false});
            else
                model.push_back({line, true});
        } else {
            const int index = static_cast<int>(Random() % static_cast<unsigned>(count));
            ASSERT_EQ(lines.Strings(index), model[static_cast<size_t>(index)].Text);
            if (op == 1) {
                lines.Put(index, line);
                model[static_cast<size_t>(index)].Text = line;
            } else if (op == 2) {
                lines.Insert(index, line);
                model.insert(model.begin() + index, {line, true});
            } else {
                lines.Delete(index);
                model.erase(model.begin() + index);
                if (!model.empty() && index == static_cast<int>(model.size()))
                    model.back().Break = true; // the previous line keeps its break
            }
        }
        Text = JoinLines(model);
        Recorded(before);
    }

    void Recorded(const std::string& Before)
    {
        UndoTexts.push_back(Before);
        RedoTexts.clear();
    }

    TFakeEditorClient& Focused() { return First.HasFocus ? First : Second; }

    // Before a change that clears the history: undoing everything gives
    // the text from where the history began, redoing everything the text
    // at the end of the pending redos, where the model then stands.
    void CheckUndoAllAndRedoAll()
    {
        std::vector<std::string> chain = UndoTexts;
        chain.push_back(Text);
        chain.insert(chain.end(), RedoTexts.rbegin(), RedoTexts.rend());
        while (List().UndoObj()->CanUndo())
            List().Undo();
        ASSERT_EQ(List().GetTextStr(), SegmentStart);
        ASSERT_EQ(chain.front(), SegmentStart);
        while (List().UndoObj()->CanRedo())
            List().Redo();
        ASSERT_EQ(List().GetTextStr(), chain.back());
        Text = chain.back();
        chain.pop_back();
        UndoTexts = std::move(chain);
        RedoTexts.clear();
    }
    void HistoryCleared()
    {
        UndoTexts.clear();
        RedoTexts.clear();
        SegmentStart = Text;
    }

    // Pos against the rule written as a walk: rows are passed while Pos is
    // past them, and a raEof row is never passed.
    void CheckPosToRowIndex(int Pos)
    {
        TEditorScreenStrings& list = List();
        int row = 0;
        int start = 0;
        for (; row < list.Count(); ++row) {
            const TRowAttribute attribute = list.RowAttribute(row);
            const int length = static_cast<int>(list.RowText(row).size());
            const int places = length + (attribute == TRowAttribute::raCrlf ? 2 : 0);
            if (start + places > Pos || attribute == TRowAttribute::raEof)
                break;
            start += places;
        }
        const int index = row < list.Count() ? std::min(Pos - start, static_cast<int>(list.RowText(row).size())) : 0;
        int gotRow = -1;
        int gotIndex = -1;
        list.PosToRowIndex(Pos, gotRow, gotIndex);
        ASSERT_EQ(gotRow, row) << Pos;
        ASSERT_EQ(gotIndex, index) << Pos;
    }

    void CheckRows()
    {
        TEditorScreenStrings& list = List();
        // The rows are those of a fresh wrap, whose widths and cuts the wrap
        // tests check.
        edtest::ExpectConsistentRows(list, First.TabSize);
        int lineEnds = 0;
        for (int row = 0; row < list.Count(); ++row) {
            ASSERT_EQ(list.LineEndsBefore(row), lineEnds) << row;
            lineEnds += list.RowAttribute(row) != TRowAttribute::raWrapped;
        }
        CheckPosToRowIndex(static_cast<int>(Random() % (Text.size() + 3)));
    }

    std::unique_ptr<TTestFountain> Fountain;
    TFakeEditorClient First;
    TFakeEditorClient Second;
    std::mt19937 Random{20260601};
    std::vector<std::string> Pieces;
    std::string Text;
    std::string SegmentStart;
    std::vector<std::string> UndoTexts;
    std::vector<std::string> RedoTexts;
};

TEST_F(ModelTest, RandomEditsUndoAndRedoKeepTheTextAndTheRowsRight)
{
    List().WrapOption()->SetWrapByte(20);
    for (int step = 0; step < Steps; ++step) {
        const int op = static_cast<int>(Random() % 100);
        if (op < 35) {
            const size_t pos = RandomPos();
            Edit(pos, pos, RandomText(Text.size() > 400 ? 1 : 5));
        } else if (op < 49) {
            const size_t from = RandomPos();
            Edit(from, PosAfter(from, static_cast<int>(1 + Random() % 6)), "");
        } else if (op < 51) {
            size_t from = RandomPos();
            size_t to = RandomPos();
            if (from > to)
                std::swap(from, to);
            Edit(from, to, "");
        } else if (op < 57) {
            const size_t from = RandomPos();
            Edit(from, PosAfter(from, static_cast<int>(Random() % 4)), RandomText(3));
        } else if (op < 63) {
            LinesEdit();
        } else if (op < 76) {
            ASSERT_EQ(List().UndoObj()->CanUndo(), !UndoTexts.empty());
            (Random() % 2 ? First : Second).List->Undo();
            if (!UndoTexts.empty()) {
                RedoTexts.push_back(Text);
                Text = UndoTexts.back();
                UndoTexts.pop_back();
            }
        } else if (op < 86) {
            ASSERT_EQ(List().UndoObj()->CanRedo(), !RedoTexts.empty());
            (Random() % 2 ? First : Second).List->Redo();
            if (!RedoTexts.empty()) {
                UndoTexts.push_back(Text);
                Text = RedoTexts.back();
                RedoTexts.pop_back();
            }
        } else if (op < 89) {
            CheckUndoAllAndRedoAll();
            List().SetWordWrap(!List().WordWrap());
            HistoryCleared();
        } else if (op < 92) {
            CheckUndoAllAndRedoAll();
            TEditorWrapOption& option = *List().WrapOption();
            switch (Random() % 5) {
            case 0: option.SetWrapByte(static_cast<int>(20 + Random() % 20)); break;
            case 1: option.SetWordBreak(!option.WordBreak()); break;
            case 2: option.SetLeading(!option.Leading()); break;
            case 3: option.SetFollowPunctuation(!option.FollowPunctuation()); break;
            default: option.SetFollowRetMark(!option.FollowRetMark()); break;
            }
            // Setting a value it already has changes nothing.
            if (!List().UndoObj()->CanUndo() && !List().UndoObj()->CanRedo())
                HistoryCleared();
        } else if (op < 94) {
            // A new tab size takes effect when the text is wrapped again.
            CheckUndoAllAndRedoAll();
            First.TabSize = 2 * static_cast<int>(1 + Random() % 4);
            if (List().WordWrap()) {
                List().SetWordWrap(false);
                List().SetWordWrap(true);
                HistoryCleared();
            }
        } else {
            First.HasFocus = !First.HasFocus;
            Second.HasFocus = !First.HasFocus;
        }
        ASSERT_EQ(List().GetTextStr(), Text) << "step " << step;
        ASSERT_EQ(Second.Lines.Text(), Text);
        ASSERT_EQ(First.Changes, Second.Changes);
        ASSERT_EQ(List().GetTextLen(), static_cast<int>(Text.size()));
        CheckRows();
        if (HasFatalFailure()) {
            ADD_FAILURE() << "step " << step;
            return;
        }
    }
    CheckUndoAllAndRedoAll();
}

} // namespace
