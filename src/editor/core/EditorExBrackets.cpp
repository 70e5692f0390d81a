#include "EditorExBrackets.h"

#include "Cp932.h"
#include "Sjis.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

struct TBracketKind {
    std::string_view Open;
    std::string_view Close;
};

// The twelve pairs, as views into the two bracket strings.
const std::vector<TBracketKind>& BracketKinds()
{
    static const std::vector<TBracketKind> kinds = [] {
        std::vector<TBracketKind> k;
        const std::string& opening = OpeningBrackets();
        const std::string& closing = ClosingBrackets();
        for (sjis::CharCursor open(opening), close(closing); !open.AtEnd() && !close.AtEnd(); open.Next(), close.Next())
            k.push_back({open.Char(), close.Char()});
        return k;
    }();
    return kinds;
}

// Scans forwards from the opening bracket at Index of Row; the count of
// open brackets returns to 0 at the partner.
bool ScanForward(const TEditorStringList& Rows, int Row, size_t Index, const TBracketKind& Kind, TBracketPair& Pair)
{
    int depth = 0;
    for (int row = Row; row < Rows.Count(); ++row) {
        for (sjis::CharCursor c(Rows.RowText(row), row == Row ? Index : 0); !c.AtEnd(); c.Next()) {
            const std::string_view ch = c.Char();
            if (ch == Kind.Open) {
                ++depth;
            } else if (ch == Kind.Close && --depth == 0) {
                Pair.CloseRow = row;
                Pair.CloseIndex = static_cast<int>(c.Pos());
                return true;
            }
        }
    }
    return false;
}

// Scans backwards from the closing bracket at Index of Row. Characters can
// only be told apart walking forwards, so each row's brackets are gathered
// forwards and then counted from the last.
bool ScanBackward(const TEditorStringList& Rows, int Row, size_t Index, const TBracketKind& Kind, TBracketPair& Pair)
{
    struct TFound {
        size_t Pos;
        int Step;
    };
    std::vector<TFound> found;
    int depth = 0;
    for (int row = Row; row >= 0; --row) {
        const std::string_view text = Rows.RowText(row);
        const size_t end = row == Row ? Index + 1 : text.size();
        found.clear();
        for (sjis::CharCursor c(text); !c.AtEnd() && c.Pos() < end; c.Next()) {
            const std::string_view ch = c.Char();
            if (ch == Kind.Open)
                found.push_back({c.Pos(), +1});
            else if (ch == Kind.Close)
                found.push_back({c.Pos(), -1});
        }
        for (auto it = found.rbegin(); it != found.rend(); ++it) {
            depth += it->Step;
            if (depth == 0) {
                Pair.OpenRow = row;
                Pair.OpenIndex = static_cast<int>(it->Pos);
                return true;
            }
        }
    }
    return false;
}

} // namespace

const std::string& OpeningBrackets()
{
    static const std::string brackets = Utf8ToSjis("(<[{‘“（「『【＜≪");
    return brackets;
}

const std::string& ClosingBrackets()
{
    static const std::string brackets = Utf8ToSjis(")>]}’”）」』】＞≫");
    return brackets;
}

bool TBracketPair::IsBracketAt(int Row, int Index) const
{
    return Found && ((Row == OpenRow && Index == OpenIndex) || (Row == CloseRow && Index == CloseIndex));
}

TBracketPair FindBracketPair(const TEditorStringList& Rows, int Row, int Index)
{
    TBracketPair pair;
    if (Row < 0 || Row >= Rows.Count())
        return pair;
    const std::string_view text = Rows.RowText(Row);
    const size_t requested = static_cast<size_t>(std::max(Index, 0));
    if (requested >= text.size())
        return pair;
    const size_t pos = sjis::CharStart(text, requested);
    const std::string_view ch = sjis::CharCursor(text, pos).Char();
    for (const TBracketKind& kind : BracketKinds()) {
        if (ch == kind.Open) {
            pair.FromOpening = true;
            pair.OpenRow = Row;
            pair.OpenIndex = static_cast<int>(pos);
            pair.Found = ScanForward(Rows, Row, pos, kind, pair);
        } else if (ch == kind.Close) {
            pair.CloseRow = Row;
            pair.CloseIndex = static_cast<int>(pos);
            pair.Found = ScanBackward(Rows, Row, pos, kind, pair);
        } else {
            continue;
        }
        if (!pair.Found)
            return {};
        pair.OpenText = kind.Open;
        pair.CloseText = kind.Close;
        return pair;
    }
    return pair;
}

TBracketPair BracketPairAtCaret(const TEditorStringList& Rows, int Row, int CharIndex)
{
    TBracketPair pair = FindBracketPair(Rows, Row, CharIndex);
    if (!pair.Found && CharIndex > 0)
        pair = FindBracketPair(Rows, Row, CharIndex - 1);
    return pair;
}
