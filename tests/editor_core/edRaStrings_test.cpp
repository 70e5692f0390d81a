#include "edRaStrings.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>

namespace {

using enum TRowAttribute;

TEST(RowAttributeStringList, ANewRowIsAnUncomputedCrlfRowWithoutMarks)
{
    TRowAttributeStringList list;
    list.Add("row");
    EXPECT_EQ(list.RowAttribute(0), raCrlf);
    EXPECT_EQ(list.PrevRowAttribute(0), raCrlf);
    EXPECT_EQ(list.BracketIndex(0), -2);
    EXPECT_EQ(list.SchemeState(0), 0);
    EXPECT_EQ(list.CarryLength(0), 0);
    EXPECT_EQ(list.ExtraState(0), 0);
    EXPECT_EQ(list.CarryKind(0), 0);
    EXPECT_EQ(list.PrevToken(0), 0);
    EXPECT_EQ(list.RowMarks(0), 0);
}

TEST(RowAttributeStringList, FieldsSitInTheirBitsOfTheTwoWords)
{
    TRowAttributeStringList list;
    list.Add("row");
    list.SetRowAttribute(0, raEof);
    list.SetPrevRowAttribute(0, raWrapped);
    list.SetBracketIndex(0, 3);
    list.SetSchemeState(0, 0x12);
    list.SetCarryLength(0, 0x34);
    list.SetExtraState(0, 255);
    EXPECT_EQ(list.AttributeA(0), 0xFF341256u);

    list.SetCarryKind(0, 0x56);
    list.SetPrevToken(0, 0x78);
    list.SetRowMarks(0, 0x8001);
    EXPECT_EQ(list.AttributeB(0), 0x80017856u);
}

TEST(RowAttributeStringList, EightBitFieldsKeepTheLowBitsOfLargerValues)
{
    TRowAttributeStringList list;
    list.Add("row");
    list.SetCarryLength(0, 300);
    EXPECT_EQ(list.CarryLength(0), 44);
    list.SetSchemeState(0, 0x1FF);
    EXPECT_EQ(list.SchemeState(0), 0xFF);
    list.SetExtraState(0, 0x1234);
    EXPECT_EQ(list.ExtraState(0), 0x34);
    list.SetCarryKind(0, 256 + 7);
    EXPECT_EQ(list.CarryKind(0), 7);
    list.SetPrevToken(0, -1);
    EXPECT_EQ(list.PrevToken(0), 255);
    EXPECT_EQ(list.AttributeA(0), 0x3400FF00u | 44u << 16);
}

// Reads every packed field of a row, so that two rows can be compared.
struct Fields {
    int RowAttribute, PrevRowAttribute, BracketIndex, SchemeState, CarryLength, ExtraState;
    int CarryKind, PrevToken, RowMarks;
    bool operator==(const Fields&) const = default;
};

Fields Read(const TRowAttributeStringList& List, int Index)
{
    return {int(List.RowAttribute(Index)), int(List.PrevRowAttribute(Index)), List.BracketIndex(Index),
            List.SchemeState(Index), List.CarryLength(Index), List.ExtraState(Index),
            List.CarryKind(Index), List.PrevToken(Index), List.RowMarks(Index)};
}

TEST(RowAttributeStringList, SettingOneFieldNeverDisturbsTheOthers)
{
    // Each field: its range, where Fields keeps it, and its setter.
    struct FieldCase {
        int Low, High;
        int Fields::*Value;
        void (*Set)(TRowAttributeStringList&, int);
    };
    const FieldCase cases[] = {
        {0, 3, &Fields::RowAttribute, [](auto& L, int V) { L.SetRowAttribute(0, TRowAttribute(V)); }},
        {0, 3, &Fields::PrevRowAttribute, [](auto& L, int V) { L.SetPrevRowAttribute(0, TRowAttribute(V)); }},
        {-2, 13, &Fields::BracketIndex, [](auto& L, int V) { L.SetBracketIndex(0, V); }},
        {0, 255, &Fields::SchemeState, [](auto& L, int V) { L.SetSchemeState(0, V); }},
        {0, 255, &Fields::CarryLength, [](auto& L, int V) { L.SetCarryLength(0, V); }},
        {0, 255, &Fields::ExtraState, [](auto& L, int V) { L.SetExtraState(0, V); }},
        {0, 255, &Fields::CarryKind, [](auto& L, int V) { L.SetCarryKind(0, V); }},
        {0, 255, &Fields::PrevToken, [](auto& L, int V) { L.SetPrevToken(0, V); }},
        {0, 0xFFFF, &Fields::RowMarks, [](auto& L, int V) { L.SetRowMarks(0, static_cast<uint16_t>(V)); }},
    };
    TRowAttributeStringList list;
    list.Add("row");
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        list.SetAttributeA(0, static_cast<uint32_t>(random()));
        list.SetAttributeB(0, static_cast<uint32_t>(random()));
        Fields expected = Read(list, 0);
        const FieldCase& field = cases[random() % std::size(cases)];
        const int value = field.Low + static_cast<int>(random() % static_cast<unsigned>(field.High - field.Low + 1));
        expected.*field.Value = value;
        field.Set(list, value);
        ASSERT_EQ(Read(list, 0), expected) << "round " << round;
    }
}

} // namespace
