#include "Vk2Records.h"

#include "Sjis.h"

namespace {

uint32_t U32At(std::string_view Bytes, size_t At)
{
    const auto* b = reinterpret_cast<const unsigned char*>(Bytes.data() + At);
    return uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24;
}

// Whether a writer writes Packed as the packed word of the page at Index:
// the edit mode fills the low byte alone, a sub-icon is below 256. (The
// selection in the first page's word is the document's to check.)
bool IsPackedWordAsWritten(uint32_t Packed, size_t Index)
{
    if (Index >= 2)
        return Packed <= MaxSubIcon;
    return Packed >> 16 <= MaxSubIcon && (Index == 0 || (Packed & 0xFF00) == 0);
}

// Whether an editor leaves a caret at Caret in Text: at a character's start
// or the end, not between CR and LF.
bool IsCaretPlace(std::string_view Text, size_t Caret)
{
    return sjis::IsCharBoundary(Text, Caret) && (Caret == 0 || Text.substr(Caret - 1, 2) != "\r\n");
}

// Whether Longer, a page's text read past Cut where the file's length ends
// it, gets back bytes that are the text's own end rather than the low bytes
// of the caret read in their place (CaretAsRead): they mend the lone lead
// byte or CR the cut left, or end the text in CR LF (the low bytes of one
// caret alone, 2573, read so), or the caret read in their place is none an
// editor leaves. A caret's low bytes are any small number; read as text,
// a fifth of those past 16 KB make a double-byte character.
bool GetsBackTheTextsEnd(std::string_view Longer, size_t Cut, size_t CaretAsRead)
{
    const bool mendsTheEnd = sjis::IsCharBoundary(Longer, Cut - 1)
                             && (Longer.substr(Cut - 1, 2) == "\r\n" || sjis::CharLen(Longer, Cut - 1) == 2);
    return mendsTheEnd || (Longer.ends_with("\r\n") && Longer.size() - 2 >= Cut)
           || !IsCaretPlace(Longer.substr(0, Cut), CaretAsRead);
}

// A length cut short by four bytes or more reads the caret from the text.
constexpr uint32_t LongestHiddenCut = 3;

} // namespace

TRecordFault ReadRecord(std::string_view Bytes, size_t& At, size_t Index, TPageRecord& Record, uint32_t Longer)
{
    const size_t left = Bytes.size() - At;
    if (left < RecordFrameBytes)
        return TRecordFault::PastTheEnd;
    const uint64_t length = uint64_t{U32At(Bytes, At)} + Longer;
    if (length > left - RecordFrameBytes)
        return TRecordFault::PastTheEnd;
    Record.Text = Bytes.substr(At + 4, static_cast<size_t>(length));
    At += 4 + static_cast<size_t>(length);
    Record.Caret = U32At(Bytes, At);
    Record.Packed = U32At(Bytes, At + 4);
    At += 8;
    return Record.Caret <= length && IsPackedWordAsWritten(Record.Packed, Index) ? TRecordFault::None
                                                                                 : TRecordFault::NotAsWritten;
}

bool IsPadding(std::string_view Bytes) { return Bytes.find_first_not_of('\0') == std::string_view::npos; }

bool LengthCutShort(std::string_view Bytes, size_t RecordAt, size_t Index, size_t PageCount)
{
    // The record as the file's length gives it, which the reader took.
    size_t at = RecordAt;
    TPageRecord asRead;
    ReadRecord(Bytes, at, Index, asRead);
    for (uint32_t cut = 1; cut <= LongestHiddenCut; ++cut) {
        at = RecordAt;
        TPageRecord record;
        if (ReadRecord(Bytes, at, Index, record, cut) != TRecordFault::None
            || (Index == 0 && (record.Packed & MaxIndexInPackedWord) >= PageCount)
            || !GetsBackTheTextsEnd(record.Text, asRead.Text.size(), asRead.Caret))
            continue;
        bool asWritten = true;
        for (size_t i = Index + 1; i < PageCount && asWritten; ++i)
            asWritten = ReadRecord(Bytes, at, i, record) == TRecordFault::None;
        if (asWritten && IsPadding(Bytes.substr(at)))
            return true;
    }
    return false;
}
