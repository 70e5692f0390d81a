#include "EditorFountain.h"

#include "Sjis.h"

#include <algorithm>

// ---- TEditorColors -------------------------------------------------------------

TEditorColors::TEditorColors(TEditorFountain* Owner) : Owner_(Owner)
{
    Ank_ = CreateColor();
    Comment_ = CreateColor();
    DBCS_ = CreateColor();
    Hit_ = CreateColor();
    Int_ = CreateColor();
    Mail_ = CreateColor();
    Select_ = CreateColor();
    Str_ = CreateColor();
    Symbol_ = CreateColor();
    Url_ = CreateColor();
    Select_->SetBkColor(clNavy);
    Select_->SetColor(clWhite);
}

std::unique_ptr<TEditorColor> TEditorColors::CreateColor()
{
    auto color = std::make_unique<TEditorColor>();
    color->OnChange = [this](TObject* Sender) { ChangedProc(Sender); };
    return color;
}

TFountainColor* TEditorColors::Reserve() const { return Owner_->Reserve(); }

void TEditorColors::SetReserve(const TFountainColor* Value) { Owner_->SetReserve(Value); }

void TEditorColors::Assign(const TPersistent* Source)
{
    auto source = dynamic_cast<const TEditorColors*>(Source);
    if (!source) {
        TNotifyPersistent::Assign(Source);
        return;
    }
    // Reserve reports to the fountain's listeners directly; holding them
    // too makes the whole copy one notification.
    TNotifyEventList& listeners = *Owner_->NotifyEventList();
    listeners.BeginUpdate();
    BeginUpdate();
    SetAnk(source->Ank());
    SetComment(source->Comment());
    SetDBCS(source->DBCS());
    SetHit(source->Hit());
    SetInt(source->Int());
    SetMail(source->Mail());
    SetStr(source->Str());
    SetSymbol(source->Symbol());
    SetReserve(source->Reserve());
    SetUrl(source->Url());
    SetSelect(source->Select());
    EndUpdate();
    listeners.EndUpdate();
}

void TEditorColors::EnumColors(const TFountainColorVisitor& Visit) const
{
    Visit("Ank", *Ank_);
    Visit("Comment", *Comment_);
    Visit("DBCS", *DBCS_);
    Visit("Hit", *Hit_);
    Visit("Int", *Int_);
    Visit("Mail", *Mail_);
    Visit("Reserve", *Reserve());
    Visit("Select", *Select_);
    Visit("Str", *Str_);
    Visit("Symbol", *Symbol_);
    Visit("Url", *Url_);
}

// ---- TEditorBracketCollection --------------------------------------------------

void TEditorBracketCollection::SetAll(const std::function<void(TFountainColor&)>& Set)
{
    BeginUpdate();
    for (int i = 0; i < Count(); ++i)
        Set(*Items(i)->ItemColor());
    EndUpdate();
}

void TEditorBracketCollection::SetAllBkColor(TColor Value)
{
    SetAll([Value](TFountainColor& Color) { Color.SetBkColor(Value); });
}

void TEditorBracketCollection::SetAllColor(TColor Value)
{
    SetAll([Value](TFountainColor& Color) { Color.SetColor(Value); });
}

void TEditorBracketCollection::SetAllStyle(TFontStyles Value)
{
    SetAll([Value](TFountainColor& Color) { Color.SetStyle(Value); });
}

// ---- TEditorFountain -----------------------------------------------------------

void TEditorFountain::AfterConstruction()
{
    TFountain::AfterConstruction();
    Colors_ = CreateEditorColors();
}

std::unique_ptr<TFountainBracketCollection> TEditorFountain::CreateBrackets()
{
    auto brackets = std::make_unique<TEditorBracketCollection>(this);
    brackets->OnChange = NotifyListeners();
    return brackets;
}

std::unique_ptr<TEditorColors> TEditorFountain::CreateEditorColors()
{
    auto colors = std::make_unique<TEditorColors>(this);
    colors->OnChange = NotifyListeners();
    return colors;
}

std::unique_ptr<TFountainParser> TEditorFountain::CreateParser() { return std::make_unique<TEditorParser>(this); }

void TEditorFountain::EnumColors(const TFountainColorVisitor& Visit) const
{
    TFountain::Brackets()->EnumColors(Visit);
    Colors_->EnumColors(Visit);
}

template <class T>
void TEditorFountain::Store(T& Field, const T& Value)
{
    if (Field == Value)
        return;
    Field = Value;
    NotifyEventList()->ChangedProc(this);
}

void TEditorFountain::SetCommenter(const std::string& Value) { Store(Commenter_, Value); }
void TEditorFountain::SetControlCode(bool Value) { Store(ControlCode_, Value); }
void TEditorFountain::SetHexPrefix(const std::string& Value) { Store(HexPrefix_, Value); }
void TEditorFountain::SetMail(bool Value) { Store(Mail_, Value); }
void TEditorFountain::SetQuotation(const std::string& Value) { Store(Quotation_, Value); }
void TEditorFountain::SetUrl(bool Value) { Store(Url_, Value); }

void TEditorFountain::SetAllMember(TFountainColorMember Member, const TFountainColor& Source)
{
    NotifyEventList()->BeginUpdate();
    SetAllColors(*Colors_, Source, {Member});
    NotifyEventList()->EndUpdate();
}

void TEditorFountain::SetAllBkColor(TColor Value)
{
    TFountainColor source;
    source.SetBkColor(Value);
    SetAllMember(TFountainColorMember::BkColor, source);
}

void TEditorFountain::SetAllColor(TColor Value)
{
    TFountainColor source;
    source.SetColor(Value);
    SetAllMember(TFountainColorMember::Color, source);
}

void TEditorFountain::SetAllStyle(TFontStyles Value)
{
    TFountainColor source;
    source.SetStyle(Value);
    SetAllMember(TFountainColorMember::Style, source);
}

void TEditorFountain::SetColorCallback(std::string_view Name, TFountainColor& Color)
{
    if (sjis::SameText(Name, "Select") || sjis::SameText(Name, "Hit"))
        return;
    TFountain::SetColorCallback(Name, Color);
}

// ---- TEditorParser -------------------------------------------------------------

TEditorParser::TEditorParser(TEditorFountain* Fountain) : TFountainParser(Fountain), Fountain_(Fountain)
{
    SetCarryMethod(toQuotation, static_cast<TProc>(&TEditorParser::QuotationProc));
    SetCarryMethod(toCharCode, static_cast<TProc>(&TEditorParser::CharCodeProc));
    SetCarryMethod(toHexCharCode, static_cast<TProc>(&TEditorParser::HexCharCodeProc));
}

void TEditorParser::InitRowStateA(TTokenKinds& Kinds) const
{
    TFountainParser::InitRowStateA(Kinds);
    Kinds.set(toQuotation);
}

void TEditorParser::AddBlankHoldingStarts(TByteTable& Starts) const
{
    auto mark = [&Starts](const std::string& Start) {
        if (!Start.empty())
            Starts.set(static_cast<unsigned char>(Start[0]));
    };
    mark(Fountain_->Commenter());
    mark(Fountain_->Quotation());
    // The prefix is compared without case. One that starts with a blank
    // never matches: blanks before a token are passed over.
    const std::string& hexPrefix = Fountain_->HexPrefix();
    const auto blank = [](char C) { return static_cast<unsigned char>(C) <= 0x20; };
    if (!hexPrefix.empty() && !blank(hexPrefix[0]) && std::any_of(hexPrefix.begin(), hexPrefix.end(), blank)) {
        const auto first = static_cast<unsigned char>(hexPrefix[0]);
        Starts.set(first);
        if ((first | 0x20) >= 'a' && (first | 0x20) <= 'z')
            Starts.set(first ^ 0x20);
    }
}

void TEditorParser::DispatchProc()
{
    if (BracketIndex_ < 0 && IsBracketStart())
        BracketProc();
    else if (Fountain_->Mail() && IsMailAddress())
        MailProc();
    else if (Fountain_->Url() && IsUrl())
        UrlProc();
    else if (IsCommenter())
        CommentProc();
    else if (IsQuotation())
        QuotationProc();
    else if (IsHexCharCode())
        HexCharCodeProc();
    else if (IsCharCode())
        CharCodeProc();
    else if (IsHexPrefix())
        HexProc();
    else
        RunMethod(Byte());
}

bool TEditorParser::IsCommenter() { return StepOver(Fountain_->Commenter()); }

namespace {

// The first character of a Quotation setting: one or two bytes.
std::string_view QuoteCharacter(const std::string& Quotation)
{
    return Quotation.empty() ? std::string_view() : std::string_view(Quotation).substr(0, sjis::CharLen(Quotation, 0));
}

} // namespace

bool TEditorParser::IsQuotation() { return StepOver(QuoteCharacter(Fountain_->Quotation())); }

bool TEditorParser::IsHexCharCode() { return Fountain_->ControlCode() && StepOver("#$"); }

bool TEditorParser::IsCharCode() { return Fountain_->ControlCode() && StepOver("#"); }

bool TEditorParser::IsHexPrefix() { return StepOver(Fountain_->HexPrefix(), true); }

void TEditorParser::QuotationProc()
{
    const std::string_view quote = QuoteCharacter(Fountain_->Quotation());
    if (quote.empty()) {
        Token_ = toEof;
        return;
    }
    // IsQuotation stepped over the opening quote; a carried string has none.
    QuotedProc(toQuotation, quote, true, false);
}

void TEditorParser::CharCodeProc()
{
    Token_ = toCharCode;
    StepWhile([](unsigned char C) { return C >= '0' && C <= '9'; });
}

void TEditorParser::HexCharCodeProc()
{
    HexProc();
    Token_ = toHexCharCode;
}

TFountainColor* TEditorParser::TokenToFountainColor()
{
    if (IsReserveWord())
        return Fountain_->Reserve();
    const TEditorColors& colors = *Fountain_->Colors();
    switch (Token_) {
    case toSymbol: return colors.Symbol();
    case toInteger:
    case toFloat:
    case toHex: return colors.Int();
    case toBracket: return BracketColor();
    case toComment: return colors.Comment();
    case toReserve: return Fountain_->Reserve();
    case toAnk: return colors.Ank();
    case toDBSymbol:
    case toDBInt:
    case toDBAlph:
    case toDBHira:
    case toDBKana:
    case toDBKanji:
    case toKanaSymbol:
    case toKana: return colors.DBCS();
    case toUrl: return colors.Url();
    case toMail: return colors.Mail();
    case toQuotation:
    case toCharCode:
    case toHexCharCode: return colors.Str();
    default: return nullptr;
    }
}
