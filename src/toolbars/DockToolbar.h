// A tool window of buttons, separators and other controls that lays them
// out itself: in one line on a dock, in rows FloatRightX wide when
// floating, starting a new row at a separator where it can. The controls
// keep the order in which they were added.
#pragma once

#include "FloatSizing.h"
#include "ToolWindow.h"

class TIniFile;

#include <memory>
#include <string>

#include <vector>

class TCustomDockToolbar : public TCustomToolWindow {
    Q_OBJECT

public:
    // The width a floating toolbar's client area wraps at; 0: one line.
    int32_t FloatRightX() const { return FloatRightX_; }
    void SetFloatRightX(int32_t FloatRightX);
    // The lines between the rows of the floating toolbar, from its last
    // layout.
    const std::vector<TLineSeparator>& LineSeparatorList() const { return LineSeparatorList_; }
    // The client sizes the floating toolbar can take: one line, then the
    // narrowest width of each height it can reach.
    std::vector<TBarSize> BuildFloatingSizeList();

    int GetBarThickness(TBarOrientation Orientation) const override;
    QSize LayoutControls(bool MoveChildren, TToolDock* Dock) override;
    // Resizing snaps to the sizes the toolbar can wrap to, so it needs
    // nothing beyond its frame.
    QSize GetExtraSize() const override { return {0, 0}; }

    // The toolbar's own keys of its section in a position file: the width
    // it wraps at when floating.
    void ReadPositionExtras(const TIniFile& Ini, const std::string& Section);
    void WritePositionExtras(TIniFile& Ini, const std::string& Section) const;

protected:
    explicit TCustomDockToolbar(std::string Name);
    ~TCustomDockToolbar() override;

    // A resize of the floating toolbar snaps to the sizes it can wrap to.
    void BeginFloatSizing(int Edge) override;
    QRect TrackFloatSizing(QPoint Cursor, const QRect& Proposed, const QRect& Start) override;
    void EndFloatSizing(bool Accepted) override;

    // By place along the dock the toolbar is on: left to right, or top to
    // bottom on a left or right dock; controls at one place keep their
    // order.
    void SortOrderAtLoad() override;
    void PaintClient(QPainter& Painter) override;
    void ControlListChanged(QWidget* Control, bool Inserted) override;

private:
    // The controls that take part, in order, as the layout sees them.
    std::vector<QWidget*> TakingPart() const;
    std::vector<TToolbarItem> Items(const std::vector<QWidget*>& Controls) const;

    int32_t FloatRightX_ = 0;
    std::unique_ptr<TFloatSizing> Sizing_; // while the floating toolbar is resized
    std::vector<QWidget*> OrderList_;
    std::vector<TLineSeparator> LineSeparatorList_;
};

class TDockToolbar : public TCustomDockToolbar {
    Q_OBJECT

public:
    // The toolbar on Dock (none: floating on no form until given a place).
    TDockToolbar(TToolDock* Dock, std::string Name, const QString& Caption = {});
};
