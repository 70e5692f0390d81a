#include "HTMLFountain.h"

// ---- THTMLFountain -------------------------------------------------------------

void THTMLFountain::CreateFountainColors()
{
    TFountain::CreateFountainColors();
    Ampersand_ = CreateFountainColor();
    Mail_ = CreateFountainColor();
    Str_ = CreateFountainColor();
    TagAttribute_ = CreateFountainColor();
    TagAttributeValue_ = CreateFountainColor();
    TagColor_ = CreateFountainColor();
    TagElement_ = CreateFountainColor();
    Url_ = CreateFountainColor();
}

void THTMLFountain::InitBrackets()
{
    TFountainBracketItem* comment = Brackets()->Add();
    comment->SetLeftBracket("<!--");
    comment->SetRightBracket("-->");
}

void THTMLFountain::InitFileExtList()
{
    FileExtList()->Add(".htm");
    FileExtList()->Add(".html");
}

std::unique_ptr<TFountainParser> THTMLFountain::CreateParser() { return std::make_unique<THTMLFountainParser>(this); }

void THTMLFountain::EnumColors(const TFountainColorVisitor& Visit) const
{
    TFountain::EnumColors(Visit);
    Visit("Ampersand", *Ampersand_);
    Visit("Mail", *Mail_);
    Visit("Str", *Str_);
    Visit("TagAttribute", *TagAttribute_);
    Visit("TagAttributeValue", *TagAttributeValue_);
    Visit("TagColor", *TagColor_);
    Visit("TagElement", *TagElement_);
    Visit("Url", *Url_);
}

// ---- THTMLFountainParser -------------------------------------------------------

namespace {

bool IsAlnum(unsigned char C) { return (C >= '0' && C <= '9') || (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z'); }

} // namespace

THTMLFountainParser::THTMLFountainParser(THTMLFountain* Fountain) : TFountainParser(Fountain), Fountain_(Fountain)
{
    SetMethod('"', static_cast<TProc>(&THTMLFountainParser::DoubleQuotationProc));
    SetMethod('&', static_cast<TProc>(&THTMLFountainParser::AmpersandProc));
    SetMethod('\'', static_cast<TProc>(&THTMLFountainParser::SingleQuotationProc));
    SetMethod('/', static_cast<TProc>(&THTMLFountainParser::SlashProc));
    SetMethod('<', static_cast<TProc>(&THTMLFountainParser::TagOpenProc));
    SetMethod('=', static_cast<TProc>(&THTMLFountainParser::EqualProc));
    SetMethod('>', static_cast<TProc>(&THTMLFountainParser::TagCloseProc));
    SetCarryMethod(toTagElement, static_cast<TProc>(&THTMLFountainParser::ElementCarryProc));
    SetCarryMethod(toTagAttribute, static_cast<TProc>(&THTMLFountainParser::AttributeCarryProc));
    SetCarryMethod(toTagAttributeValue, static_cast<TProc>(&THTMLFountainParser::AttributeValueProc));
    SetCarryMethod(toAmpersand, static_cast<TProc>(&THTMLFountainParser::AmpersandProc));
}

int THTMLFountainParser::NextToken()
{
    TFountainParser::NextToken();
    if (Carried_ && Token_ == toReserve) {
        // The rest of a reserved word from the row before keeps the reserved
        // colour, and stands in the tag as the word it is.
        Token_ = toAnk;
        TagKindFixup();
        PrevToken_ = static_cast<uint8_t>(Token_);
        Token_ = toReserve;
        return Token_;
    }
    TagKindFixup();
    if (Token_ != toEof)
        PrevToken_ = static_cast<uint8_t>(Token_);
    return Token_;
}

void THTMLFountainParser::TagKindFixup()
{
    if (!InsideTag() || Token_ == toEof)
        return;
    switch (PrevToken_) {
    case toTagAttribute:
        if (Token_ != toTagAttributeDelimiter)
            Token_ = toTagAttribute;
        break;
    case toTagAttributeValue:
    case toTagElement:
    case toSingleQuotation:
    case toDoubleQuotation: Token_ = toTagAttribute; break;
    case toTagStart:
        if (Token_ == toAnk)
            Token_ = toTagElement;
        break;
    default: break;
    }
}

void THTMLFountainParser::DispatchProc()
{
    if (BracketIndex_ < 0 && IsBracketStart())
        BracketProc();
    else if (IsUrl())
        UrlProc();
    else if (IsMailAddress())
        MailProc();
    else if (InsideTag() && PrevToken_ == toTagAttributeDelimiter)
        AttributeValueProc();
    else
        RunMethod(Byte());
}

void THTMLFountainParser::TagOpenProc()
{
    Token_ = toTagStart;
    ++P_;
    SchemeState_ = 1;
}

void THTMLFountainParser::TagCloseProc()
{
    Token_ = toTagEnd;
    ++P_;
    SchemeState_ = 0;
}

void THTMLFountainParser::SlashProc()
{
    if (!(InsideTag() && PrevToken_ == toTagStart)) {
        SymbolProc();
        return;
    }
    Token_ = toTagElement;
    ++P_;
    StepWhile(IsAlnum);
}

void THTMLFountainParser::EqualProc()
{
    if (!(InsideTag() && PrevToken_ == toTagAttribute)) {
        SymbolProc();
        return;
    }
    Token_ = toTagAttributeDelimiter;
    ++P_;
}

void THTMLFountainParser::AttributeValueProc()
{
    // A value carried from the row before goes on, quotes and all.
    if (!Carried_ && Byte() == '"') {
        DoubleQuotationProc();
        return;
    }
    if (!Carried_ && Byte() == '\'') {
        SingleQuotationProc();
        return;
    }
    const char* start = P_;
    while (!AtEnd() && Byte() != '\t' && Byte() != ' ' && Byte() != '>')
        StepChar();
    if (P_ == start) {
        // No value ("<a href=>"): what stands there is scanned as usual.
        RunMethod(Byte());
        return;
    }
    Token_ = toTagAttributeValue;
}

void THTMLFountainParser::AmpersandProc()
{
    Token_ = toAmpersand;
    if (!Carried_)
        ++P_;
    while (Byte() == '#' || IsAlnum(Byte())) {
        ++P_;
        if (Byte() == ';') {
            ++P_;
            return;
        }
    }
}

void THTMLFountainParser::ElementCarryProc()
{
    AnkProc();
    Token_ = toTagElement;
}

void THTMLFountainParser::AttributeCarryProc()
{
    AnkProc();
    Token_ = toTagAttribute;
}

void THTMLFountainParser::SingleQuotationProc()
{
    if (InsideTag())
        QuotedProc(toSingleQuotation, "'", false, !Carried_);
    else
        SymbolProc();
}

void THTMLFountainParser::DoubleQuotationProc()
{
    if (InsideTag())
        QuotedProc(toDoubleQuotation, "\"", false, !Carried_);
    else
        SymbolProc();
}

TFountainColor* THTMLFountainParser::TokenToFountainColor()
{
    if (IsReserveWord())
        return Fountain_->Reserve();
    switch (Token_) {
    case toBracket: return BracketColor();
    case toReserve: return Fountain_->Reserve();
    case toUrl: return Fountain_->Url();
    case toMail: return Fountain_->Mail();
    case toSingleQuotation:
    case toDoubleQuotation: return Fountain_->Str();
    case toTagStart:
    case toTagEnd:
    case toTagAttributeDelimiter: return Fountain_->TagColor();
    case toTagElement: return Fountain_->TagElement();
    case toTagAttribute: return Fountain_->TagAttribute();
    case toTagAttributeValue: return Fountain_->TagAttributeValue();
    case toAmpersand: return Fountain_->Ampersand();
    default: return nullptr;
    }
}
