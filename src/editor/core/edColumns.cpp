#include "edColumns.h"

#include "edUtils.h"

#include "Sjis.h"

#include <algorithm>

const TDelimiters& DefaultDelimiterSet()
{
    static const TDelimiters set = [] {
        TDelimiters d;
        for (int b = 0x00; b <= 0x20; ++b)
            d.set(b);
        for (int b = 0x21; b <= 0x7F; ++b)
            if (!(b >= '0' && b <= '9') && !(b >= 'A' && b <= 'Z') && !(b >= 'a' && b <= 'z') && b != '_')
                d.set(b);
        d.set(0x80);
        for (int b = 0xA0; b <= 0xA5; ++b)
            d.set(b);
        for (int b = 0xFD; b <= 0xFF; ++b)
            d.set(b);
        return d;
    }();
    return set;
}

int TColumnModel::TabWidth(int Col) const
{
    const int tab = std::max(1, TabSize);
    int width = tab - Col % tab;
    if (WordWrap && WrapByte > 0)
        width = std::min(width, WrapByte - Col % WrapByte);
    return width;
}

void ExpandTabs(std::string_view S, const TColumnModel& Model, std::string& Attributes)
{
    Attributes.clear();
    const size_t limit = static_cast<size_t>(Model.ColumnLimit());
    const TDelimiters& delimiters = *Model.Delimiters;
    for (size_t pos = 0; pos < S.size() && Attributes.size() < limit;) {
        const auto byte = static_cast<unsigned char>(S[pos]);
        if (sjis::CharLen(S, pos) == 2) {
            Attributes += ca::Lead;
            Attributes += ca::Trail;
            pos += 2;
            continue;
        }
        if (byte == '\t') {
            const int width = Model.TabWidth(static_cast<int>(Attributes.size()));
            Attributes += ca::Delimiter;
            Attributes.append(static_cast<size_t>(width - 1), ca::TabFill);
        } else if (delimiters.test(byte) || sjis::IsLead(byte)) {
            Attributes += ca::Delimiter;
        } else {
            Attributes += ca::Word;
        }
        ++pos;
    }
}

std::string ExpandTabs(std::string_view S, const TColumnModel& Model)
{
    std::string attributes;
    ExpandTabs(S, Model, attributes);
    return attributes;
}

int ExpandedWidth(std::string_view S, const TColumnModel& Model)
{
    int width = 0;
    for (size_t pos = 0; pos < S.size();) {
        const size_t len = sjis::CharLen(S, pos);
        width += len == 2 ? 2 : S[pos] == '\t' ? Model.TabWidth(width) : 1;
        pos += len;
    }
    return width;
}

int ColumnToCharIndex(std::string_view S, int Col, const TColumnModel& Model)
{
    std::string attributes;
    ExpandTabs(S, Model, attributes);
    const int columns = static_cast<int>(attributes.size());
    Col = std::max(Col, 0);
    if (Col < columns && attributes[static_cast<size_t>(Col)] == ca::Trail)
        --Col;
    while (Col > 0 && Col < columns && attributes[static_cast<size_t>(Col)] == ca::TabFill)
        --Col;
    const auto fill = std::count(attributes.begin(), attributes.begin() + std::min(Col, columns), ca::TabFill);
    return std::min(Col - static_cast<int>(fill), static_cast<int>(S.size()));
}

int LeadingBlankColumns(std::string_view S, const TColumnModel& Model)
{
    if (S.empty())
        return -1;
    int width = 0;
    for (size_t pos = 0; pos < S.size();) {
        if (S[pos] == ' ') {
            width += 1;
            pos += 1;
        } else if (S[pos] == '\t') {
            width += Model.TabWidth(width);
            pos += 1;
        } else if (IsFullWidthSpaceAt(S, pos)) {
            width += 2;
            pos += 2;
        } else {
            break;
        }
    }
    return width;
}
