#include "SymbolListModel.h"

#include "Cp932.h"

#include <utility>

void TSymbolListModel::SetList(TSymbolList List)
{
    beginResetModel();
    List_ = std::move(List);
    endResetModel();
}

void TSymbolListModel::Promote(std::string Symbol)
{
    beginResetModel();
    PromoteSymbol(List_, std::move(Symbol));
    endResetModel();
}

int TSymbolListModel::rowCount(const QModelIndex& Parent) const
{
    return Parent.isValid() ? 0 : static_cast<int>(List_.size());
}

QVariant TSymbolListModel::data(const QModelIndex& Index, int Role) const
{
    if (!Index.isValid() || Index.row() >= rowCount() || (Role != Qt::DisplayRole && Role != Qt::EditRole))
        return {};
    return QString::fromStdString(SjisToUtf8(List_[static_cast<size_t>(Index.row())]));
}
