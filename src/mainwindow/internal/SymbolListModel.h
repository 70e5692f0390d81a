// The symbol chooser's entries as its box asks for them: the model owns the
// list and makes a row's text only when the box shows it, so that a long
// "mark.dat" costs the box nothing per row.
#pragma once

#include "SymbolList.h"

#include <QAbstractListModel>

class TSymbolListModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    const TSymbolList& List() const { return List_; }
    void SetList(TSymbolList List);
    // PromoteSymbol on the list.
    void Promote(std::string Symbol);

    int rowCount(const QModelIndex& Parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& Index, int Role = Qt::DisplayRole) const override;

private:
    TSymbolList List_;
};
