#include "edBarPlan.h"

#include <algorithm>
#include <bit>

namespace {

constexpr int MaxLeftbarDigits = 8;

bool EndsLine(const TRowAttributeStringList& Rows, int Row) { return Rows.RowAttribute(Row) == TRowAttribute::raCrlf; }

int DecimalDigits(int N)
{
    int digits = 1;
    for (; N >= 10; N /= 10)
        ++digits;
    return digits;
}

} // namespace

int RowToLine(const TRowAttributeStringList& Rows, bool WordWrap, int Row)
{
    if (Row < 1)
        return 0;
    return WordWrap ? Rows.LineEndsBefore(std::min(Row, Rows.Count())) : Row;
}

int LeftbarDigitCount(const TRowAttributeStringList& Rows, bool WordWrap, const TEditorLeftbar& Leftbar)
{
    if (!Leftbar.Visible() || !Leftbar.ShowNumber())
        return Leftbar.Column();
    const int count = Rows.Count();
    int n = count - 1;
    if (Leftbar.ShowNumberMode() == TEditorShowNumberMode::nmLine)
        n = RowToLine(Rows, WordWrap, n);
    if (!Leftbar.ZeroBase())
        ++n;
    if (count == 0 || Rows.RowAttribute(count - 1) != TRowAttribute::raEof)
        ++n;
    return std::min(MaxLeftbarDigits, std::max(Leftbar.Column(), DecimalDigits(std::max(0, n))));
}

std::string LeftbarNumberText(int N, int Digits, bool ZeroLead)
{
    std::string text = std::to_string(N);
    if (static_cast<int>(text.size()) < Digits)
        text.insert(0, static_cast<size_t>(Digits) - text.size(), ZeroLead ? '0' : ' ');
    return text;
}

void LeftbarRowNumbers(const TRowAttributeStringList& Rows, bool WordWrap, const TEditorLeftbar& Leftbar, int FirstRow,
                       int LastRow, std::vector<int>& Numbers)
{
    Numbers.clear();
    const int count = Rows.Count();
    const int shift = Leftbar.ZeroBase() ? 0 : 1;
    // The row after the last one holds a caret, and so a number, only
    // after a final line break.
    const auto numbered = [&](int Row) {
        return Row == 0 || Row < count || (Row == count && EndsLine(Rows, count - 1));
    };
    if (Leftbar.ShowNumberMode() == TEditorShowNumberMode::nmRow) {
        for (int row = FirstRow; row <= LastRow; ++row)
            Numbers.push_back(numbered(row) ? row + shift : -1);
        return;
    }
    // Line mode: a row shows its line's number when it starts the line.
    int line = -1;
    if (FirstRow <= 0)
        line = 0;
    else if (FirstRow < count)
        line = RowToLine(Rows, WordWrap, FirstRow) + (EndsLine(Rows, FirstRow - 1) ? 0 : 1);
    else if (FirstRow == count && EndsLine(Rows, FirstRow - 1))
        line = RowToLine(Rows, WordWrap, FirstRow - 1) + 1;
    for (int row = FirstRow; row <= LastRow; ++row) {
        const bool startsLine = row <= 0 || (row - 1 < count && Rows.RowAttribute(row - 1) != TRowAttribute::raWrapped);
        if (line < 0 || !numbered(row) || !startsLine) {
            Numbers.push_back(-1);
            continue;
        }
        Numbers.push_back(line + shift);
        ++line;
    }
}

TImagebarMarks ImagebarMarks(uint16_t RowMarks)
{
    TImagebarMarks marks;
    if (const uint16_t digits = RowMarks & DigitRowMarks)
        marks.Digit = std::countr_zero(digits);
    if (const uint16_t images = RowMarks & ImageRowMarks)
        marks.Image = std::countr_zero(images);
    return marks;
}
