// The page records of a document file as they stand in its bytes: u32 text
// length, the text, u32 caret, u32 packed word. What tells a record a
// writer wrote from one that damage made: a writer writes a caret within
// its text and a packed word of small numbers, and nothing after the last
// record (copies and recoveries add zeros). A length cut short moves the
// text's end into the caret and pushes the end of the last record out
// after it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// A page record without its text: the text length, the caret, the packed word.
inline constexpr size_t RecordFrameBytes = 12;
// The selected page's index fills the low 16 bits of the first page's word.
inline constexpr uint32_t MaxIndexInPackedWord = 0xFFFF;
// Sub-icons are the few icons of the sub-icon menu: every writer writes a
// number below 256, though the first two records leave it 16 bits.
inline constexpr uint32_t MaxSubIcon = 0xFF;

struct TPageRecord {
    std::string_view Text;
    uint32_t Caret = 0;
    uint32_t Packed = 0;
};

enum class TRecordFault {
    None,
    PastTheEnd,   // the file ends inside the record
    NotAsWritten, // a caret past the text, or a packed word no writer packs
};

// Reads the record at At, and moves At past it, of page Index, its text
// taken Longer bytes past the length the file gives.
TRecordFault ReadRecord(std::string_view Bytes, size_t& At, size_t Index, TPageRecord& Record, uint32_t Longer = 0);

// Zeros alone: what copies and recoveries add after the last record.
bool IsPadding(std::string_view Bytes);

// Whether the length of page Index, the last page holding text, whose
// record lies at RecordAt, was cut short by one to three bytes. Every
// record after it is as a writer writes it and only zeros follow. A longer
// cut reads the caret from the text, past its end; a shorter one leaves
// the records after it, all empty, as they were and pushes the end of the
// last record out, where it reads as zeros of padding. It shows when the
// page read that much longer still leaves records as a writer writes them
// and nothing but zeros after them, and gets back bytes that are its
// text's own end rather than a caret's low bytes.
bool LengthCutShort(std::string_view Bytes, size_t RecordAt, size_t Index, size_t PageCount);
