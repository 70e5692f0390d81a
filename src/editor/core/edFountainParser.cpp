#include "edFountain.h"

#include "Sjis.h"
#include "SysUtils.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

bool IsDigit(unsigned char C) { return C >= '0' && C <= '9'; }
bool IsLetter(unsigned char C) { return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z'); }
bool IsAnk(unsigned char C) { return IsDigit(C) || IsLetter(C) || C == '_'; }
bool IsHexDigit(unsigned char C) { return IsDigit(C) || (C >= 'A' && C <= 'F') || (C >= 'a' && C <= 'f'); }
bool IsExponent(unsigned char C) { return C == 'E' || C == 'e'; }
char UpperAscii(char C) { return C >= 'a' && C <= 'z' ? static_cast<char>(C - 'a' + 'A') : C; }
// The bytes NextToken passes over between tokens.
bool IsBlank(unsigned char C) { return C >= 0x01 && C <= 0x20 && C != '\t'; }

using TByteSet = std::array<bool, 256>;

constexpr TByteSet ByteSet(std::initializer_list<std::pair<unsigned char, unsigned char>> Ranges)
{
    TByteSet set{};
    for (auto [first, last] : Ranges)
        for (int c = first; c <= last; ++c)
            set[c] = true;
    return set;
}

// "!", "$", "%", "&", "*", "," to "9", ";", "=", "?" to "Z" (with "@"),
// "^", "_", "a" to "z", "~".
constexpr TByteSet MailChars = ByteSet({{'!', '!'},
                                        {'$', '&'},
                                        {'*', '*'},
                                        {',', '9'},
                                        {';', ';'},
                                        {'=', '='},
                                        {'?', 'Z'},
                                        {'^', '_'},
                                        {'a', 'z'},
                                        {'~', '~'}});
// "#", "%", "&", "+" to ";", "=", "?", "A" to "Z", "_", "a" to "z", "~".
constexpr TByteSet UrlChars = ByteSet(
    {{'#', '#'}, {'%', '&'}, {'+', ';'}, {'=', '='}, {'?', '?'}, {'A', 'Z'}, {'_', '_'}, {'a', 'z'}, {'~', '~'}});

// Double-byte character codes, lead * 256 + trail.
bool InRange(uint16_t Code, uint16_t First, uint16_t Last) { return Code >= First && Code <= Last; }
bool IsDBDigit(uint16_t C) { return InRange(C, 0x824F, 0x8258); }
bool IsDBLatin(uint16_t C) { return InRange(C, 0x8260, 0x8279) || InRange(C, 0x8281, 0x829A); }
bool IsHiragana(uint16_t C) { return InRange(C, 0x829F, 0x82F1); }
bool IsKatakana(uint16_t C) { return InRange(C, 0x8340, 0x8396); }
// "ー" and "－", which belong to a run of kana.
bool IsKanaLengthMark(uint16_t C) { return C == 0x815B || C == 0x817C; }
// "，" and "．", which belong to a run of full-width digits.
bool IsDBDigitMark(uint16_t C) { return C == 0x8143 || C == 0x8144; }

} // namespace

// ---- Construction ----------------------------------------------------------------

TFountainParser::TFountainParser(TFountain* Fountain) : Fountain_(Fountain)
{
    if (!Fountain)
        throw Exception("TFountainParser.Create need instance of TFountain");
    InitMethodTables();
    NewData({}, TRowAttributeData());
}

TFountainParser::TFountainParser()
{
    InitMethodTables();
    NewData({}, TRowAttributeData());
}

void TFountainParser::InitMethodTables()
{
    for (TProc& method : MethodTable_)
        method = &TFountainParser::SymbolProc;
    MethodTable_[0x00] = &TFountainParser::NullProc;
    MethodTable_[0x09] = &TFountainParser::TabProc;
    MethodTable_[0x0A] = &TFountainParser::LFProc;
    MethodTable_[0x0D] = &TFountainParser::CRProc;
    for (int i = 0; i < 256; ++i) {
        const auto c = static_cast<unsigned char>(i);
        if (IsDigit(c))
            MethodTable_[c] = &TFountainParser::IntegerProc;
        else if (IsLetter(c) || c == '_')
            MethodTable_[c] = &TFountainParser::AnkProc;
        else if (c == 0x81 || (c >= 0x84 && c <= 0x87))
            MethodTable_[c] = &TFountainParser::DBSymbolProc;
        else if (c == 0x82 || c == 0x83)
            MethodTable_[c] = &TFountainParser::DBAnkProc;
        else if (sjis::IsKanjiLead(c))
            MethodTable_[c] = &TFountainParser::DBKanjiProc;
        else if (c >= 0xA1 && c <= 0xA5)
            MethodTable_[c] = &TFountainParser::KanaSymbolProc;
        else if (c >= 0xA6 && c <= 0xDF)
            MethodTable_[c] = &TFountainParser::KanaProc;
    }

    for (TProc& method : CarryTable_)
        method = &TFountainParser::SymbolProc;
    CarryTable_[toInteger] = &TFountainParser::IntegerProc;
    CarryTable_[toFloat] = &TFountainParser::IntegerProc;
    CarryTable_[toBracket] = &TFountainParser::BracketProc;
    CarryTable_[toComment] = &TFountainParser::CommentProc;
    CarryTable_[toReserve] = &TFountainParser::ReserveProc;
    CarryTable_[toAnk] = &TFountainParser::AnkProc;
    CarryTable_[toDBSymbol] = &TFountainParser::DBSymbolProc;
    for (int kind = toDBInt; kind <= toDBKana; ++kind)
        CarryTable_[kind] = &TFountainParser::DBAnkProc;
    CarryTable_[toDBKanji] = &TFountainParser::DBKanjiProc;
    CarryTable_[toKanaSymbol] = &TFountainParser::KanaSymbolProc;
    CarryTable_[toKana] = &TFountainParser::KanaProc;
    CarryTable_[toUrl] = &TFountainParser::UrlProc;
    CarryTable_[toMail] = &TFountainParser::MailProc;
    CarryTable_[toHex] = &TFountainParser::HexProc;
    CarryTable_[toSingleQuotation] = &TFountainParser::SingleQuotationProc;
    CarryTable_[toDoubleQuotation] = &TFountainParser::DoubleQuotationProc;
}

// ---- Starting a row --------------------------------------------------------------

void TFountainParser::LoadText(std::string_view Row, std::string_view NextRow)
{
    // A copy with a NUL after it: every scan stops at NUL, so none passes
    // the end of the text.
    Buffer_.assign(Row);
    Buffer_.append(NextRow);
    Buffer_.push_back('\0');
    Text_ = Buffer_.data();
    End_ = Text_ + Buffer_.size() - 1;
    P_ = TokenStart_ = Text_;
    Token_ = toEof;
    Carried_ = false;
    MailRunEnd_ = MailAt_ = MailDot_ = nullptr;
    SkipTarget_ = nullptr;
}

void TFountainParser::LoadRules()
{
    BracketCount_ = 0;
    BracketFirstBytes_.reset();
    if (Fountain_) {
        const TFountainBracketCollection& brackets = *Fountain_->Brackets();
        BracketCount_ = std::min(brackets.Count(), MaxBracketCount);
        for (int i = 0; i < BracketCount_; ++i) {
            const TFountainBracketItem& item = *brackets.Items(i);
            Brackets_[i] = {item.LeftBracket(), item.RightBracket()};
            if (!item.LeftBracket().empty() && !item.RightBracket().empty())
                BracketFirstBytes_.set(static_cast<unsigned char>(item.LeftBracket()[0]));
        }
    }
    SkipPlainTokens_ = StateIsBracketsOnly();
    if (SkipPlainTokens_) {
        SpecialStarts_ = BracketFirstBytes_;
        SpecialStarts_.set(0).set('\n').set('\r');
        AddBlankHoldingStarts(SpecialStarts_);
    }
    RunThroughKinds_.reset();
    InitRowStateB(RunThroughKinds_);
}

void TFountainParser::KeepRules()
{
    LoadRules();
    RulesKept_ = true;
}

void TFountainParser::LoadState(const TRowAttributeData& Data)
{
    BracketIndex_ = Data.BracketIndex;
    LastBracketIndex_ = -2;
    SchemeState_ = Data.SchemeState;
    CarryLength_ = Data.CarryLength;
    CarryKind_ = Data.CarryKind;
    PrevToken_ = Data.PrevToken;
}

void TFountainParser::NewData(std::string_view Text, const TRowAttributeData& Data)
{
    LoadText(Text, {});
    LoadRules();
    LoadState(Data);
}

// ---- Tokens ----------------------------------------------------------------------

int TFountainParser::NextToken()
{
    // A carried token goes on from the row's first byte: its carried length
    // counts from there, blanks included.
    if (CarryKind_ == 0)
        SkipBlanks();
    TokenStart_ = P_;
    Carried_ = CarryKind_ != 0;
    if (AtEnd())
        Token_ = toEof;
    else if (CarryKind_ != 0)
        CarryProc();
    else if (BracketIndex_ < 0)
        DispatchProc();
    else
        BracketProc();
    return Token_;
}

void TFountainParser::SkipBlanks()
{
    while (IsBlank(Byte()))
        ++P_;
}

size_t TFountainParser::CharLen() const { return sjis::CharLen(P_, End_); }

bool TFountainParser::StepOver(std::string_view S, bool FoldCase)
{
    // Most calls are turned away by the first byte.
    if (S.empty() || (FoldCase ? UpperAscii(*P_) != UpperAscii(S[0]) : *P_ != S[0]))
        return false;
    const char* p = P_;
    size_t i = 0;
    while (i < S.size()) {
        if (p >= End_)
            return false;
        const size_t len = sjis::CharLen(p, End_);
        if (i + len > S.size())
            return false;
        if (len == 2 || !FoldCase) {
            if (std::memcmp(p, S.data() + i, len) != 0)
                return false;
        } else if (UpperAscii(*p) != UpperAscii(S[i])) {
            return false;
        }
        p += len;
        i += len;
    }
    P_ = p;
    return true;
}

void TFountainParser::CarryProc()
{
    if (CarryLength_ > 0) {
        Token_ = CarryKind_;
        while (P_ - TokenStart_ < CarryLength_ && !AtEnd())
            StepChar();
        if (CarryKind_ == toBracket) {
            // The rest of a right bracket split by the wrap closes the
            // region; the rest of a left bracket leaves it open, and the
            // region goes on after it.
            LastBracketIndex_ = BracketIndex_;
            if (BracketIndex_ >= 0 && BracketIndex_ < BracketCount_
                && !Brackets_[BracketIndex_].Right.ends_with(TokenView())) {
                CarryKind_ = 0;
                CarryLength_ = 0;
                BracketProc();
                return;
            }
            BracketIndex_ = -1;
        }
    } else {
        const TProc method = CarryTable_[CarryKind_];
        (this->*method)();
    }
    CarryKind_ = 0;
    CarryLength_ = 0;
}

void TFountainParser::DispatchProc()
{
    if (BracketIndex_ < 0 && IsBracketStart())
        BracketProc();
    else
        RunMethod(Byte());
}

bool TFountainParser::IsBracketStart()
{
    if (!BracketFirstBytes_[Byte()])
        return false;
    for (int i = 0; i < BracketCount_; ++i) {
        // A pair without a right bracket opens no region.
        if (Brackets_[i].Right.empty())
            continue;
        if (StepOver(Brackets_[i].Left)) {
            BracketIndex_ = i;
            return true;
        }
    }
    return false;
}

void TFountainParser::BracketProc()
{
    if (BracketIndex_ < 0 || BracketIndex_ >= BracketCount_ || Brackets_[BracketIndex_].Right.empty()) {
        Token_ = toEof;
        return;
    }
    Token_ = toBracket;
    LastBracketIndex_ = BracketIndex_;
    const std::string_view right = Brackets_[BracketIndex_].Right;
    // A byte below 0x40 is never a trail byte, so where the right bracket
    // starts with one, the bytes up to the next such byte are passed over
    // whole: none of them starts it, and none ends the row.
    const auto first = static_cast<unsigned char>(right[0]);
    const bool leapable = first < 0x40 && !IsEndByte(first);
    while (!AtEnd()) {
        if (leapable)
            while (Byte() != first && !AtEnd())
                ++P_;
        if (StepOver(right)) {
            BracketIndex_ = -1;
            return;
        }
        if (!AtEnd())
            StepChar();
    }
}

bool TFountainParser::IsMailAddress()
{
    const unsigned char first = Byte();
    if (!MailChars[first] || first == '@')
        return false;
    // The answer is whether an "@" follows within the run of mail characters
    // and a "." after it. What the last query found stays true for a later
    // start in the same run, so each part of the run is scanned once.
    if (!MailRunEnd_ || P_ >= MailRunEnd_) {
        MailRunEnd_ = P_;
        while (MailChars[static_cast<unsigned char>(*MailRunEnd_)])
            ++MailRunEnd_;
        MailAt_ = MailDot_ = nullptr;
    }
    auto find = [this](const char* From, char C) {
        const void* found = From < MailRunEnd_ ? std::memchr(From, C, MailRunEnd_ - From) : nullptr;
        return found ? static_cast<const char*>(found) : MailRunEnd_;
    };
    if (!MailAt_ || MailAt_ <= P_)
        MailAt_ = find(P_ + 1, '@');
    if (MailAt_ == MailRunEnd_)
        return false;
    if (!MailDot_ || MailDot_ <= MailAt_)
        MailDot_ = find(MailAt_ + 1, '.');
    if (MailDot_ == MailRunEnd_)
        return false;
    P_ = MailDot_ + 1;
    return true;
}

void TFountainParser::MailProc()
{
    Token_ = toMail;
    StepWhile([](unsigned char C) { return MailChars[C]; });
}

bool TFountainParser::IsUrl()
{
    switch (Byte()) {
    case 'f': return StepOver("ftp:");
    case 'h': return StepOver("http:") || StepOver("https:");
    case 'w': return StepOver("www.");
    default: return false;
    }
}

void TFountainParser::UrlProc()
{
    Token_ = toUrl;
    StepWhile([](unsigned char C) { return UrlChars[C]; });
}

void TFountainParser::ReserveProc()
{
    RunMethod(Byte());
    Token_ = toReserve;
}

void TFountainParser::NullProc() { Token_ = toEof; }

void TFountainParser::TabProc()
{
    Token_ = toTab;
    ++P_;
}

void TFountainParser::LFProc()
{
    Token_ = toEof;
    ++P_;
}

void TFountainParser::CRProc()
{
    Token_ = toEof;
    ++P_;
    if (Byte() == '\n')
        ++P_;
}

void TFountainParser::CommentProc()
{
    Token_ = toComment;
    while (!AtEnd())
        ++P_;
}

void TFountainParser::HexProc()
{
    Token_ = toHex;
    StepWhile(IsHexDigit);
}

void TFountainParser::IntegerProc()
{
    Token_ = toInteger;
    StepWhile(IsDigit);
    auto exponent = [this] {
        if (!IsExponent(Byte()))
            return;
        ++P_;
        if (Byte() == '+' || Byte() == '-')
            ++P_;
        StepWhile(IsDigit);
    };
    if (Byte() == '.') {
        // A full stop makes a real number, but belongs to it only when a
        // digit or an exponent follows ("3. " is "3" and ".").
        Token_ = toFloat;
        const auto next = static_cast<unsigned char>(P_[1]);
        if (IsDigit(next) || IsExponent(next)) {
            ++P_;
            StepWhile(IsDigit);
            exponent();
        }
    } else if (IsExponent(Byte())) {
        Token_ = toFloat;
        exponent();
    }
}

void TFountainParser::AnkProc()
{
    Token_ = toAnk;
    StepWhile(IsAnk);
}

void TFountainParser::DBSymbolProc()
{
    Token_ = toDBSymbol;
    StepChar();
}

void TFountainParser::DBAnkProc()
{
    if (CharLen() != 2) {
        DBSymbolProc();
        return;
    }
    const uint16_t code = sjis::CharCode(std::string_view(P_, 2), 0);
    // Steps over the run of double-byte characters for which In holds.
    auto run = [this](auto In) {
        while (CharLen() == 2 && In(sjis::CharCode(std::string_view(P_, 2), 0)))
            P_ += 2;
    };
    if (IsDBDigit(code)) {
        Token_ = toDBInt;
        run([](uint16_t C) { return IsDBDigit(C) || IsDBDigitMark(C); });
    } else if (IsDBLatin(code)) {
        Token_ = toDBAlph;
        run(IsDBLatin);
    } else if (IsHiragana(code)) {
        Token_ = toDBHira;
        run([](uint16_t C) { return IsHiragana(C) || IsKanaLengthMark(C); });
    } else if (IsKatakana(code)) {
        Token_ = toDBKana;
        run([](uint16_t C) { return IsKatakana(C) || IsKanaLengthMark(C); });
    } else {
        DBSymbolProc();
    }
}

void TFountainParser::DBKanjiProc()
{
    Token_ = toDBKanji;
    while (sjis::IsKanjiLead(Byte()))
        StepChar();
}

void TFountainParser::KanaSymbolProc()
{
    Token_ = toKanaSymbol;
    ++P_;
}

void TFountainParser::KanaProc()
{
    Token_ = toKana;
    StepWhile([](unsigned char C) { return C >= 0xA6 && C <= 0xDF; });
}

void TFountainParser::SymbolProc()
{
    Token_ = toSymbol;
    if (!AtEnd())
        StepChar();
}

void TFountainParser::QuotedProc(int Kind, std::string_view Quote, bool Doubling, bool StepOpening)
{
    Token_ = Kind;
    auto atQuote = [&] { return CharLen() == Quote.size() && std::memcmp(P_, Quote.data(), Quote.size()) == 0; };
    if (StepOpening && atQuote())
        P_ += Quote.size();
    while (!AtEnd()) {
        if (atQuote()) {
            P_ += Quote.size();
            if (!(Doubling && atQuote()))
                return;
            P_ += Quote.size();
            continue;
        }
        StepChar();
    }
}

void TFountainParser::SingleQuotationProc() { QuotedProc(toSingleQuotation, "'", true, !Carried_); }

void TFountainParser::DoubleQuotationProc() { QuotedProc(toDoubleQuotation, "\"", true, !Carried_); }

// ---- Reserved words --------------------------------------------------------------

bool TFountainParser::IsReserveWord() const
{
    if (Carried_ || Token_ == toEof || Token_ == toBracket || Token_ == toComment || !Fountain_)
        return false;
    return Fountain_->IsReserveWord(TokenView());
}

TFountainColor* TFountainParser::BracketColor() const
{
    if (!Fountain_ || LastBracketIndex_ < 0 || LastBracketIndex_ >= Fountain_->Brackets()->Count())
        return nullptr;
    return Fountain_->Brackets()->Items(LastBracketIndex_)->ItemColor();
}

void TFountainParser::ReserveWordProc(int& Kind) const
{
    if (IsReserveWord())
        Kind = toReserve;
}

// ---- Row states ------------------------------------------------------------------

void TFountainParser::InitRowStateA(TTokenKinds& Kinds) const
{
    Kinds.set(toComment);
    Kinds.set(toSingleQuotation);
    Kinds.set(toDoubleQuotation);
}

void TFountainParser::InitRowStateB(TTokenKinds& Kinds) const { Kinds.set(toComment); }

void TFountainParser::AddBlankHoldingStarts(TByteTable&) const {}

namespace {

bool IsBlankRow(std::string_view Row)
{
    for (char c : Row)
        if (!IsBlank(static_cast<unsigned char>(c)))
            return false;
    return true;
}

} // namespace

void TFountainParser::NextRowState(int Index, const TRowAttributeStringList* Strings, TRowAttributeData& Data)
{
    const bool wrapped = Data.RowAttribute == TRowAttribute::raWrapped;
    if (!RulesKept_)
        LoadRules();

    // A comment runs on through the rows of its logical line.
    if (RunThroughKinds_[Data.CarryKind]) {
        if (!wrapped)
            Data.CarryKind = 0;
        Data.CarryLength = 0;
        return;
    }

    // A blank row changes no state, except that a token carried into it
    // (a string left open on the wrapped row before) ends with its logical
    // line. Bracket regions and the scheme's state go on over line breaks.
    const std::string_view row = Strings->RowText(Index);
    if (Data.CarryLength == 0 && IsBlankRow(row)) {
        if (!wrapped)
            Data.CarryKind = 0;
        return;
    }
    if (!wrapped && RowKeepsState(row, Data)) {
        Data.CarryKind = 0;
        Data.CarryLength = 0;
        return;
    }

    // A wrapped row is parsed with the next row after it, so that a token
    // crossing the wrap is seen whole. When that token runs to the end of a
    // wrapped next row, the row after is taken too, to tell whether it ends
    // there or goes on.
    const bool withNext = wrapped && Index + 1 < Strings->Count();
    const bool nextWrapped = withNext && Strings->RowAttribute(Index + 1) == TRowAttribute::raWrapped;
    const std::string_view next = withNext ? std::string_view(Strings->RowText(Index + 1)) : std::string_view();
    const TRowAttributeData start = Data;
    TRowScan scan = ScanRow(row, next, Data);
    if (scan.Crossed && TokenStart_ < scan.RowEnd && P_ == End_ && nextWrapped && Index + 2 < Strings->Count()) {
        Data = start;
        scan = ScanRow(row, std::string(next).append(Strings->RowText(Index + 2)), Data);
    }
    Data.CarryLength = 0;
    Data.CarryKind = 0;
    if (!scan.Crossed)
        return;
    // A token of the next row is that row's business.
    if (TokenStart_ >= scan.RowEnd) {
        Data.BracketIndex = -1;
        return;
    }

    // The token crosses the wrap: the next row starts inside it.
    Data.SchemeState = scan.SchemeAfter;
    const int rest = static_cast<int>(P_ - scan.RowEnd); // its bytes on the next row
    // The row stores a carried length in 8 bits; a longer rest is continued
    // by the token's scanner instead.
    const int carryLength = rest <= 0xFF ? rest : 0;
    if (scan.LastKind == toBracket) {
        const int pair = scan.BracketBefore;
        // A region whose left bracket is split by the wrap: the next row
        // starts inside the region with the left bracket's rest, which must
        // not be read as part of a right bracket. (When that rest could end
        // the right bracket too, the next row scans the region afresh.)
        if (scan.OpensRegion && pair >= 0 && pair < BracketCount_) {
            const std::string_view left = Brackets_[pair].Left;
            const ptrdiff_t restLength = TokenStart_ + left.size() - scan.RowEnd;
            const std::string_view leftRest(scan.RowEnd, std::max<ptrdiff_t>(0, restLength));
            if (!leftRest.empty() && !Brackets_[pair].Right.ends_with(leftRest)) {
                Data.BracketIndex = pair;
                Data.CarryKind = toBracket;
                Data.CarryLength = static_cast<int>(leftRest.size());
                return;
            }
        }
        // A region closed on the next row is still open at its start; when
        // only part of the right bracket lies there, that part is carried.
        if (Data.BracketIndex == -1) {
            Data.BracketIndex = pair;
            if (pair >= 0 && pair < BracketCount_ && Brackets_[pair].Right.size() > static_cast<size_t>(rest)) {
                Data.CarryKind = toBracket;
                Data.CarryLength = carryLength;
            }
        }
        return;
    }
    int kind = scan.LastKind;
    ReserveWordProc(kind);
    Data.CarryKind = static_cast<uint8_t>(kind);
    if (P_ > scan.RowEnd + next.size())
        return; // it goes on past the next row: its scanner continues it
    if (P_ < End_) {
        // It ends on the next row: its exact rest is carried. For a string
        // this keeps a doubled quote split by the wrap inside it.
        Data.CarryLength = carryLength;
        return;
    }
    // It runs to the end of the text. Strings and comments are continued by
    // their scanners, and so is a token before a wrap.
    TTokenKinds withoutLength;
    InitRowStateA(withoutLength);
    if (!withoutLength[kind] && !nextWrapped)
        Data.CarryLength = carryLength;
}

TFountainParser::TRowScan TFountainParser::ScanRow(std::string_view Row, std::string_view Following,
                                                   TRowAttributeData& Data)
{
    LoadText(Row, Following);
    LoadState(Data);
    TRowScan scan;
    scan.RowEnd = Text_ + Row.size();
    scan.BracketBefore = Data.BracketIndex;
    scan.SchemeAfter = Data.SchemeState;
    for (;;) {
        if (CanSkipPlainTokens())
            SkipPlainTokens(scan.RowEnd);
        const bool regionOpen = BracketIndex_ >= 0;
        const int kind = NextToken();
        if (kind == toEof)
            break;
        scan.LastKind = kind;
        Data.BracketIndex = BracketIndex_;
        if (kind == toBracket)
            scan.BracketBefore = LastBracketIndex_;
        scan.SchemeAfter = SchemeState_;
        if (P_ > scan.RowEnd) {
            scan.Crossed = true;
            scan.OpensRegion = kind == toBracket && !regionOpen && !Carried_;
            break;
        }
        Data.SchemeState = SchemeState_;
        Data.PrevToken = PrevToken_;
    }
    return scan;
}
