// Settings files with the Windows private-profile rules, on Shift-JIS
// bytes: case-insensitive section and key names (ASCII letters of
// single-byte characters only), values trimmed and unquoted, integers in
// decimal, "$" hex or "0x" hex, unknown content kept byte for byte.
//
// Every write replaces the file atomically. Between BeginUpdate and
// EndUpdate writes and erasures are gathered and committed once, under a
// lock on the file itself shared with other instances (nothing is left
// beside it); a batch abandoned by an exception is dropped and the file
// stays as it was. A file that exists but cannot be read (no permission,
// an I/O error, not a regular file, larger than kIniFileMaxBytes) reads as
// empty and is never overwritten, nor is a file without write permission;
// nor is any file replaced by one larger than kIniFileMaxBytes, which
// could not be read back. Such a commit fails and says why. A symbolic
// link whose target is gone reads as a missing file, and a write makes the
// target. Reading never creates the file; the first write creates it and
// its folder.
//
// Reads see the file as it is on disk now (another instance may have
// written it); it is parsed again only when it changed. Lines end in CR LF
// when written; a bare LF is read as a line end too. A CR or LF inside a
// written value is written as a blank.
#pragma once

#include "Classes.h"
#include "SysUtils.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class TStrings;

// A settings file is a few KiB; anything much larger is not one (a colour
// scheme chooser may be pointed at any file) and is neither parsed nor
// replaced.
inline constexpr uint64_t kIniFileMaxBytes = 4 * 1024 * 1024;

// Reads a settings file of any kind (an INI file, "mark.dat") whole into
// Bytes: 0; ENOENT when it is not there (a link whose target is gone too);
// or the errno of why it is there but cannot be read (EISDIR a folder,
// EINVAL another file that is not a regular one, EFBIG larger than
// kIniFileMaxBytes).
int ReadSettingsFile(const std::string& FileName, std::string& Bytes);
// Why a write leaves such a file as it is, for CannotWriteMessage: what
// ReadSettingsFile found (Error), then that the file was kept.
std::string KeptUnreadReason(int Error);
// Why a write leaves such a file as it is rather than make it larger than
// kIniFileMaxBytes: it could not be read back.
std::string KeptPastCapReason();

// A write that failed: "<file name> に書き込めません", and on a line of its
// own why, when nothing was written because of what the file is.
class EIniFileException : public Exception {
public:
    using Exception::Exception;
};

// A section or key name the file cannot hold: it would be written but
// never found again, so every later write would add another copy. The
// message names the name and the reason.
class EIniNameError : public EIniFileException {
public:
    using EIniFileException::EIniFileException;
};

class TIniFile : public TObject {
public:
    explicit TIniFile(const std::string& FileName);
    ~TIniFile() override;

    const std::string& FileName() const { return FileName_; }

    // Default when the key is absent. A value loses the blanks and tabs
    // around it and one pair of matching enclosing quotation marks (' or
    // "); at most 2,047 bytes of it are read, never half a character.
    std::string ReadString(std::string_view Section, std::string_view Ident, const std::string& Default) const;
    // Default when the key is absent or its value is no 32-bit number.
    int32_t ReadInteger(std::string_view Section, std::string_view Ident, int32_t Default) const;
    // An integer read with Default as 0 or 1; true when not 0.
    bool ReadBool(std::string_view Section, std::string_view Ident, bool Default) const;

    // Raise EIniNameError for a section name with "]", a line break, blanks
    // or tabs at either end or a last character that is a lone lead byte
    // (it would pair with the closing "]"), and for a key name with "=", a
    // line break, blanks or tabs at either end, or a first ";", "#" or "[".
    void WriteString(std::string_view Section, std::string_view Ident, std::string_view Value);
    void WriteInteger(std::string_view Section, std::string_view Ident, int32_t Value);
    void WriteBool(std::string_view Section, std::string_view Ident, bool Value);

    // The key names of a section, in file order.
    void ReadSection(std::string_view Section, TStrings& Idents) const;
    // The section names, in file order.
    void ReadSections(TStrings& Sections) const;
    // "key=value" for each key of a section, values read as ReadString
    // reads them.
    void ReadSectionValues(std::string_view Section, TStrings& Values) const;
    // True when a header of that name is present, even with no keys.
    bool SectionExists(std::string_view Section) const;
    bool ValueExists(std::string_view Section, std::string_view Ident) const;

    // Removes every section of that name with all its lines.
    void EraseSection(std::string_view Section);
    void DeleteKey(std::string_view Section, std::string_view Ident);

    void BeginUpdate();
    // Commits the batch when the outermost update ends; raises
    // EIniFileException when the file cannot be written.
    void EndUpdate();

private:
    class Impl;
    std::string FileName_;
    std::unique_ptr<Impl> Impl_;
};
