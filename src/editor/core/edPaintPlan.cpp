#include "edPaintPlan.h"

#include "edUtils.h"

#include <algorithm>

namespace {

// The "[EOF]" mark takes six cells.
constexpr int EofMarkCells = 6;

// Empties Plan for the next row, keeping the storage of its runs: painting
// plans every row into the same plan.
void ResetPlan(TRowPlan& Plan)
{
    std::vector<TTextRun> runs = std::move(Plan.Runs);
    runs.clear();
    Plan = TRowPlan();
    Plan.Runs = std::move(runs);
}

// Appends runs to a plan, joining a run to the one before it when they
// look alike (outside per-token mode, where every token stands alone).
class TRunWriter {
public:
    TRunWriter(const TRowPlanInput& Input, TRowPlan& Plan) : In_(Input), Plan_(Plan) {}

    // Cells [From, To) of a token (or of the gaps between tokens, Colour
    // null) with the selection cut out of them.
    void Token(int From, int To, const TFountainColor* Colour)
    {
        const TRowColors& c = In_.Colors;
        TColor color = c.FontColor;
        TColor bkColor = c.Color;
        TFontStyles style = c.FontStyle;
        if (Colour) {
            if (Colour->Color() != clNone)
                color = Colour->Color();
            if (Colour->BkColor() != clNone)
                bkColor = Colour->BkColor();
            style = Colour->Style();
        }
        if (In_.PerToken && bkColor == c.Color)
            bkColor = clNone;
        const int selFrom = std::clamp(In_.SelStart, From, To);
        const int selTo = std::clamp(In_.SelEnd, selFrom, To);
        Add({From, selFrom - From, color, bkColor, style, false});
        Add({selFrom, selTo - selFrom, c.SelColor, c.SelBkColor, style, true});
        Add({selTo, To - selTo, color, bkColor, style, false});
    }

private:
    void Add(const TTextRun& Run)
    {
        if (Run.Length <= 0)
            return;
        if (!In_.PerToken && !Plan_.Runs.empty()) {
            TTextRun& last = Plan_.Runs.back();
            if (last.Col + last.Length == Run.Col && last.Color == Run.Color && last.BkColor == Run.BkColor
                && last.Style == Run.Style && last.Selected == Run.Selected) {
                last.Length += Run.Length;
                return;
            }
        }
        Plan_.Runs.push_back(Run);
    }

    const TRowPlanInput& In_;
    TRowPlan& Plan_;
};

// The tokens of the drawn text between From and To as runs; the gaps the
// parser steps over take the default colours.
void PlanTokens(const TRowPlanInput& Input, std::string& Scratch, int From, int To, TRunWriter& Writer)
{
    int done = From;
    if (Input.Parser) {
        TFountainParser& parser = *Input.Parser;
        if (Input.NextText.empty()) {
            parser.NewData(Input.Text, Input.State);
        } else {
            Scratch.assign(Input.Text);
            Scratch.append(Input.NextText);
            parser.NewData(Scratch, Input.State);
        }
        while (parser.NextToken() != toEof) {
            const int start = parser.TokenPosition();
            if (start >= To)
                break;
            const int end = std::min(start + parser.TokenLength(), To);
            if (end <= done)
                continue;
            if (start > done)
                Writer.Token(done, start, nullptr);
            Writer.Token(std::max(start, done), end, parser.TokenToFountainColor());
            done = end;
        }
    }
    if (done < To)
        Writer.Token(done, To, nullptr);
}

void PlanMark(const TRowPlanInput& Input, int Length, int DrawLength, TRowPlan& Plan)
{
    const int endCol = DrawLength;
    const TRowMarkOptions& marks = Input.Marks;
    TRowMarkKind kind = TRowMarkKind::None;
    if (Length > DrawLength) {
        if (marks.Hide)
            kind = TRowMarkKind::Hide;
    } else if (marks.Eof && Input.LastRow && Input.Attribute == TRowAttribute::raEof) {
        kind = TRowMarkKind::Eof;
    } else if (marks.Ret && Input.Attribute == TRowAttribute::raCrlf) {
        kind = TRowMarkKind::Ret;
    } else if (marks.Wrap && Input.Attribute == TRowAttribute::raWrapped) {
        kind = TRowMarkKind::Wrap;
    }
    const int cells = kind == TRowMarkKind::Eof ? EofMarkCells : 1;
    if (kind == TRowMarkKind::None || endCol >= Input.LastCol || endCol + cells <= Input.FirstCol)
        return;
    Plan.Mark = kind;
    Plan.MarkCol = endCol;
    Plan.MarkSelected = kind != TRowMarkKind::Eof && Input.SelStart <= endCol && endCol < Input.SelEnd;
}

} // namespace

void ResolveSelectionColors(const TFountainColor& Selection, TRowColors& Colors)
{
    Colors.SelBkColor = Selection.BkColor() == clNone ? Colors.FontColor : Selection.BkColor();
    Colors.SelColor = Selection.Color() == clNone ? Colors.Color : Selection.Color();
}

int DrawnLength(std::string_view Text)
{
    const int length = static_cast<int>(Text.size());
    if (length <= PaintColumnLimit)
        return length;
    return IsLeadByteAt(Text, PaintColumnLimit) ? PaintColumnLimit + 1 : PaintColumnLimit;
}

void BuildRowPlan(const TRowPlanInput& Input, std::string& Scratch, TRowPlan& Plan)
{
    ResetPlan(Plan);
    const int length = static_cast<int>(Input.Text.size());
    Plan.DrawLength = DrawnLength(Input.Text);
    TRunWriter writer(Input, Plan);
    const int first = std::max(Input.FirstCol, 0);
    const int last = std::max(Input.LastCol, first);
    // A row that ends well left of the view is neither parsed nor marked.
    const bool leftOfView = length + 5 < first;
    const int textEnd = std::clamp(Plan.DrawLength, first, last);
    if (!leftOfView && first < textEnd)
        PlanTokens(Input, Scratch, first, textEnd, writer);
    if (textEnd < last)
        writer.Token(textEnd, last, nullptr);
    if (!leftOfView)
        PlanMark(Input, length, Plan.DrawLength, Plan);
}

void BuildBlankRowPlan(const TRowColors& Colors, int FirstCol, int LastCol, bool ShowEof, TRowPlan& Plan)
{
    ResetPlan(Plan);
    const int first = std::max(FirstCol, 0);
    if (first < LastCol)
        Plan.Runs.push_back({first, LastCol - first, Colors.FontColor, Colors.Color, Colors.FontStyle, false});
    if (ShowEof && 0 < LastCol && EofMarkCells > first) {
        Plan.Mark = TRowMarkKind::Eof;
        Plan.MarkCol = 0;
    }
}
