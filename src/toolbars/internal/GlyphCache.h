// The pictures toolbar buttons have prepared for their states, kept in one
// list per picture size that every button of that size shares, so a
// toolbar of buttons with like pictures holds one list rather than one set
// of pictures per button.
#pragma once

#include <QImage>
#include <QSize>
#include <memory>
#include <vector>

// Pictures of one size in slots; a freed slot is taken again by the next
// picture added.
class TGlyphList {
public:
    explicit TGlyphList(QSize Size) : Size_(Size) {}

    QSize Size() const { return Size_; }
    // The slots in use.
    int Count() const { return Count_; }
    // Puts Image into the lowest free slot, the list growing when none is
    // free, and returns the slot.
    int Add(const QImage& Image);
    // Raises EInvalidOperation for a slot the list does not have or a
    // picture smaller than the list's size.
    void Replace(int Index, const QImage& Image);
    void Delete(int Index);
    // Null for a slot not in use.
    QImage Image(int Index) const;

private:
    bool InUse(int Index) const;

    QSize Size_;
    std::vector<QImage> Images_;
    std::vector<bool> Used_;
    int Count_ = 0;
};

class TGlyphCache {
public:
    // The program's cache: made for the first button picture, freed with
    // the last.
    static TGlyphCache& Acquire();
    static void Release();
    // None while no button picture lives.
    static TGlyphCache* Shared();

    // A list of pictures of Size, the newest such list or a new one.
    TGlyphList* GetList(QSize Size);
    // The user of List is done with it; a list with no picture left goes.
    void ReturnList(TGlyphList* List);
    int ListCount() const { return static_cast<int>(Lists_.size()); }

private:
    std::vector<std::unique_ptr<TGlyphList>> Lists_;
};
