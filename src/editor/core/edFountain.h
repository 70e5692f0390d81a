// The colouring framework. A fountain holds the colours, bracket pairs and
// reserved words of one colouring scheme and makes parsers; a parser cuts a
// row of Shift-JIS text into tokens, tells each token's kind and gives the
// colour to paint it with.
//
// Parsing resumes at any row: the parser's state at a row's start is a
// TRowAttributeData, kept packed in the row list's attribute words, so the
// editor re-parses only from the first row whose stored state changed.
#pragma once

#include "edClasses.h"
#include "edRaStrings.h"

#include "Graphics.h"

#include <bitset>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class TFountain;
class TFountainParser;

// ---- Token kinds -------------------------------------------------------------
// Kinds 0-25 are the framework's; the editor scheme adds 26-28 and the HTML
// scheme 50-56 (their headers name them).
constexpr int toEof = 0;    // end of the row: NUL, LF or CR
constexpr int toSymbol = 1; // one single-byte symbol
constexpr int toInteger = 3;
constexpr int toFloat = 4;
constexpr int toBracket = 6; // a bracket region ("/*" ... "*/")
constexpr int toComment = 7; // a comment to the end of the row
constexpr int toReserve = 8; // a reserved word
constexpr int toTab = 9;
constexpr int toAnk = 11;        // ASCII letters, digits and "_"
constexpr int toDBSymbol = 12;   // a double-byte symbol
constexpr int toDBInt = 14;      // full-width digits
constexpr int toDBAlph = 15;     // full-width Latin letters
constexpr int toDBHira = 16;     // hiragana
constexpr int toDBKana = 17;     // katakana
constexpr int toDBKanji = 18;    // kanji
constexpr int toKanaSymbol = 19; // half-width kana punctuation
constexpr int toKana = 20;       // half-width katakana
constexpr int toUrl = 21;
constexpr int toMail = 22;
constexpr int toHex = 23;             // hexadecimal number
constexpr int toSingleQuotation = 24; // 'string'
constexpr int toDoubleQuotation = 25; // "string"

// A set of token kinds.
using TTokenKinds = std::bitset<256>;

// The bracket collection holds at most this many pairs: a row stores the
// index of the open pair in four bits (-2..13).
constexpr int MaxBracketCount = 14;

// ---- Colours -----------------------------------------------------------------

// One colour of a scheme. clNone in BkColor or Color means the editor's own
// colour. Each writer notifies only when the value changes.
class TFountainColor : public TNotifyPersistent {
public:
    TColor BkColor() const { return BkColor_; }
    void SetBkColor(TColor Value);
    TColor Color() const { return Color_; }
    void SetColor(TColor Value);
    TFontStyles Style() const { return Style_; }
    void SetStyle(TFontStyles Value);

    // From another TFountainColor: copies the three values and notifies once.
    void Assign(const TPersistent* Source) override;

private:
    TColor BkColor_ = clNone;
    TColor Color_ = clNone;
    TFontStyles Style_;
};

// The members of a colour that TFountain::SetAllColors sets.
enum class TFountainColorMember { BkColor, Color, Style };
using TFountainColorMembers = TSet<TFountainColorMember>;

// Visits colours by their property names ("Reserve", "Select", ...; a
// bracket item's colour is "ItemColor").
using TFountainColorVisitor = std::function<void(std::string_view Name, TFountainColor& Color)>;

// An object holding colours: a fountain, a colour set, a bracket
// collection. EnumColors visits every colour it holds, in declaration order,
// and the colours of collection items in index order.
class TFountainColorHolder {
public:
    virtual void EnumColors(const TFountainColorVisitor& Visit) const = 0;

protected:
    ~TFountainColorHolder() = default;
};

// A collection item with an owned colour. When the collection is a
// TNotifyCollection, a change of the colour is a change of the collection.
class TFountainColorItem : public TCollectionItem {
public:
    explicit TFountainColorItem(TCollection* Collection);

    TFountainColor* ItemColor() const { return ItemColor_.get(); }
    void SetItemColor(const TFountainColor* Value) { ItemColor_->Assign(Value); }

    // From another TFountainColorItem: its colour, one notification.
    void Assign(const TPersistent* Source) override;

protected:
    // Runs Copy as one change of the collection.
    void AssignBatched(const std::function<void()>& Copy);

private:
    std::unique_ptr<TFountainColor> ItemColor_;
};

// A bracket pair: the region from LeftBracket up to and including
// RightBracket is one token. A pair without RightBracket opens no region.
class TFountainBracketItem : public TFountainColorItem {
public:
    using TFountainColorItem::TFountainColorItem;

    const std::string& LeftBracket() const { return LeftBracket_; }
    void SetLeftBracket(const std::string& Value);
    const std::string& RightBracket() const { return RightBracket_; }
    void SetRightBracket(const std::string& Value);

    // From another TFountainBracketItem: both strings, then the colour; one
    // notification.
    void Assign(const TPersistent* Source) override;

private:
    std::string LeftBracket_;
    std::string RightBracket_;
};

class TFountainBracketCollection : public TNotifyCollection, public TFountainColorHolder {
public:
    explicit TFountainBracketCollection(TPersistent* AOwner);

    TFountainBracketItem* Items(int Index) const { return ItemsAs<TFountainBracketItem>(Index); }
    // Raises an Exception "TFountainBracketCollection" CR LF "You can not
    // add item over 14" when the collection is full.
    TFountainBracketItem* Add();
    TFountainBracketItem* Insert(int Index);
    // From another bracket collection: clear, then a copy of each item, as
    // one change. A source of more than 14 items raises the same exception
    // and changes nothing.
    void Assign(const TPersistent* Source) override;

    void EnumColors(const TFountainColorVisitor& Visit) const override;

private:
    void CheckRoom(int NewCount) const;
};

// ---- Row state ---------------------------------------------------------------

// The parser's state at a row's start. The row list keeps it packed in the
// row's attribute words, where the numbers are 8 bits wide (BracketIndex
// -2..13): LoadRowState and StoreRowState move it between the two.
struct TRowAttributeData {
    TRowAttribute RowAttribute = TRowAttribute::raCrlf; // the row being parsed
    TRowAttribute PrevRowAttribute = TRowAttribute::raCrlf;
    int BracketIndex = -1; // the bracket pair open at the row's start; -1 none
    int SchemeState = 0;   // a state word of the colouring scheme
    int CarryLength = 0;   // bytes at the row's start that end a token of the row before
    int ExtraState = 0;    // a second state word of the scheme
    uint8_t CarryKind = 0; // the kind of the token that goes on from the row before
    uint8_t PrevToken = 0; // the kind of the last token before the row
    std::string StateText;

    bool operator==(const TRowAttributeData&) const = default;
};

// BracketIndex of a row whose state is not computed.
constexpr int BracketNotComputed = -2;

// The stored state of row Index, with the row's own RowAttribute.
TRowAttributeData LoadRowState(const TRowAttributeStringList& Strings, int Index);
// Stores Data's state fields into row Index: everything but RowAttribute
// (the row's own) and the row marks. Numbers keep their field's low bits.
void StoreRowState(TRowAttributeStringList& Strings, int Index, const TRowAttributeData& Data);
// True when row Index holds the state StoreRowState would store for Data.
bool SameRowState(const TRowAttributeStringList& Strings, int Index, const TRowAttributeData& Data);

// ---- Fountain ----------------------------------------------------------------

// A colouring scheme. Every colour change, bracket change or new reserved
// word list is announced through NotifyEventList with the fountain as
// Sender; every editor using the scheme registers its handler there.
//
// Make fountains with TFileExtComponent::Create<T>(Owner): the colours,
// brackets and word list are made once the object is whole.
class TFountain : public TFileExtComponent, public TFountainColorHolder {
public:
    explicit TFountain(TComponent* AOwner);
    ~TFountain() override;

    TFountainBracketCollection* Brackets() const { return Brackets_.get(); }
    void SetBrackets(const TFountainBracketCollection* Value) { Brackets_->Assign(Value); }
    // The colour of reserved words.
    TFountainColor* Reserve() const { return Reserve_.get(); }
    void SetReserve(const TFountainColor* Value) { Reserve_->Assign(Value); }
    // Sorted, ASCII letters of single-byte characters compared without case,
    // duplicates ignored. The fountain watches it through its OnChange.
    TStringList* ReserveWordList() const { return ReserveWordList_.get(); }
    // Takes the lines of Value and notifies.
    void SetReserveWordList(const TStrings* Value);
    // True when Word is in the list. Asked for every token painted, so the
    // words' first characters and lengths turn most tokens away first.
    bool IsReserveWord(std::string_view Word) const;

    TNotifyEventList* NotifyEventList() const { return NotifyEventList_.get(); }

    // A new parser of this scheme. The fountain must outlive it.
    virtual std::unique_ptr<TFountainParser> CreateParser() = 0;

    // True when some colour of the scheme is italic.
    bool HasItalic() const;
    // Sets the members Which of every colour of Instance to Source's values,
    // through the colours' writers, passing over the colours the scheme
    // keeps out of such changes (SetColorCallback).
    void SetAllColors(const TFountainColorHolder& Instance, const TFountainColor& Source, TFountainColorMembers Which);

    // The brackets' colours, then Reserve; schemes add theirs.
    void EnumColors(const TFountainColorVisitor& Visit) const override;

protected:
    void AfterConstruction() override;

    // A colour that notifies through NotifyEventList.
    virtual std::unique_ptr<TFountainColor> CreateFountainColor();
    // Makes Reserve; schemes make their further colours after it.
    virtual void CreateFountainColors();
    virtual std::unique_ptr<TFountainBracketCollection> CreateBrackets();
    virtual void InitBrackets() {}
    virtual void InitReserveWordList() {}
    // Applies the pending SetAllColors to one colour.
    virtual void SetColorCallback(std::string_view Name, TFountainColor& Color);

    // Hands a change of an owned object to the listeners.
    TNotifyEvent NotifyListeners();

private:
    std::unique_ptr<TNotifyEventList> NotifyEventList_;
    std::unique_ptr<TFountainBracketCollection> Brackets_;
    std::unique_ptr<TStringList> ReserveWordList_;
    std::unique_ptr<TFountainColor> Reserve_;
    // What the reserved words start with (ASCII letters upper-cased) and how
    // long they are; rebuilt after the list changed.
    struct TReserveFilter {
        bool Valid = false;
        std::bitset<256> FirstBytes;
        size_t MinLength = 0;
        size_t MaxLength = 0;
    };
    mutable TReserveFilter ReserveFilter_;
    // The source and members of the SetAllColors that is running.
    const TFountainColor* SetColorSource_ = nullptr;
    TFountainColorMembers SetColorWhich_;
};

// ---- Parser ------------------------------------------------------------------

// Cuts one row into tokens:
//
//   parser->NewData(text, state);
//   while (int kind = parser->NextToken())
//       paint(parser->TokenPosition(), parser->TokenLength(), parser->TokenToFountainColor());
//
// The first byte of a token picks the method that scans it (a table of 256
// methods); a token that goes on from the row before is continued by the
// method for its kind (the carry table). Scans stop at NUL, LF or CR and
// never pass the end of the text; a lead byte without a valid trail byte is
// a character of its own.
class TFountainParser : public TObject {
public:
    // Raises an Exception "TFountainParser.Create need instance of
    // TFountain" when Fountain is null.
    explicit TFountainParser(TFountain* Fountain);

    TFountain* Fountain() const { return Fountain_; }

    // Starts a row: Text (the parser keeps a copy) with the state at its start.
    void NewData(std::string_view Text, const TRowAttributeData& Data);
    // The kind of the next token; 0 at the end of the row.
    virtual int NextToken();

    int Token() const { return Token_; }
    // The byte offset of the token in the text, its length in bytes and its bytes.
    int TokenPosition() const { return static_cast<int>(TokenStart_ - Text_); }
    int TokenLength() const { return static_cast<int>(P_ - TokenStart_); }
    std::string_view TokenView() const { return {TokenStart_, static_cast<size_t>(P_ - TokenStart_)}; }
    std::string TokenString() const { return std::string(TokenView()); }
    // The colour of the token; null for the editor's default colours.
    virtual TFountainColor* TokenToFountainColor() = 0;
    // True when the token is found in the fountain's reserved-word list; a
    // token carried from the row before, the end of the row, a bracket
    // region and a comment never are.
    bool IsReserveWord() const;

    // Reads the scheme's rules now and keeps them for every later
    // NextRowState, which otherwise reads them afresh for each row: for a
    // caller computing many rows' states while the scheme cannot change.
    void KeepRules();

    // Turns Data, the state at the start of row Index of Strings, with
    // Data.RowAttribute the row's attribute, into the state at the next row's
    // start. A wrapped row is parsed together with the row after it, so a
    // token crossing the wrap is seen whole; its rest is carried.
    void NextRowState(int Index, const TRowAttributeStringList* Strings, TRowAttributeData& Data);

    // The state as the last token left it.
    int BracketIndex() const { return BracketIndex_; }
    int LastBracketIndex() const { return LastBracketIndex_; }
    int SchemeState() const { return SchemeState_; }
    uint8_t PrevToken() const { return PrevToken_; }

protected:
    // A parser without a scheme: no brackets, no reserved words.
    TFountainParser();

    using TProc = void (TFountainParser::*)();
    // Schemes replace entries of the two tables in their constructors.
    void SetMethod(unsigned char FirstByte, TProc Method) { MethodTable_[FirstByte] = Method; }
    void SetCarryMethod(int Kind, TProc Method) { CarryTable_[Kind] = Method; }
    void RunMethod(unsigned char FirstByte)
    {
        const TProc method = MethodTable_[FirstByte];
        (this->*method)();
    }

    // The kinds that go on into the next row without a length (strings,
    // comments), and those that run through a whole continued row.
    virtual void InitRowStateA(TTokenKinds& Kinds) const;
    virtual void InitRowStateB(TTokenKinds& Kinds) const;

    // A set of byte values.
    using TByteTable = std::bitset<256>;
    // True when the scheme's tokens leave SchemeState and PrevToken as they
    // are, so that the state a row hands on depends only on where bracket
    // regions open and close and on the token crossing a wrap. Such rows
    // are passed over quickly (edFountainSkip.cpp). A scheme says so
    // itself: a wrong yes colours rows wrongly, a missing one costs speed.
    virtual bool StateIsBracketsOnly() const { return false; }
    // Marks the first bytes of the scheme's own tokens that may hold a
    // blank or a TAB (strings, comments, prefixes holding a blank): every
    // other token of the scheme ends before the first blank or TAB.
    virtual void AddBlankHoldingStarts(TByteTable& Starts) const;

    // No bracket open and a bracket starts here: BracketProc; else the
    // first-byte table.
    virtual void DispatchProc();
    // The colour of the bracket pair the last region token belongs to.
    TFountainColor* BracketColor() const;
    // Makes Kind toReserve when the token is a reserved word.
    void ReserveWordProc(int& Kind) const;

    void SkipBlanks();
    bool IsBracketStart();
    bool IsMailAddress();
    bool IsUrl();
    void CarryProc();

    void BracketProc();
    void MailProc();
    void UrlProc();
    void ReserveProc();
    void NullProc();
    void TabProc();
    void LFProc();
    void CRProc();
    void CommentProc();
    void HexProc();
    void IntegerProc();
    void AnkProc();
    void DBSymbolProc();
    void DBAnkProc();
    void DBKanjiProc();
    void KanaSymbolProc();
    void KanaProc();
    void SymbolProc();
    virtual void SingleQuotationProc();
    virtual void DoubleQuotationProc();

    // Helpers for the scanning methods.
    unsigned char Byte() const { return static_cast<unsigned char>(*P_); }
    static bool IsEndByte(unsigned char C) { return C == 0 || C == '\n' || C == '\r'; }
    bool AtEnd() const { return IsEndByte(Byte()); }
    // The length of the character at the pointer (1 or 2; 1 at the end).
    size_t CharLen() const;
    void StepChar() { P_ += CharLen(); }
    // Steps over S when the characters at the pointer spell it (ASCII
    // letters of single-byte characters compared without case when
    // FoldCase); false and no step otherwise.
    bool StepOver(std::string_view S, bool FoldCase = false);
    // Steps over a run of bytes for which Pred holds.
    template <class Pred>
    void StepWhile(Pred In)
    {
        while (In(Byte()))
            ++P_;
    }
    // A quoted string closed by Quote (a whole character), up to the end of
    // the row at most; a doubled Quote is part of the string when Doubling.
    // StepOpening steps over the opening quote first.
    void QuotedProc(int Kind, std::string_view Quote, bool Doubling, bool StepOpening);

    // The parser's state, loaded by NewData. The row state's ExtraState and
    // StateText pass through NextRowState unchanged; no scheme here reads them.
    const char* Text_ = nullptr; // the copy of the row text, NUL-terminated
    const char* End_ = nullptr;  // its end, where the NUL stands
    const char* P_ = nullptr;    // the running pointer
    const char* TokenStart_ = nullptr;
    int Token_ = toEof;
    bool Carried_ = false; // the token began on an earlier row
    int BracketIndex_ = -1;
    int LastBracketIndex_ = -2;
    int SchemeState_ = 0;
    int CarryLength_ = 0;
    uint8_t CarryKind_ = 0;
    uint8_t PrevToken_ = 0;

private:
    // What parsing a row (and the rows seen with it) left.
    struct TRowScan {
        const char* RowEnd = nullptr;
        bool Crossed = false;     // the last token crosses the row's end
        bool OpensRegion = false; // it is a region that opens with it
        int LastKind = toEof;
        int BracketBefore = -1; // the pair of the last region token
        int SchemeAfter = 0;    // the scheme state after the last token
    };
    // Parses Row with Following after it from Data, updating Data by every
    // token that ends on the row, up to the token that crosses its end.
    TRowScan ScanRow(std::string_view Row, std::string_view Following, TRowAttributeData& Data);

    void InitMethodTables();
    void LoadText(std::string_view Row, std::string_view NextRow);
    // Reads the scheme's bracket pairs.
    void LoadRules();
    void LoadState(const TRowAttributeData& Data);

    // Quick passage over what cannot change the state (edFountainSkip.cpp).
    // True when the unwrapped Row, entered in state Data, hands Data on as
    // it is but for the carried token, which ends on the row: no bracket
    // region opens or closes on it.
    bool RowKeepsState(std::string_view Row, const TRowAttributeData& Data) const;
    // Between tokens, outside any region: moves the pointer over whole
    // tokens up to the last blank or TAB before the next byte that may start
    // a bracket, string or comment (or before RowEnd), where a token
    // boundary is certain. The tokens passed over change nothing.
    void SkipPlainTokens(const char* RowEnd);
    bool CanSkipPlainTokens() const { return SkipPlainTokens_ && CarryKind_ == 0 && BracketIndex_ < 0; }

    TFountain* Fountain_ = nullptr;
    TProc MethodTable_[256];
    TProc CarryTable_[256];
    std::string Buffer_;

    // The scheme's bracket pairs, read once per row.
    struct TBracketPair {
        std::string_view Left, Right;
    };
    TBracketPair Brackets_[MaxBracketCount];
    int BracketCount_ = 0;
    // The first bytes of the pairs that open a region.
    TByteTable BracketFirstBytes_;
    // Those, the first bytes of the scheme's tokens that may hold blanks,
    // and the end bytes: no other byte starts a token that can open a
    // region or hold a blank. Made with the rules; read by SkipPlainTokens.
    TByteTable SpecialStarts_;
    // StateIsBracketsOnly and InitRowStateB, read with the rules.
    bool SkipPlainTokens_ = false;
    TTokenKinds RunThroughKinds_;
    bool RulesKept_ = false;
    // Where the last SkipPlainTokens stopped looking: no separator lies
    // between the pointer and it.
    const char* SkipTarget_ = nullptr;

    // What IsMailAddress learnt of the run of mail characters it is in, so
    // that a long run ("1,2,3,...") is scanned once, not once per token.
    const char* MailRunEnd_ = nullptr; // end of the run; null when none known
    const char* MailAt_ = nullptr;     // the first "@" after the last query start, or the run end
    const char* MailDot_ = nullptr;    // the first "." after MailAt_, or the run end
};
