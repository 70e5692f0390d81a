// TSeparater: the divider between the page tree and the editor side. A
// drag shows a line where the divider will go, and the panes change size
// only when the button is released; a drag past either margin leaves the
// line where it was.
#pragma once

#include <QSplitter>
#include <functional>

class TSeparater : public QSplitter {
public:
    // dkHorizontal: an upright bar that sizes the first pane's width;
    // dkVertical: a flat bar that sizes its height.
    enum class TKind { dkHorizontal, dkVertical };

    explicit TSeparater(QWidget* Parent = nullptr);

    TKind Kind() const { return orientation() == Qt::Horizontal ? TKind::dkHorizontal : TKind::dkVertical; }
    void SetKind(TKind Value) { setOrientation(Value == TKind::dkHorizontal ? Qt::Horizontal : Qt::Vertical); }
    // The smallest drag position, from the left (top) edge, and the
    // smallest distance of it from the right (bottom) edge.
    int UpperMgn() const { return UpperMgn_; }
    void SetUpperMgn(int Value) { UpperMgn_ = Value; }
    int LowerMgn() const { return LowerMgn_; }
    void SetLowerMgn(int Value) { LowerMgn_ = Value; }
    // The thickness of the bar and of the line a drag shows.
    int LineWidth() const { return handleWidth(); }
    void SetLineWidth(int Value) { setHandleWidth(Value); }

    // A drag begins; a drag ends at Pos, the first pane's new extent Size.
    std::function<void(TSeparater& Sender)> OnStartDrag;
    std::function<void(TSeparater& Sender, int Pos, int Size)> OnEndDrag;

    // A drag of the bar: the line shows where the bar is; it follows to
    // Pos (splitter coordinates of the bar's near edge) unless Pos lies
    // past a margin; at the end the line goes and the bar and the panes
    // take the place it stood at.
    void StartDrag();
    void DragTo(int Pos);
    void EndDrag();

protected:
    QSplitterHandle* createHandle() override;

private:
    int UpperMgn_ = 2;
    int LowerMgn_ = 5;
    int Line_ = 0;
};
