// The editor's own colouring scheme: eleven colours, a line-comment prefix,
// a quotation character, a hexadecimal prefix, character-code literals and
// optional URL and mail recognition. Every editor owns one through its view
// options; the main window sets it up per edit mode.
#pragma once

#include "edFountain.h"

// The editor scheme's own token kinds.
constexpr int toQuotation = 26;   // a string in the Quotation character
constexpr int toCharCode = 27;    // "#" and decimal digits
constexpr int toHexCharCode = 28; // "#$" and hexadecimal digits

class TEditorFountain;

class TEditorColor : public TFountainColor {};

// The colours of the editor scheme. Select (the selection) starts navy on
// white; the others start at clNone. Reserve is the fountain's own Reserve.
class TEditorColors : public TNotifyPersistent, public TFountainColorHolder {
public:
    explicit TEditorColors(TEditorFountain* Owner);

    TEditorColor* Ank() const { return Ank_.get(); }
    TEditorColor* Comment() const { return Comment_.get(); }
    TEditorColor* DBCS() const { return DBCS_.get(); }
    TEditorColor* Hit() const { return Hit_.get(); }
    TEditorColor* Int() const { return Int_.get(); }
    TEditorColor* Mail() const { return Mail_.get(); }
    TFountainColor* Reserve() const;
    TEditorColor* Select() const { return Select_.get(); }
    TEditorColor* Str() const { return Str_.get(); }
    TEditorColor* Symbol() const { return Symbol_.get(); }
    TEditorColor* Url() const { return Url_.get(); }
    // The writers assign into the colours held here.
    void SetAnk(const TFountainColor* Value) { Ank_->Assign(Value); }
    void SetComment(const TFountainColor* Value) { Comment_->Assign(Value); }
    void SetDBCS(const TFountainColor* Value) { DBCS_->Assign(Value); }
    void SetHit(const TFountainColor* Value) { Hit_->Assign(Value); }
    void SetInt(const TFountainColor* Value) { Int_->Assign(Value); }
    void SetMail(const TFountainColor* Value) { Mail_->Assign(Value); }
    void SetReserve(const TFountainColor* Value);
    void SetSelect(const TFountainColor* Value) { Select_->Assign(Value); }
    void SetStr(const TFountainColor* Value) { Str_->Assign(Value); }
    void SetSymbol(const TFountainColor* Value) { Symbol_->Assign(Value); }
    void SetUrl(const TFountainColor* Value) { Url_->Assign(Value); }

    // From another TEditorColors: all eleven colours as one change.
    void Assign(const TPersistent* Source) override;

    void EnumColors(const TFountainColorVisitor& Visit) const override;

private:
    std::unique_ptr<TEditorColor> CreateColor();

    TEditorFountain* Owner_;
    std::unique_ptr<TEditorColor> Ank_, Comment_, DBCS_, Hit_, Int_, Mail_, Select_, Str_, Symbol_, Url_;
};

// Bracket pairs whose colours can be set all at once.
class TEditorBracketCollection : public TFountainBracketCollection {
public:
    using TFountainBracketCollection::TFountainBracketCollection;

    // Each sets one member of every pair's colour, as one change.
    void SetAllBkColor(TColor Value);
    void SetAllColor(TColor Value);
    void SetAllStyle(TFontStyles Value);

private:
    void SetAll(const std::function<void(TFountainColor&)>& Set);
};

class TEditorFountain : public TFountain {
public:
    using TFountain::TFountain;

    TEditorColors* Colors() const { return Colors_.get(); }
    void SetColors(const TEditorColors* Value) { Colors_->Assign(Value); }
    TEditorBracketCollection* Brackets() const { return static_cast<TEditorBracketCollection*>(TFountain::Brackets()); }

    // The prefix that starts a comment running to the end of the row.
    const std::string& Commenter() const { return Commenter_; }
    void SetCommenter(const std::string& Value);
    // Recognise "#" + digits and "#$" + hexadecimal digits.
    bool ControlCode() const { return ControlCode_; }
    void SetControlCode(bool Value);
    // The prefix of hexadecimal numbers, compared without case.
    const std::string& HexPrefix() const { return HexPrefix_; }
    void SetHexPrefix(const std::string& Value);
    bool Mail() const { return Mail_; }
    void SetMail(bool Value);
    // Its first character opens and closes strings.
    const std::string& Quotation() const { return Quotation_; }
    void SetQuotation(const std::string& Value);
    bool Url() const { return Url_; }
    void SetUrl(bool Value);

    // Each sets one member of every colour but Select and Hit, as one change.
    void SetAllBkColor(TColor Value);
    void SetAllColor(TColor Value);
    void SetAllStyle(TFontStyles Value);

    std::unique_ptr<TFountainParser> CreateParser() override;
    // The brackets' colours, then the colour set's.
    void EnumColors(const TFountainColorVisitor& Visit) const override;

protected:
    void AfterConstruction() override;
    std::unique_ptr<TFountainBracketCollection> CreateBrackets() override;
    virtual std::unique_ptr<TEditorColors> CreateEditorColors();
    // Passes over Select and Hit.
    void SetColorCallback(std::string_view Name, TFountainColor& Color) override;

private:
    void SetAllMember(TFountainColorMember Member, const TFountainColor& Source);
    template <class T>
    void Store(T& Field, const T& Value);

    std::unique_ptr<TEditorColors> Colors_;
    std::string Commenter_;
    bool ControlCode_ = false;
    std::string HexPrefix_;
    bool Mail_ = false;
    std::string Quotation_;
    bool Url_ = false;
};

class TEditorParser : public TFountainParser {
public:
    explicit TEditorParser(TEditorFountain* Fountain);

    // Reserved words take Reserve; otherwise the colour of the token's kind,
    // or none.
    TFountainColor* TokenToFountainColor() override;

protected:
    void InitRowStateA(TTokenKinds& Kinds) const override;
    // Its tokens keep no state of their own beyond the bracket regions.
    bool StateIsBracketsOnly() const override { return true; }
    // Strings, comments, and hexadecimal numbers when the prefix holds a blank.
    void AddBlankHoldingStarts(TByteTable& Starts) const override;
    void DispatchProc() override;

private:
    bool IsCommenter();
    bool IsQuotation();
    bool IsHexCharCode();
    bool IsCharCode();
    bool IsHexPrefix();
    void QuotationProc();
    void CharCodeProc();
    void HexCharCodeProc();

    TEditorFountain* Fountain_;
};
