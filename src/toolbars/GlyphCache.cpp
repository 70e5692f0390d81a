#include "GlyphCache.h"

#include "SysUtils.h"

#include <algorithm>

namespace {

struct TSharedCache {
    std::unique_ptr<TGlyphCache> Cache;
    int Users = 0;
};

TSharedCache& Shared()
{
    static TSharedCache shared;
    return shared;
}

} // namespace

int TGlyphList::Add(const QImage& Image)
{
    const auto free = std::find(Used_.begin(), Used_.end(), false);
    const int index = static_cast<int>(free - Used_.begin());
    if (free == Used_.end()) {
        // A placeholder until the picture replaces it.
        Images_.emplace_back();
        Used_.push_back(false);
    }
    Replace(index, Image);
    return index;
}

void TGlyphList::Replace(int Index, const QImage& Image)
{
    if (Index < 0 || Index >= static_cast<int>(Images_.size()))
        throw EInvalidOperation("イメージの置き換えができません");
    if (Image.width() < Size_.width() || Image.height() < Size_.height())
        throw EInvalidOperation("イメージサイズが正しくありません");
    const auto slot = static_cast<size_t>(Index);
    Images_[slot] = Image.copy(0, 0, Size_.width(), Size_.height());
    if (!Used_[slot]) {
        Used_[slot] = true;
        ++Count_;
    }
}

bool TGlyphList::InUse(int Index) const
{
    return Index >= 0 && Index < static_cast<int>(Used_.size()) && Used_[static_cast<size_t>(Index)];
}

void TGlyphList::Delete(int Index)
{
    if (!InUse(Index))
        return;
    const auto slot = static_cast<size_t>(Index);
    Used_[slot] = false;
    Images_[slot] = QImage();
    --Count_;
}

QImage TGlyphList::Image(int Index) const { return InUse(Index) ? Images_[static_cast<size_t>(Index)] : QImage(); }

TGlyphCache& TGlyphCache::Acquire()
{
    TSharedCache& shared = ::Shared();
    if (shared.Users++ == 0)
        shared.Cache = std::make_unique<TGlyphCache>();
    return *shared.Cache;
}

void TGlyphCache::Release()
{
    TSharedCache& shared = ::Shared();
    if (--shared.Users == 0)
        shared.Cache.reset();
}

TGlyphCache* TGlyphCache::Shared() { return ::Shared().Cache.get(); }

TGlyphList* TGlyphCache::GetList(QSize Size)
{
    const auto found =
        std::find_if(Lists_.rbegin(), Lists_.rend(), [Size](const auto& L) { return L->Size() == Size; });
    if (found != Lists_.rend())
        return found->get();
    return Lists_.emplace_back(std::make_unique<TGlyphList>(Size)).get();
}

void TGlyphCache::ReturnList(TGlyphList* List)
{
    if (List && List->Count() == 0)
        std::erase_if(Lists_, [List](const auto& L) { return L.get() == List; });
}
