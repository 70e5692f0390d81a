#include "IniDocument.h"

#include "Sjis.h"

#include <initializer_list>

namespace {

bool IsBlank(char C) { return C == ' ' || C == '\t'; }

// The line without its break (LF, CR LF, or a CR that ends the file).
std::string_view Content(std::string_view Line)
{
    if (!Line.empty() && Line.back() == '\n')
        Line.remove_suffix(1);
    if (!Line.empty() && Line.back() == '\r')
        Line.remove_suffix(1);
    return Line;
}

// The pieces of a line, joined.
std::string Join(std::initializer_list<std::string_view> Pieces)
{
    std::string line;
    for (std::string_view piece : Pieces)
        line += piece;
    return line;
}

} // namespace

std::string_view TrimBlanks(std::string_view Text)
{
    while (!Text.empty() && IsBlank(Text.front()))
        Text.remove_prefix(1);
    while (!Text.empty() && IsBlank(Text.back()))
        Text.remove_suffix(1);
    return Text;
}

namespace {

// The faults of either kind of name: the line would break, or the name
// would lose its blanks when read.
const char* NameFault(std::string_view Name)
{
    if (Name.find_first_of("\r\n") != std::string_view::npos)
        return "改行を含みます";
    if (TrimBlanks(Name).size() != Name.size())
        return "前後に空白があります";
    return nullptr;
}

} // namespace

const char* IniDocument::SectionNameFault(std::string_view Name)
{
    if (const char* fault = NameFault(Name))
        return fault;
    size_t last = 0;
    for (sjis::CharCursor c(Name); !c.AtEnd(); c.Next()) {
        if (c.Char() == "]")
            return "\"]\" を含みます";
        last = c.Pos();
    }
    if (!Name.empty() && sjis::CharLen(Name, last) == 1 && sjis::IsLead(static_cast<unsigned char>(Name[last])))
        return "末尾が不完全な２バイト文字です";
    return nullptr;
}

const char* IniDocument::KeyNameFault(std::string_view Name)
{
    if (const char* fault = NameFault(Name))
        return fault;
    if (Name.find('=') != std::string_view::npos)
        return "\"=\" を含みます";
    if (!Name.empty() && (Name[0] == ';' || Name[0] == '#' || Name[0] == '['))
        return "\";\" \"#\" \"[\" で始まります";
    return nullptr;
}

IniDocument::IniDocument(std::string Text) : Source_(std::make_shared<const std::string>(std::move(Text)))
{
    const std::string& text = *Source_;
    size_t start = 0;
    while (start < text.size()) {
        const size_t lf = text.find('\n', start);
        const size_t end = lf == std::string::npos ? text.size() : lf + 1;
        Lines_.push_back(Classify(text, static_cast<uint32_t>(start), static_cast<uint32_t>(end - start)));
        start = end;
    }
    RebuildHeaders();
}

// Header: "[name]" after optional blanks; the name ends at the first "]"
// (found by characters: 0x5D is also a trail byte) or at the line's end.
// Key: a line with "=" that is not a comment (";" or "#"); the name is the
// text before the first "=" ("=" is below 0x40, never a trail byte).
IniDocument::Line IniDocument::Classify(std::string_view Text, uint32_t Start, uint32_t Length)
{
    Line line;
    line.Start = Start;
    line.Length = Length;
    const std::string_view whole = Text.substr(Start, Length);
    const std::string_view content = Content(whole);
    size_t first = 0;
    while (first < content.size() && IsBlank(content[first]))
        ++first;
    if (first == content.size() || content[first] == ';' || content[first] == '#')
        return line;

    std::string_view name;
    if (content[first] == '[') {
        const std::string_view inner = content.substr(first + 1);
        size_t end = inner.size();
        for (sjis::CharCursor c(inner); !c.AtEnd(); c.Next()) {
            if (c.Char() == "]") {
                end = c.Pos();
                break;
            }
        }
        name = TrimBlanks(inner.substr(0, end));
        line.Kind = LineKind::Header;
    } else {
        const size_t equals = content.find('=', first);
        if (equals == std::string_view::npos)
            return line;
        name = TrimBlanks(content.substr(first, equals - first));
        line.Kind = LineKind::Key;
    }
    line.NameStart = static_cast<uint32_t>(name.data() - whole.data());
    line.NameLength = static_cast<uint32_t>(name.size());
    return line;
}

IniDocument::Line IniDocument::MakeLine(std::string Text) const
{
    auto own = std::make_shared<const std::string>(std::move(Text));
    Line line = Classify(*own, 0, static_cast<uint32_t>(own->size()));
    line.Own = std::move(own);
    return line;
}

std::string_view IniDocument::TextOf(const Line& L) const
{
    return std::string_view(L.Own ? *L.Own : *Source_).substr(L.Start, L.Length);
}

std::string_view IniDocument::NameOf(const Line& L) const { return TextOf(L).substr(L.NameStart, L.NameLength); }

std::string_view IniDocument::ValueOf(const Line& L) const
{
    const std::string_view content = Content(TextOf(L));
    return content.substr(content.find('=', L.NameStart + L.NameLength) + 1);
}

std::string IniDocument::Text() const
{
    size_t size = 0;
    for (const Line& line : Lines_)
        size += line.Length;
    std::string text;
    text.reserve(size);
    for (const Line& line : Lines_)
        text += TextOf(line);
    return text;
}

void IniDocument::RebuildHeaders()
{
    Headers_.clear();
    for (size_t i = 0; i < Lines_.size(); ++i)
        if (Lines_[i].Kind == LineKind::Header)
            Headers_.push_back(i);
}

std::optional<IniDocument::Range> IniDocument::FindSection(std::string_view Section) const
{
    for (size_t h = 0; h < Headers_.size(); ++h) {
        if (sjis::SameText(NameOf(Lines_[Headers_[h]]), Section))
            return Range{Headers_[h] + 1, h + 1 < Headers_.size() ? Headers_[h + 1] : Lines_.size()};
    }
    return std::nullopt;
}

std::optional<size_t> IniDocument::FindKey(const Range& Section, std::string_view Ident) const
{
    for (size_t i = Section.Begin; i < Section.End; ++i) {
        if (Lines_[i].Kind == LineKind::Key && sjis::SameText(NameOf(Lines_[i]), Ident))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string_view> IniDocument::RawValue(std::string_view Section, std::string_view Ident) const
{
    const auto section = FindSection(Section);
    if (!section)
        return std::nullopt;
    const auto key = FindKey(*section, Ident);
    if (!key)
        return std::nullopt;
    return ValueOf(Lines_[*key]);
}

bool IniDocument::HasSection(std::string_view Section) const { return FindSection(Section).has_value(); }

std::vector<std::string_view> IniDocument::KeyNames(std::string_view Section) const
{
    std::vector<std::string_view> names;
    if (const auto section = FindSection(Section)) {
        for (size_t i = section->Begin; i < section->End; ++i)
            if (Lines_[i].Kind == LineKind::Key)
                names.push_back(NameOf(Lines_[i]));
    }
    return names;
}

std::vector<std::string_view> IniDocument::RawValues(std::string_view Section) const
{
    std::vector<std::string_view> values;
    if (const auto section = FindSection(Section)) {
        for (size_t i = section->Begin; i < section->End; ++i)
            if (Lines_[i].Kind == LineKind::Key)
                values.push_back(ValueOf(Lines_[i]));
    }
    return values;
}

std::vector<std::string_view> IniDocument::SectionNames() const
{
    std::vector<std::string_view> names;
    for (size_t header : Headers_) {
        const std::string_view name = NameOf(Lines_[header]);
        bool seen = false;
        for (std::string_view known : names)
            seen = seen || sjis::SameText(known, name);
        if (!seen)
            names.push_back(name);
    }
    return names;
}

bool IniDocument::EndsWithBreak(size_t Index) const
{
    const std::string_view text = TextOf(Lines_[Index]);
    return !text.empty() && text.back() == '\n';
}

// A line is about to be followed by another: the last line of a file may
// lack its break.
void IniDocument::EnsureBreakAfter(size_t Index)
{
    if (EndsWithBreak(Index))
        return;
    const std::string_view text = TextOf(Lines_[Index]);
    // A bare CR that ends the file becomes a whole CR LF.
    Lines_[Index] = MakeLine(Join({text, !text.empty() && text.back() == '\r' ? "\n" : "\r\n"}));
}

void IniDocument::Write(std::string_view Section, std::string_view Ident, std::string_view Value)
{
    const auto section = FindSection(Section);
    if (!section) {
        if (!Lines_.empty()) {
            EnsureBreakAfter(Lines_.size() - 1);
            if (!Content(TextOf(Lines_.back())).empty())
                Lines_.push_back(MakeLine("\r\n"));
        }
        Lines_.push_back(MakeLine(Join({"[", Section, "]\r\n"})));
        Lines_.push_back(MakeLine(Join({Ident, "=", Value, "\r\n"})));
        RebuildHeaders();
        return;
    }
    if (const auto key = FindKey(*section, Ident)) {
        // The file's spelling of the name stays.
        Lines_[*key] = MakeLine(Join({NameOf(Lines_[*key]), "=", Value, "\r\n"}));
        return;
    }
    size_t after = section->Begin - 1; // the header
    for (size_t i = section->Begin; i < section->End; ++i)
        if (Lines_[i].Kind == LineKind::Key)
            after = i;
    EnsureBreakAfter(after);
    Lines_.insert(Lines_.begin() + static_cast<ptrdiff_t>(after + 1), MakeLine(Join({Ident, "=", Value, "\r\n"})));
    RebuildHeaders();
}

void IniDocument::EraseSection(std::string_view Section)
{
    std::vector<Line> kept;
    kept.reserve(Lines_.size());
    bool erasing = false;
    for (Line& line : Lines_) {
        if (line.Kind == LineKind::Header)
            erasing = sjis::SameText(NameOf(line), Section);
        if (!erasing)
            kept.push_back(std::move(line));
    }
    Lines_ = std::move(kept);
    RebuildHeaders();
}

void IniDocument::DeleteKey(std::string_view Section, std::string_view Ident)
{
    const auto section = FindSection(Section);
    if (!section)
        return;
    for (size_t i = section->End; i-- > section->Begin;) {
        if (Lines_[i].Kind == LineKind::Key && sjis::SameText(NameOf(Lines_[i]), Ident))
            Lines_.erase(Lines_.begin() + static_cast<ptrdiff_t>(i));
    }
    RebuildHeaders();
}
