// The glyphs of Shift-JIS characters in one font, for drawing text on a
// cell grid without laying it out. Each character's glyph is looked up
// once, in the font's own face or, when that face lacks it, in the face Qt
// falls back to, and kept; a row is then drawn as one glyph run per face
// with every glyph placed at its cell.
//
// Used from the thread that paints (the GUI thread) only.
#pragma once

#include <QFont>
#include <QRawFont>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class TCellGlyphs {
public:
    // A character's glyph: its index in face Face. A bad character (a byte
    // or pair with no Unicode form, a control character, one no installed
    // face can show) has none and is drawn as the fallback box.
    struct TGlyph {
        uint32_t Index = 0;
        uint8_t Face = 0;
        bool Bad = false;
    };

    // The glyphs of Font, shared by every canvas that draws in it. Underline
    // and strike-out are not part of a glyph: fonts that differ only in them
    // share one entry.
    static std::shared_ptr<TCellGlyphs> ForFont(const QFont& Font);

    explicit TCellGlyphs(const QFont& Font);
    TCellGlyphs(const TCellGlyphs&) = delete;
    TCellGlyphs& operator=(const TCellGlyphs&) = delete;

    const QFont& Font() const { return Font_; }
    // The height of a cell (ascent + descent + external leading) and the
    // distance from a cell's top to the baseline.
    int Height() const { return Height_; }
    int Ascent() const { return Ascent_; }
    // Underline and strike-out lines, relative to the baseline (positive
    // below it), and their thickness.
    int UnderlineOffset() const { return UnderlineOffset_; }
    int StrikeOutOffset() const { return StrikeOutOffset_; }
    int LineWidth() const { return LineWidth_; }

    // The glyph of the character with code Code (sjis::CharCode).
    TGlyph Glyph(uint16_t Code)
    {
        auto& page = Pages_[Code >> 8];
        if (!page)
            page = std::make_unique<TPage>();
        TEntry& entry = (*page)[Code & 0xFF];
        if (!entry.Known) {
            entry.Glyph = Resolve(Code);
            entry.Known = true;
        }
        return entry.Glyph;
    }

    int FaceCount() const { return static_cast<int>(Faces_.size()); }
    const QRawFont& Face(int Index) const { return Faces_[Index]; }

private:
    struct TEntry {
        TGlyph Glyph;
        bool Known = false;
    };
    using TPage = std::array<TEntry, 256>;

    TGlyph Resolve(uint16_t Code);
    // The index of Face among Faces_, added when new; none when full.
    std::optional<uint8_t> FaceIndex(const QRawFont& Face);

    QFont Font_;
    std::vector<QRawFont> Faces_; // the font's own face first
    std::array<std::unique_ptr<TPage>, 256> Pages_;
    int Height_ = 0;
    int Ascent_ = 0;
    int UnderlineOffset_ = 0;
    int StrikeOutOffset_ = 0;
    int LineWidth_ = 1;
};
