#include "FakeEditorClient.h"

namespace edtest {

void TTestFountain::InitBrackets()
{
    TFountainBracketItem* item = Brackets()->Add();
    item->SetLeftBracket("/*");
    item->SetRightBracket("*/");
}

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
        rows.push_back({List.RowText(i), List.RowAttribute(i)});
    return rows;
}

std::vector<std::string> RowTexts(const TEditorStringList& List)
{
    std::vector<std::string> rows;
    for (int i = 0; i < List.Count(); ++i)
        rows.push_back(List.RowText(i));
    return rows;
}

} // namespace edtest
