#include "CellGlyphs.h"

#include "Cp932.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QTextLayout>
#include <algorithm>

namespace {

// Fonts a program draws in are few: the editor's, its bold and italic
// forms, a bar's. Beyond this many the least recently used goes (canvases
// still drawing in it keep it alive).
constexpr size_t kMaxCachedFonts = 16;

std::vector<std::shared_ptr<TCellGlyphs>>& Cache()
{
    static std::vector<std::shared_ptr<TCellGlyphs>> cache;
    return cache;
}

// Faces must not outlive the application's font database.
void ReleaseCache() { Cache().clear(); }

bool HasNoForm(char16_t Unit) { return Unit == 0xFFFD || Unit < 0x20 || Unit == 0x7F; }

} // namespace

std::shared_ptr<TCellGlyphs> TCellGlyphs::ForFont(const QFont& Font)
{
    QFont key = Font;
    key.setUnderline(false);
    key.setStrikeOut(false);
    auto& cache = Cache();
    const auto found =
        std::find_if(cache.begin(), cache.end(), [&](const auto& Entry) { return Entry->Font() == key; });
    if (found != cache.end()) {
        std::rotate(cache.begin(), found, found + 1);
        return cache.front();
    }
    if (cache.empty())
        qAddPostRoutine(ReleaseCache);
    if (cache.size() >= kMaxCachedFonts)
        cache.pop_back();
    cache.insert(cache.begin(), std::make_shared<TCellGlyphs>(key));
    return cache.front();
}

TCellGlyphs::TCellGlyphs(const QFont& Font) : Font_(Font)
{
    Faces_.push_back(QRawFont::fromFont(Font_));
    const QFontMetrics metrics(Font_);
    Ascent_ = metrics.ascent();
    Height_ = metrics.height() + std::max(0, metrics.leading());
    UnderlineOffset_ = metrics.underlinePos();
    StrikeOutOffset_ = -metrics.strikeOutPos();
    LineWidth_ = std::max(1, metrics.lineWidth());
}

TCellGlyphs::TGlyph TCellGlyphs::Resolve(uint16_t Code)
{
    const char16_t unit = SjisCharToUtf16(Code);
    if (HasNoForm(unit))
        return {.Bad = true};
    const QChar character(unit);
    quint32 index = 0;
    int count = 1;
    if (Faces_.front().isValid() && Faces_.front().glyphIndexesForChars(&character, 1, &index, &count) && index != 0)
        return {.Index = index};
    // Not in the font's own face: ask Qt's font fallback which face shows it.
    QTextLayout layout(QString(character), Font_);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QList<quint32> indexes = run.glyphIndexes();
        if (indexes.size() != 1 || indexes.front() == 0)
            continue;
        if (const std::optional<uint8_t> face = FaceIndex(run.rawFont()))
            return {.Index = indexes.front(), .Face = *face};
        break;
    }
    return {.Bad = true};
}

std::optional<uint8_t> TCellGlyphs::FaceIndex(const QRawFont& Face)
{
    for (size_t i = 0; i < Faces_.size(); ++i)
        if (Faces_[i] == Face)
            return static_cast<uint8_t>(i);
    if (Faces_.size() > 0xFF)
        return std::nullopt;
    Faces_.push_back(Face);
    return static_cast<uint8_t>(Faces_.size() - 1);
}
