// The row list with named accessors for the fields packed into each row's
// two attribute words: how the row ends, the colouring parser's state at the
// row's start, and the row's marks.
//
// Word A                                  Word B
//   bits  0-1   RowAttribute                bits  0-7   CarryKind
//   bits  2-3   PrevRowAttribute            bits  8-15  PrevToken
//   bits  4-7   BracketIndex + 2            bits 16-31  RowMarks
//   bits  8-15  SchemeState
//   bits 16-23  CarryLength
//   bits 24-31  ExtraState
//
// The layout is fixed: the editor compares and copies the words whole.
#pragma once

#include "edStringList.h"

#include <cstdint>

enum class TRowAttribute : uint8_t {
    raCrlf = 0,    // the row ends its logical line with a line break
    raWrapped = 1, // the logical line goes on in the next row
    raEof = 2,     // the last row of the text, nothing after it
};

// The bits of RowMarks: bit n set, the row carries mark n. Marks 0-9, the
// digit marks, stand on one row at a time in the whole text; marks 10-15,
// the image marks, may stand on many rows.
constexpr uint16_t DigitRowMarks = 0x03FF;
constexpr uint16_t ImageRowMarks = 0xFC00;
constexpr int FirstImageRowMark = 10;
constexpr uint16_t RowMarkBit(int Mark) { return static_cast<uint16_t>(1u << Mark); }

// Each setter changes only its own field's bits and fires no event. A value
// wider than its field keeps only the field's low bits: the 8-bit fields
// keep the low 8 bits of a parser value above 255. Values that must fit are
// 0..3 for the two attributes and -2..13 for BracketIndex, where -2 (a stored
// 0, as in a new row) means that the row's parser state is not computed and
// -1 that no bracket is open.
class TRowAttributeStringList : public TedStringList {
public:
    TRowAttribute RowAttribute(int Index) const { return TRowAttribute(GetA(Index, RowAttributeField)); }
    void SetRowAttribute(int Index, TRowAttribute Value) { SetA(Index, RowAttributeField, uint32_t(Value)); }
    TRowAttribute PrevRowAttribute(int Index) const { return TRowAttribute(GetA(Index, PrevRowAttributeField)); }
    void SetPrevRowAttribute(int Index, TRowAttribute Value) { SetA(Index, PrevRowAttributeField, uint32_t(Value)); }
    int BracketIndex(int Index) const { return int(GetA(Index, BracketIndexField)) - 2; }
    void SetBracketIndex(int Index, int Value) { SetA(Index, BracketIndexField, uint32_t(Value) + 2); }
    int SchemeState(int Index) const { return int(GetA(Index, SchemeStateField)); }
    void SetSchemeState(int Index, int Value) { SetA(Index, SchemeStateField, uint32_t(Value)); }
    int CarryLength(int Index) const { return int(GetA(Index, CarryLengthField)); }
    void SetCarryLength(int Index, int Value) { SetA(Index, CarryLengthField, uint32_t(Value)); }
    int ExtraState(int Index) const { return int(GetA(Index, ExtraStateField)); }
    void SetExtraState(int Index, int Value) { SetA(Index, ExtraStateField, uint32_t(Value)); }

    int CarryKind(int Index) const { return int(GetB(Index, CarryKindField)); }
    void SetCarryKind(int Index, int Value) { SetB(Index, CarryKindField, uint32_t(Value)); }
    int PrevToken(int Index) const { return int(GetB(Index, PrevTokenField)); }
    void SetPrevToken(int Index, int Value) { SetB(Index, PrevTokenField, uint32_t(Value)); }
    // Bit n set: the row carries row mark n (0..15); see RowMarkBit.
    uint16_t RowMarks(int Index) const { return uint16_t(GetB(Index, RowMarksField)); }
    void SetRowMarks(int Index, uint16_t Value) { SetB(Index, RowMarksField, Value); }

    // The colouring state's fields of both words together, as the setters
    // above store them (row attribute and marks left out), so that a row's
    // whole state is stored or compared at once.
    struct TStateBits {
        uint32_t A = 0;
        uint32_t B = 0;
        bool operator==(const TStateBits&) const = default;
    };
    static TStateBits PackState(TRowAttribute Prev, int BracketIndex, int SchemeState, int CarryLength, int ExtraState,
                                int CarryKind, int PrevToken)
    {
        TStateBits bits;
        Write(bits.A, PrevRowAttributeField, uint32_t(Prev));
        Write(bits.A, BracketIndexField, uint32_t(BracketIndex) + 2);
        Write(bits.A, SchemeStateField, uint32_t(SchemeState));
        Write(bits.A, CarryLengthField, uint32_t(CarryLength));
        Write(bits.A, ExtraStateField, uint32_t(ExtraState));
        Write(bits.B, CarryKindField, uint32_t(CarryKind));
        Write(bits.B, PrevTokenField, uint32_t(PrevToken));
        return bits;
    }
    TStateBits StateBits(int Index) const
    {
        const TRowItem& row = Row(Index);
        return {row.AttributeA & ~RowAttributeField.Mask(), row.AttributeB & ~RowMarksField.Mask()};
    }
    void SetStateBits(int Index, TStateBits Bits)
    {
        TRowItem& row = Row(Index);
        row.AttributeA = (row.AttributeA & RowAttributeField.Mask()) | Bits.A;
        row.AttributeB = (row.AttributeB & RowMarksField.Mask()) | Bits.B;
    }

private:
    struct Field {
        unsigned Shift;
        unsigned Width;
        constexpr uint32_t Mask() const { return (uint32_t{0xFFFFFFFF} >> (32 - Width)) << Shift; }
    };
    static constexpr Field RowAttributeField{0, 2};
    static constexpr Field PrevRowAttributeField{2, 2};
    static constexpr Field BracketIndexField{4, 4};
    static constexpr Field SchemeStateField{8, 8};
    static constexpr Field CarryLengthField{16, 8};
    static constexpr Field ExtraStateField{24, 8};
    static constexpr Field CarryKindField{0, 8};
    static constexpr Field PrevTokenField{8, 8};
    static constexpr Field RowMarksField{16, 16};

    static uint32_t Read(uint32_t Word, Field F) { return (Word & F.Mask()) >> F.Shift; }
    static void Write(uint32_t& Word, Field F, uint32_t Value)
    {
        Word = (Word & ~F.Mask()) | (Value << F.Shift & F.Mask());
    }
    uint32_t GetA(int Index, Field F) const { return Read(Row(Index).AttributeA, F); }
    void SetA(int Index, Field F, uint32_t Value)
    {
        uint32_t word = AttributeA(Index);
        Write(word, F, Value);
        SetAttributeA(Index, word);
    }
    uint32_t GetB(int Index, Field F) const { return Read(Row(Index).AttributeB, F); }
    void SetB(int Index, Field F, uint32_t Value) { Write(Row(Index).AttributeB, F, Value); }
};
