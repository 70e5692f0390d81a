#include "edFountain.h"

#include "Sjis.h"
#include "SysUtils.h"

#include <algorithm>
#include <cstdint>

// ---- TFountainColor ------------------------------------------------------------

void TFountainColor::SetBkColor(TColor Value) { Store(BkColor_, Value); }
void TFountainColor::SetColor(TColor Value) { Store(Color_, Value); }
void TFountainColor::SetStyle(TFontStyles Value) { Store(Style_, Value); }

void TFountainColor::Assign(const TPersistent* Source)
{
    if (auto source = dynamic_cast<const TFountainColor*>(Source)) {
        BkColor_ = source->BkColor_;
        Color_ = source->Color_;
        Style_ = source->Style_;
        Changed();
        return;
    }
    TNotifyPersistent::Assign(Source);
}

// ---- TFountainColorItem --------------------------------------------------------

TFountainColorItem::TFountainColorItem(TCollection* Collection)
    : TCollectionItem(Collection), ItemColor_(std::make_unique<TFountainColor>())
{
    if (auto notifying = dynamic_cast<TNotifyCollection*>(Collection))
        ItemColor_->OnChange = [notifying](TObject* Sender) { notifying->ChangedProc(Sender); };
}

void TFountainColorItem::AssignBatched(const std::function<void()>& Copy)
{
    TCollection* collection = Collection();
    if (!collection) {
        Copy();
        return;
    }
    TUpdateScope update(*collection);
    Copy();
    update.End();
}

void TFountainColorItem::Assign(const TPersistent* Source)
{
    if (auto source = dynamic_cast<const TFountainColorItem*>(Source)) {
        AssignBatched([&] { ItemColor_->Assign(source->ItemColor()); });
        return;
    }
    TCollectionItem::Assign(Source);
}

// ---- TFountainBracketItem ------------------------------------------------------

void TFountainBracketItem::SetLeftBracket(const std::string& Value)
{
    if (LeftBracket_ == Value)
        return;
    LeftBracket_ = Value;
    Changed(false);
}

void TFountainBracketItem::SetRightBracket(const std::string& Value)
{
    if (RightBracket_ == Value)
        return;
    RightBracket_ = Value;
    Changed(false);
}

void TFountainBracketItem::Assign(const TPersistent* Source)
{
    if (auto source = dynamic_cast<const TFountainBracketItem*>(Source)) {
        AssignBatched([&] {
            LeftBracket_ = source->LeftBracket_;
            RightBracket_ = source->RightBracket_;
            ItemColor()->Assign(source->ItemColor());
        });
        return;
    }
    TFountainColorItem::Assign(Source);
}

// ---- TFountainBracketCollection ------------------------------------------------

TFountainBracketCollection::TFountainBracketCollection(TPersistent* AOwner)
    : TNotifyCollection(AOwner, ItemClassOf<TFountainBracketItem>())
{}

void TFountainBracketCollection::CheckRoom(int NewCount) const
{
    if (NewCount > MaxBracketCount)
        throw Exception(Format("TFountainBracketCollection\r\nYou can not add item over %d", MaxBracketCount));
}

TFountainBracketItem* TFountainBracketCollection::Add()
{
    CheckRoom(Count() + 1);
    return static_cast<TFountainBracketItem*>(TNotifyCollection::Add());
}

TFountainBracketItem* TFountainBracketCollection::Insert(int Index)
{
    CheckRoom(Count() + 1);
    return static_cast<TFountainBracketItem*>(TNotifyCollection::Insert(Index));
}

void TFountainBracketCollection::Assign(const TPersistent* Source)
{
    if (auto source = dynamic_cast<const TCollection*>(Source))
        CheckRoom(source->Count());
    TNotifyCollection::Assign(Source);
}

void TFountainBracketCollection::EnumColors(const TFountainColorVisitor& Visit) const
{
    for (int i = 0; i < Count(); ++i)
        Visit("ItemColor", *Items(i)->ItemColor());
}

// ---- Row state -----------------------------------------------------------------

TRowAttributeData LoadRowState(const TRowAttributeStringList& Strings, int Index)
{
    TRowAttributeData data;
    data.RowAttribute = Strings.RowAttribute(Index);
    data.PrevRowAttribute = Strings.PrevRowAttribute(Index);
    data.BracketIndex = Strings.BracketIndex(Index);
    data.SchemeState = Strings.SchemeState(Index);
    data.CarryLength = Strings.CarryLength(Index);
    data.ExtraState = Strings.ExtraState(Index);
    data.CarryKind = static_cast<uint8_t>(Strings.CarryKind(Index));
    data.PrevToken = static_cast<uint8_t>(Strings.PrevToken(Index));
    data.StateText = Strings.StateText(Index);
    return data;
}

namespace {

TRowAttributeStringList::TStateBits PackState(const TRowAttributeData& Data)
{
    return TRowAttributeStringList::PackState(Data.PrevRowAttribute, Data.BracketIndex, Data.SchemeState,
                                              Data.CarryLength, Data.ExtraState, Data.CarryKind, Data.PrevToken);
}

} // namespace

void StoreRowState(TRowAttributeStringList& Strings, int Index, const TRowAttributeData& Data)
{
    // The row attribute, which the row index follows, is not among the bits.
    Strings.SetStateBits(Index, PackState(Data));
    if (Strings.StateText(Index) != Data.StateText)
        Strings.SetStateText(Index, Data.StateText);
}

bool SameRowState(const TRowAttributeStringList& Strings, int Index, const TRowAttributeData& Data)
{
    return Strings.StateBits(Index) == PackState(Data) && Strings.StateText(Index) == Data.StateText;
}

// ---- TFountain -----------------------------------------------------------------

TFountain::TFountain(TComponent* AOwner)
    : TFileExtComponent(AOwner), NotifyEventList_(std::make_unique<TNotifyEventList>(this))
{}

// The owned objects go before the event list they report to (members are
// destroyed in reverse order).
TFountain::~TFountain() = default;

void TFountain::AfterConstruction()
{
    TFileExtComponent::AfterConstruction();
    Brackets_ = CreateBrackets();
    InitBrackets();
    ReserveWordList_ = CreateFileExtList();
    ReserveWordList_->OnChange = [this](TObject*) { ReserveFilter_.Valid = false; };
    InitReserveWordList();
    CreateFountainColors();
}

TNotifyEvent TFountain::NotifyListeners()
{
    TNotifyEventList* list = NotifyEventList_.get();
    return [list](TObject* Sender) { list->ChangedProc(Sender); };
}

std::unique_ptr<TFountainColor> TFountain::CreateFountainColor()
{
    auto color = std::make_unique<TFountainColor>();
    color->OnChange = NotifyListeners();
    return color;
}

void TFountain::CreateFountainColors() { Reserve_ = CreateFountainColor(); }

std::unique_ptr<TFountainBracketCollection> TFountain::CreateBrackets()
{
    auto brackets = std::make_unique<TFountainBracketCollection>(this);
    brackets->OnChange = NotifyListeners();
    return brackets;
}

void TFountain::SetReserveWordList(const TStrings* Value)
{
    ReserveWordList_->Assign(Value);
    NotifyEventList_->ChangedProc(this);
}

namespace {

// The first byte of a word as the list compares it: an ASCII letter of a
// single-byte character upper-cased.
unsigned char FoldedFirstByte(std::string_view Word)
{
    const auto first = static_cast<unsigned char>(Word[0]);
    if (sjis::CharLen(Word, 0) == 1 && first >= 'a' && first <= 'z')
        return static_cast<unsigned char>(first - 'a' + 'A');
    return first;
}

} // namespace

bool TFountain::IsReserveWord(std::string_view Word) const
{
    const TStringList& words = *ReserveWordList_;
    if (Word.empty() || words.Count() == 0)
        return false;
    TReserveFilter& filter = ReserveFilter_;
    if (!filter.Valid) {
        filter = TReserveFilter{true, {}, SIZE_MAX, 0};
        for (int i = 0; i < words.Count(); ++i) {
            const std::string word = words.Strings(i);
            if (word.empty())
                continue;
            filter.FirstBytes.set(FoldedFirstByte(word));
            filter.MinLength = std::min(filter.MinLength, word.size());
            filter.MaxLength = std::max(filter.MaxLength, word.size());
        }
    }
    if (Word.size() < filter.MinLength || Word.size() > filter.MaxLength || !filter.FirstBytes[FoldedFirstByte(Word)])
        return false;
    return words.IndexOf(Word) >= 0;
}

void TFountain::EnumColors(const TFountainColorVisitor& Visit) const
{
    Brackets_->EnumColors(Visit);
    Visit("Reserve", *Reserve_);
}

bool TFountain::HasItalic() const
{
    bool italic = false;
    EnumColors([&italic](std::string_view, TFountainColor& Color) {
        italic = italic || Color.Style().Contains(TFontStyle::fsItalic);
    });
    return italic;
}

void TFountain::SetAllColors(const TFountainColorHolder& Instance, const TFountainColor& Source,
                             TFountainColorMembers Which)
{
    SetColorSource_ = &Source;
    SetColorWhich_ = Which;
    Instance.EnumColors([this](std::string_view Name, TFountainColor& Color) { SetColorCallback(Name, Color); });
    SetColorSource_ = nullptr;
}

void TFountain::SetColorCallback(std::string_view /*Name*/, TFountainColor& Color)
{
    if (SetColorWhich_.Contains(TFountainColorMember::BkColor))
        Color.SetBkColor(SetColorSource_->BkColor());
    if (SetColorWhich_.Contains(TFountainColorMember::Color))
        Color.SetColor(SetColorSource_->Color());
    if (SetColorWhich_.Contains(TFountainColorMember::Style))
        Color.SetStyle(SetColorSource_->Style());
}
