#include "edWrap.h"

#include "edAttributeArray.h"
#include "edUtils.h"

TLineWrapper::TLineWrapper(const TColumnModel& Model, const TEditorWrapOption& Option) : Model_(Model), Option_(Option)
{
    Model_.WordWrap = true;
    Model_.WrapByte = Option.WrapByte();
}

size_t TLineWrapper::NextCut(std::string_view Rest)
{
    const int w = Model_.WrapByte;
    ExpandTabs(Rest, Model_, Attributes_);
    TEditorAttributeArray cursor(Rest, Attributes_);
    // The row ends with the byte under the cursor.
    cursor.MoveTo(w);
    if (cursor.AtEnd())
        return 0;

    // A double-byte character across the edge goes whole to the next row.
    const bool straddles = cursor.Current() == ca::Lead;
    if (straddles)
        cursor.Prev();

    // Keep an English word whole, unless it began in the row's first third.
    if (!straddles && Option_.WordBreak() && cursor.ColumnCount() > w) {
        while ((cursor.Current() == ca::Word || cursor.Current() == ca::Lead) && cursor.Column() > w / 3)
            cursor.StepBack();
    }

    // One double-byte or two single-byte punctuation marks may hang.
    if (Option_.FollowPunctuation()) {
        while (cursor.Column() < w + 2 && Option_.IsPunctuationChar(cursor.NextChar()))
            cursor.StepForward();
    }

    // No opening bracket at a row's end, no closing mark at a row's start,
    // as long as the row keeps four fifths of its width.
    if (Option_.Leading() && cursor.Column() < cursor.ColumnCount()) {
        const int limit = w / 5 * 4;
        while (cursor.Column() > limit && Option_.IsLeadChar(cursor.CurrentChar()))
            cursor.StepBack();
        if (cursor.ColumnCount() - cursor.Column() >= 2 && Option_.IsFollowChar(cursor.NextChar())) {
            std::string_view following = cursor.NextChar();
            while (cursor.Column() > limit
                   && (Option_.IsLeadChar(cursor.CurrentChar()) || Option_.IsFollowChar(following))) {
                following = cursor.CurrentChar();
                cursor.StepBack();
            }
        }
    }
    return static_cast<size_t>(cursor.Position());
}

int TLineWrapper::RowCount(std::string_view Line)
{
    int count = 0;
    ForEachRow(Line, [&count](std::string_view, TRowAttribute) { ++count; });
    return count;
}

void WrapText(std::string_view S, const TColumnModel& Model, const TEditorWrapOption& Option, TEditorStringList& Dest)
{
    Dest.BeginUpdate();
    Dest.Clear();
    if (!Model.WordWrap) {
        ForEachLine(S, [&Dest](std::string_view line) { Dest.AddRow(line, TRowAttribute::raCrlf); });
    } else {
        TLineWrapper wrapper(Model, Option);
        const auto add = [&Dest](std::string_view row, TRowAttribute attribute) { Dest.AddRow(row, attribute); };
        ForEachLine(S, [&](std::string_view line) { wrapper.ForEachRow(line, add); });
    }
    Dest.EndUpdate();
}

int WrapLineCount(std::string_view Line, const TColumnModel& Model, const TEditorWrapOption& Option)
{
    if (!Model.WordWrap)
        return 1;
    return TLineWrapper(Model, Option).RowCount(Line);
}
