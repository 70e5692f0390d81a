// The vertical guide lines of the extended editor: each at a column, in a
// colour, shown or not. Any change of a line, or of the list, reaches the
// editor through the collection's OnChange (it repaints).
#pragma once

#include "edClasses.h"

#include "Graphics.h"

#include <optional>

class TVerticalLine : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;

    // The column the line stands left of; a negative one is not drawn.
    int Position() const { return Position_; }
    void SetPosition(int Value);
    TColor Color() const { return Color_; }
    void SetColor(TColor Value);
    bool Visible() const { return Visible_; }
    void SetVisible(bool Value);

    // From another TVerticalLine: the three values, as one change.
    void Assign(const TPersistent* Source) override;

    // The x where the line is drawn: TextLeft - HorizontalOffset +
    // CharWidth x Position; none when the line is hidden, its Position is
    // negative, or the x lies left of the text area.
    std::optional<int> X(int TextLeft, int HorizontalOffset, int CharWidth) const;

private:
    template <class T>
    void Store(T& Field, T Value);

    int Position_ = 0;
    TColor Color_ = 0;
    bool Visible_ = true;
};

class TVerticalLines : public TNotifyCollection {
public:
    // Editor: the owning editor.
    explicit TVerticalLines(TPersistent* Editor) : TNotifyCollection(Editor, ItemClassOf<TVerticalLine>()) {}

    TVerticalLine* Add() { return static_cast<TVerticalLine*>(TCollection::Add()); }
    TVerticalLine* Items(int Index) const { return ItemsAs<TVerticalLine>(Index); }
};
