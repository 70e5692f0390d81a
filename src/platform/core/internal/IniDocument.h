// The lines of a settings file and the private-profile rules that find,
// change and add sections and keys in them. TIniFile keeps one of these per
// file; nothing else should need it.
//
// A line that is not changed keeps its bytes, line break included, so
// comments, unknown keys and other sections survive a rewrite unchanged.
// Lines this document writes end in CR LF.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Text without the blanks and tabs around it, as names and values are read.
std::string_view TrimBlanks(std::string_view Text);

class IniDocument {
public:
    IniDocument() = default;
    // Splits Text into lines at LF (a CR before the LF belongs to the line
    // break) and classifies each line.
    explicit IniDocument(std::string Text);

    // The file's bytes: the original lines and those written since.
    std::string Text() const;

    // The text after the "=" of the first key Ident in the first section
    // named Section, untrimmed; none when the key is absent.
    std::optional<std::string_view> RawValue(std::string_view Section, std::string_view Ident) const;
    bool HasSection(std::string_view Section) const;
    // The key names of the first section named Section, in file order.
    std::vector<std::string_view> KeyNames(std::string_view Section) const;
    // The raw values of the same keys, in the same order.
    std::vector<std::string_view> RawValues(std::string_view Section) const;
    // Every section name once (as first spelt), in file order.
    std::vector<std::string_view> SectionNames() const;

    // Why the file cannot hold a section or key name (it would be written
    // but never found again), as a message; null when it can.
    static const char* SectionNameFault(std::string_view Name);
    static const char* KeyNameFault(std::string_view Name);

    // Sets the value in place; else adds the key after the last key line of
    // the section; else adds the section at the end. The names must be ones
    // the file can hold, and Value must hold no CR or LF.
    void Write(std::string_view Section, std::string_view Ident, std::string_view Value);
    // Removes every section of that name: its header and all lines up to
    // the next section.
    void EraseSection(std::string_view Section);
    // Removes every line of key Ident from the first section named Section.
    void DeleteKey(std::string_view Section, std::string_view Ident);

private:
    enum class LineKind : uint8_t { Other, Header, Key };
    // A line is a range of the file text, or of a text this document wrote.
    struct Line {
        uint32_t Start = 0, Length = 0;         // the whole line with its break
        uint32_t NameStart = 0, NameLength = 0; // within the line
        LineKind Kind = LineKind::Other;
        std::shared_ptr<const std::string> Own; // set for written lines
    };
    struct Range {
        size_t Begin, End; // the lines after the header, up to the next one
    };

    static Line Classify(std::string_view Text, uint32_t Start, uint32_t Length);
    Line MakeLine(std::string Text) const;
    std::string_view TextOf(const Line& L) const;
    std::string_view NameOf(const Line& L) const;
    std::string_view ValueOf(const Line& L) const;
    bool EndsWithBreak(size_t Index) const;
    void EnsureBreakAfter(size_t Index);
    std::optional<Range> FindSection(std::string_view Section) const;
    std::optional<size_t> FindKey(const Range& Section, std::string_view Ident) const;
    void RebuildHeaders();

    // Shared so that copies of a document (a batch's pending view) cost
    // only the line table.
    std::shared_ptr<const std::string> Source_ = std::make_shared<const std::string>();
    std::vector<Line> Lines_;
    std::vector<size_t> Headers_; // indexes of the header lines
};
