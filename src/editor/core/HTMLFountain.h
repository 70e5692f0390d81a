// The HTML colouring scheme: tags, element names, attributes and their
// values, character entities, comments, URLs and mail addresses. Whether the
// parser is inside a tag, and the kind of the last token, travel with the
// row state, so a tag spanning rows keeps its colours.
#pragma once

#include "edFountain.h"

// The HTML scheme's own token kinds.
constexpr int toTagStart = 50;              // "<"
constexpr int toTagEnd = 51;                // ">"
constexpr int toTagElement = 52;            // an element name (also after "</")
constexpr int toTagAttribute = 53;          // an attribute name
constexpr int toTagAttributeDelimiter = 54; // "=" after an attribute
constexpr int toTagAttributeValue = 55;     // an unquoted attribute value
constexpr int toAmpersand = 56;             // a character entity, "&" to ";"

class THTMLFountain : public TFountain {
public:
    using TFountain::TFountain;

    TFountainColor* Ampersand() const { return Ampersand_.get(); }
    TFountainColor* Mail() const { return Mail_.get(); }
    TFountainColor* Str() const { return Str_.get(); }
    TFountainColor* TagAttribute() const { return TagAttribute_.get(); }
    TFountainColor* TagAttributeValue() const { return TagAttributeValue_.get(); }
    TFountainColor* TagColor() const { return TagColor_.get(); }
    TFountainColor* TagElement() const { return TagElement_.get(); }
    TFountainColor* Url() const { return Url_.get(); }
    // The writers assign into the colours held here.
    void SetAmpersand(const TFountainColor* Value) { Ampersand_->Assign(Value); }
    void SetMail(const TFountainColor* Value) { Mail_->Assign(Value); }
    void SetStr(const TFountainColor* Value) { Str_->Assign(Value); }
    void SetTagAttribute(const TFountainColor* Value) { TagAttribute_->Assign(Value); }
    void SetTagAttributeValue(const TFountainColor* Value) { TagAttributeValue_->Assign(Value); }
    void SetTagColor(const TFountainColor* Value) { TagColor_->Assign(Value); }
    void SetTagElement(const TFountainColor* Value) { TagElement_->Assign(Value); }
    void SetUrl(const TFountainColor* Value) { Url_->Assign(Value); }

    std::unique_ptr<TFountainParser> CreateParser() override;
    void EnumColors(const TFountainColorVisitor& Visit) const override;

protected:
    void CreateFountainColors() override;
    // The comment "<!--" ... "-->".
    void InitBrackets() override;
    // ".htm" and ".html".
    void InitFileExtList() override;

private:
    std::unique_ptr<TFountainColor> Ampersand_, Mail_, Str_, TagAttribute_, TagAttributeValue_, TagColor_, TagElement_,
        Url_;
};

// SchemeState is 1 inside a tag, 0 outside; PrevToken is the kind of the
// last token. In a start tag the first word is the element, every later
// word an attribute, "=" after an attribute joins it to a value, and a value
// is whatever follows "=".
class THTMLFountainParser : public TFountainParser {
public:
    explicit THTMLFountainParser(THTMLFountain* Fountain);

    int NextToken() override;
    TFountainColor* TokenToFountainColor() override;

protected:
    void DispatchProc() override;
    // Outside a tag a quote is a symbol; inside, a value quoted up to the
    // first closing quote (no doubling).
    void SingleQuotationProc() override;
    void DoubleQuotationProc() override;

private:
    bool InsideTag() const { return SchemeState_ == 1; }
    void AmpersandProc();
    void SlashProc();
    void AttributeCarryProc();
    void EqualProc();
    void AttributeValueProc();
    void ElementCarryProc();
    void TagCloseProc();
    void TagOpenProc();
    void TagKindFixup();

    THTMLFountain* Fountain_;
};
