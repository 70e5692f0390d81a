// A form's layout that glues its docks to the edges their Position names
// and gives the rest of the room to its other widgets, one over another.
// The docks take the top edge first, then the bottom, the left and the
// right, each edge's docks in the order they were added, the first
// outermost; a dock is as thick as it makes itself.
#pragma once

#include <QLayout>
#include <vector>

class TEdgeLayout : public QLayout {
    Q_OBJECT

public:
    // The docks lie right against the edges: no margins.
    explicit TEdgeLayout(QWidget* Parent = nullptr) : QLayout(Parent) { setContentsMargins(0, 0, 0, 0); }
    ~TEdgeLayout() override;

    void addItem(QLayoutItem* Item) override;
    int count() const override { return static_cast<int>(Items_.size()); }
    QLayoutItem* itemAt(int Index) const override;
    QLayoutItem* takeAt(int Index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& Rect) override;

private:
    std::vector<QLayoutItem*> Items_;
};
