#include "FakeEditorClient.h"

namespace edtest {

void TTestFountain::InitBrackets() { fountaintest::AddBracket(*Brackets(), "/*", "*/"); }

TFakeEditorClient::TFakeEditorClient(std::shared_ptr<TEditorScreenStrings> AList)
    : List(AList ? std::move(AList) : TEditorScreenStrings::Create())
{
    List->AddEditor(this);
}

TFakeEditorClient::~TFakeEditorClient() { LeaveList(); }

void TFakeEditorClient::LeaveList()
{
    if (List) {
        List->RemoveEditor(this);
        List.reset();
    }
}

void TFakeEditorClient::ShareList(TFakeEditorClient& Other)
{
    LeaveList();
    List = Other.List;
    List->AddEditor(this);
}

void TFakeEditorClient::DoChange()
{
    ++Changes;
    if (List && List->ChangeExtent().Valid)
        Extents.push_back(List->ChangeExtent());
    if (OnDoChange)
        OnDoChange();
}

void TFakeEditorClient::ClampRows(int MaxRow)
{
    Row = std::min(Row, MaxRow);
    Top = std::min(Top, MaxRow);
}

std::ostream& operator<<(std::ostream& Out, const RowView& Row)
{
    return Out << '"' << Row.Text << "\" " << static_cast<int>(Row.Attribute);
}

std::vector<RowView> RowsOf(const TEditorStringList& List)
{
    std::vector<RowView> rows;
    for (int i = 0; i < List.Count(); ++i)
        rows.push_back({std::string(List.RowText(i)), List.RowAttribute(i)});
    return rows;
}

std::vector<std::string> RowTexts(const TEditorStringList& List)
{
    std::vector<std::string> rows;
    for (int i = 0; i < List.Count(); ++i)
        rows.push_back(std::string(List.RowText(i)));
    return rows;
}

std::vector<RowView> FreshRows(const TEditorScreenStrings& List, int TabSize)
{
    TFakeEditorClient fresh;
    fresh.TabSize = TabSize;
    fresh.List->WrapOption()->Assign(List.WrapOption());
    fresh.List->SetWordWrap(List.WordWrap());
    fresh.List->SetTextStr(List.GetTextStr());
    return RowsOf(*fresh.List);
}

void ExpectConsistentRows(const TEditorScreenStrings& List, int TabSize)
{
    const int count = List.Count();
    int pos = 0;
    for (int row = 0; row < count; ++row) {
        const std::string_view text = List.RowText(row);
        const TRowAttribute attribute = List.RowAttribute(row);
        ASSERT_EQ(text.find_first_of("\r\n"), std::string::npos) << row;
        ASSERT_EQ(List.RowStartPos(row), pos) << row;
        pos += static_cast<int>(text.size()) + (attribute == TRowAttribute::raCrlf ? 2 : 0);
        ASSERT_TRUE(attribute != TRowAttribute::raEof || row == count - 1) << row;
        ASSERT_TRUE(attribute != TRowAttribute::raWrapped || row < count - 1) << row;
        ASSERT_EQ(List.RowMarks(row) & ~List.GetRowMarksInUse(), 0) << row;
    }
    ASSERT_EQ(List.RowStartPos(count), pos);
    ASSERT_EQ(RowsOf(List), FreshRows(List, TabSize));
}

std::string Normalized(std::string_view Text)
{
    std::string text;
    for (size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == '\r' || Text[i] == '\n') {
            text += "\r\n";
            if (Text[i] == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n')
                ++i;
        } else {
            text += Text[i];
        }
    }
    return text;
}

} // namespace edtest
