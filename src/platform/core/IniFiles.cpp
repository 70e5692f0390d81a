#include "IniFiles.h"

#include "Cp932.h"
#include "Files.h"
#include "IniDocument.h"
#include "Sjis.h"
#include "Strings.h"
#include "SysErrorText.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr size_t kMaxValueBytes = 2047;
// Bounds the retries of taking the lock while other instances replace or
// make the file, so that no state of the disk can keep a write waiting.
constexpr int kLockAttempts = 100;

// The write error, with Reason (why nothing was written) when there is one.
[[noreturn]] void RaiseWriteError(const std::string& FileName, const std::string& Reason = {})
{
    throw EIniFileException(CannotWriteMessage(FileName, Reason));
}

// Why the settings file's folder could not be made (Error, from
// create_directories): a link to nothing in its place counts as a folder
// not found, though the system sees a name already there.
std::string FolderFault(const std::error_code& Error)
{
    return SysErrorMessage(Error.value() == EEXIST ? ENOENT : Error.value());
}

// ---- value rules -----------------------------------------------------------

// Blanks and tabs around the value go, then one pair of matching enclosing
// quotation marks; at most 2,047 bytes remain, never half a character.
std::string CookValue(std::string_view Raw)
{
    Raw = TrimBlanks(Raw);
    if (Raw.size() >= 2 && (Raw.front() == '"' || Raw.front() == '\'') && Raw.back() == Raw.front())
        Raw = Raw.substr(1, Raw.size() - 2);
    return std::string(sjis::CutAt(Raw, kMaxValueBytes));
}

// 1 to 8 hex digits taken as a 32-bit pattern.
std::optional<uint32_t> ParseHexPattern(std::string_view Digits)
{
    if (Digits.empty() || Digits.size() > 8)
        return std::nullopt;
    uint32_t pattern = 0;
    for (char c : Digits) {
        const int digit = HexDigitValue(static_cast<unsigned char>(c));
        if (digit < 0)
            return std::nullopt;
        pattern = pattern << 4 | static_cast<uint32_t>(digit);
    }
    return pattern;
}

// An optional sign, then decimal digits within the signed 32-bit range or
// "$" and hex digits. A value longer than two bytes that starts "0x" or
// "0X" reads as "$" and the rest.
std::optional<int32_t> ParseInteger(std::string_view S)
{
    if (S.size() > 2 && S[0] == '0' && (S[1] == 'x' || S[1] == 'X')) {
        const auto pattern = ParseHexPattern(S.substr(2));
        return pattern ? std::optional(static_cast<int32_t>(*pattern)) : std::nullopt;
    }
    bool negative = false;
    if (!S.empty() && (S[0] == '+' || S[0] == '-')) {
        negative = S[0] == '-';
        S.remove_prefix(1);
    }
    if (!S.empty() && S[0] == '$') {
        const auto pattern = ParseHexPattern(S.substr(1));
        if (!pattern)
            return std::nullopt;
        return static_cast<int32_t>(negative ? 0u - *pattern : *pattern);
    }
    if (S.empty())
        return std::nullopt;
    const int64_t limit = negative ? int64_t{1} << 31 : (int64_t{1} << 31) - 1;
    int64_t magnitude = 0;
    for (char c : S) {
        if (c < '0' || c > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

// Replaces the lines of Strings with Lines.
void SetLines(TStrings& Strings, const std::vector<std::string_view>& Lines)
{
    WithinUpdate(Strings, [&] {
        Strings.Clear();
        for (std::string_view line : Lines)
            Strings.Add(std::string(line));
    });
}

void CheckNames(std::string_view Section, std::string_view Ident)
{
    if (const char* fault = IniDocument::SectionNameFault(Section))
        throw EIniNameError(
            Format("セクション名 \"%s\" は設定ファイルに書けません: %s", SjisToUtf8(Section).c_str(), fault));
    if (const char* fault = IniDocument::KeyNameFault(Ident))
        throw EIniNameError(Format("キー名 \"%s\" は設定ファイルに書けません: %s", SjisToUtf8(Ident).c_str(), fault));
}

// A value with a CR or LF would break the file's lines; those bytes are
// written as blanks.
std::string OneLine(std::string_view S)
{
    std::string result(S);
    for (char& c : result)
        if (c == '\r' || c == '\n')
            c = ' ';
    return result;
}

// ---- the file on disk ------------------------------------------------------

// What identifies one version of the file: a rename gives a new inode, an
// edit in place a new size or time.
struct FileStamp {
    bool Exists = false;
    dev_t Device = 0;
    ino_t Inode = 0;
    off_t Size = 0;
    int64_t Mtime = 0, Ctime = 0;
    bool operator==(const FileStamp&) const = default;
};

int64_t Nanoseconds(const timespec& T) { return int64_t{T.tv_sec} * 1000000000 + T.tv_nsec; }

FileStamp StampOf(const struct stat& St)
{
    return {true, St.st_dev, St.st_ino, St.st_size, Nanoseconds(St.st_mtim), Nanoseconds(St.st_ctim)};
}

// The stamp of the file now; Exists is false when it cannot be seen.
FileStamp StampOf(const std::string& FileName)
{
    struct stat st;
    return stat(OsPath(FileName).c_str(), &st) == 0 ? StampOf(st) : FileStamp{};
}

enum class FileState { Missing, Readable, Unreadable };

struct Snapshot {
    FileState State = FileState::Missing;
    FileStamp Stamp;
    std::string Text;   // the bytes read (Readable only)
    std::string Unread; // why it was not read (Unreadable only), for the write error
    // It has no write permission: the user keeps it as it is.
    bool ReadOnly = false;
};

// Reads the file as it is now. A missing file (or folder, or a symbolic
// link whose target is gone) reads as empty; a file that exists but is not
// a regular file, is larger than the cap or cannot be read is Unreadable,
// and a commit must not replace it.
Snapshot LoadSnapshot(const std::string& FileName)
{
    Snapshot snapshot;
    // The stamp before the bytes: a change in between is seen as a change.
    struct stat st;
    int error = stat(OsPath(FileName).c_str(), &st) == 0 ? 0 : errno;
    if (error == 0) {
        snapshot.Stamp = StampOf(st);
        snapshot.ReadOnly = IsKeptReadOnly(FileName);
        error = ReadSettingsFile(FileName, snapshot.Text);
    }
    if (error == ENOENT || error == ENOTDIR)
        return snapshot;
    if (error != 0) {
        snapshot.State = FileState::Unreadable;
        snapshot.Unread = KeptUnreadReason(error);
        return snapshot;
    }
    snapshot.State = FileState::Readable;
    return snapshot;
}

// An exclusive flock on the settings file itself for one read-change-write
// cycle, so that two instances committing at once never lose each other's
// keys, and nothing is left beside the file in the user's folder. A commit
// replaces the file by a rename: a waiter that wakes holding the replaced
// file locks the one now there instead. A file that does not exist yet is
// made empty to be locked, and removed again when the commit writes nothing.
// The name is the one the write replaces (WriteTarget): never a symbolic
// link, whose exclusive creation would fail however often it was tried.
class CommitLock {
public:
    explicit CommitLock(std::string OsTarget) : OsFileName_(std::move(OsTarget))
    {
        for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
            Created_ = false;
            Fd_ = ::open(OsFileName_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
            if (Fd_ < 0 && errno == ENOENT) {
                Fd_ = ::open(OsFileName_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_CREAT | O_EXCL, 0666);
                Created_ = Fd_ >= 0;
            }
            if (Fd_ < 0) {
                Error_ = errno;
                if (Error_ == EEXIST || Error_ == EINTR)
                    continue; // made by another instance meanwhile
                return;
            }
            if (!Lock()) {
                ::close(Fd_);
                Fd_ = -1;
                return;
            }
            if (StillTheFile())
                return;
            ::close(Fd_);
            Fd_ = -1;
        }
        Error_ = EBUSY;
    }
    ~CommitLock()
    {
        if (Fd_ < 0)
            return;
        if (Created_ && !Written_)
            ::unlink(OsFileName_.c_str());
        ::close(Fd_); // releases the lock
    }
    CommitLock(const CommitLock&) = delete;
    CommitLock& operator=(const CommitLock&) = delete;
    bool Held() const { return Fd_ >= 0; }
    // Why the lock is not held (an errno value).
    int Error() const { return Error_; }
    // The commit replaced the file: the one made for the lock is gone.
    void Written() { Written_ = true; }

private:
    bool Lock()
    {
        while (flock(Fd_, LOCK_EX) != 0)
            if (errno != EINTR) {
                Error_ = errno;
                return false;
            }
        return true;
    }
    // False when the name now stands for another file (or none), which
    // the lock does not cover.
    bool StillTheFile() const
    {
        struct stat held, named;
        return ::fstat(Fd_, &held) == 0 && ::stat(OsFileName_.c_str(), &named) == 0 && held.st_dev == named.st_dev
               && held.st_ino == named.st_ino;
    }

    std::string OsFileName_;
    int Fd_ = -1;
    bool Created_ = false;
    bool Written_ = false;
    int Error_ = 0;
};

// Earlier versions locked through an empty "<file>.lock" beside the file,
// which stayed; the next commit of the file takes it away.
void RemoveLeftoverLockFile(const std::string& OsFileName)
{
    const std::string lockFile = OsFileName + ".lock";
    struct stat st;
    if (::lstat(lockFile.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size == 0)
        ::unlink(lockFile.c_str());
}

// One write or erasure, kept so that a commit can replay it on the file as
// it is under the lock.
struct IniOperation {
    enum class Kind { Write, EraseSection, DeleteKey };
    Kind Action;
    std::string Section, Ident, Value;

    void ApplyTo(IniDocument& Document) const
    {
        switch (Action) {
        case Kind::Write: Document.Write(Section, Ident, Value); break;
        case Kind::EraseSection: Document.EraseSection(Section); break;
        case Kind::DeleteKey: Document.DeleteKey(Section, Ident); break;
        }
    }
};

} // namespace

int ReadSettingsFile(const std::string& FileName, std::string& Bytes)
{
    Bytes.clear();
    const int error = TryReadFileBytes(FileName, Bytes, kIniFileMaxBytes);
    return error == ENOTDIR ? ENOENT : error;
}

std::string KeptUnreadReason(int Error)
{
    switch (Error) {
    case EISDIR: return KeptAsItIs("フォルダーなので");
    case EINVAL: return KeptAsItIs("通常のファイルではないので");
    case EFBIG: return KeptAsItIs("4 MiB を超える大きなファイルなので、読み込まずに既定の設定を使い");
    default: return SysErrorMessage(Error) + KeptAsItIs("読み込めないファイルなので");
    }
}

std::string KeptPastCapReason() { return KeptAsItIs("書き込むと 4 MiB を超えて読み込めなくなるので"); }

// ---- TIniFile::Impl --------------------------------------------------------

class TIniFile::Impl {
public:
    explicit Impl(const std::string& FileName) : FileName_(FileName) {}

    // What reads see: the batch's pending view, else the file as it is now
    // (parsed again only when it changed on disk).
    const IniDocument& Current()
    {
        if (Pending_)
            return *Pending_;
        const FileStamp stamp = StampOf(FileName_);
        if (!Cached_ || !stamp.Exists || stamp != CachedStamp_) {
            Snapshot snapshot = LoadSnapshot(FileName_);
            CachedStamp_ = snapshot.Stamp;
            Cached_ = IniDocument(std::move(snapshot.Text));
        }
        return *Cached_;
    }

    void Apply(IniOperation Operation)
    {
        if (UpdateCount_ == 0) {
            Commit({std::move(Operation)});
            return;
        }
        if (!Pending_)
            Pending_ = Current();
        Operation.ApplyTo(*Pending_);
        Journal_.push_back(std::move(Operation));
    }

    void BeginUpdate() { ++UpdateCount_; }

    void EndUpdate()
    {
        if (UpdateCount_ == 0 || --UpdateCount_ > 0)
            return;
        std::vector<IniOperation> journal = std::move(Journal_);
        Journal_.clear();
        Pending_.reset();
        Commit(journal);
    }

private:
    void Commit(const std::vector<IniOperation>& Journal)
    {
        if (Journal.empty())
            return;
        const std::filesystem::path path(OsPath(FileName_));
        std::error_code error;
        if (path.has_parent_path())
            std::filesystem::create_directories(path.parent_path(), error);
        if (error)
            RaiseWriteError(FileName_, FolderFault(error));
        std::string target;
        try {
            target = WriteTarget(FileName_);
        } catch (const EFWriteError& E) {
            // Something other than a file of data in its place (a FIFO, a
            // device, a folder, a loop of links): told as the reader found it.
            const Snapshot found = LoadSnapshot(FileName_);
            RaiseWriteError(FileName_, found.State == FileState::Unreadable ? found.Unread : E.Reason());
        }
        CommitLock lock(target);
        if (!lock.Held())
            RaiseWriteError(FileName_, SysErrorMessage(lock.Error()));
        RemoveLeftoverLockFile(path.string());

        Snapshot snapshot = LoadSnapshot(FileName_);
        if (snapshot.State == FileState::Unreadable)
            RaiseWriteError(FileName_, snapshot.Unread);
        IniDocument document(snapshot.Text);
        for (const IniOperation& operation : Journal)
            operation.ApplyTo(document);
        const std::string text = document.Text();
        const bool unchanged = snapshot.State == FileState::Readable ? text == snapshot.Text : text.empty();
        if (!unchanged) {
            // The user made the file read-only to keep it as it is.
            if (snapshot.ReadOnly)
                RaiseWriteError(FileName_, KeptReadOnlyReason());
            // What is written must read back: a file past the cap would
            // lose every setting at the next read.
            if (text.size() > kIniFileMaxBytes)
                RaiseWriteError(FileName_, KeptPastCapReason());
            try {
                WriteFileAtomic(FileName_, text);
                lock.Written();
            } catch (const EFWriteError& E) {
                RaiseWriteError(FileName_, E.Reason());
            }
        }
        // Still under the lock, so the file on disk is the one just made.
        CachedStamp_ = StampOf(FileName_);
        Cached_ = std::move(document);
    }

    std::string FileName_;
    std::optional<IniDocument> Cached_;
    FileStamp CachedStamp_;
    int UpdateCount_ = 0;
    std::optional<IniDocument> Pending_;
    std::vector<IniOperation> Journal_;
};

// ---- TIniFile --------------------------------------------------------------

TIniFile::TIniFile(const std::string& FileName) : FileName_(FileName), Impl_(std::make_unique<Impl>(FileName)) {}

// A batch still open here was abandoned (an exception unwound its writer):
// it is dropped and the file stays as it was.
TIniFile::~TIniFile() = default;

std::string TIniFile::ReadString(std::string_view Section, std::string_view Ident, const std::string& Default) const
{
    const auto raw = Impl_->Current().RawValue(Section, Ident);
    return raw ? CookValue(*raw) : Default;
}

int32_t TIniFile::ReadInteger(std::string_view Section, std::string_view Ident, int32_t Default) const
{
    return ParseInteger(ReadString(Section, Ident, "")).value_or(Default);
}

bool TIniFile::ReadBool(std::string_view Section, std::string_view Ident, bool Default) const
{
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TIniFile::WriteString(std::string_view Section, std::string_view Ident, std::string_view Value)
{
    CheckNames(Section, Ident);
    Impl_->Apply({IniOperation::Kind::Write, std::string(Section), std::string(Ident), OneLine(Value)});
}

void TIniFile::WriteInteger(std::string_view Section, std::string_view Ident, int32_t Value)
{
    WriteString(Section, Ident, std::to_string(Value));
}

void TIniFile::WriteBool(std::string_view Section, std::string_view Ident, bool Value)
{
    WriteString(Section, Ident, Value ? "1" : "0");
}

void TIniFile::ReadSection(std::string_view Section, TStrings& Idents) const
{
    SetLines(Idents, Impl_->Current().KeyNames(Section));
}

void TIniFile::ReadSections(TStrings& Sections) const { SetLines(Sections, Impl_->Current().SectionNames()); }

void TIniFile::ReadSectionValues(std::string_view Section, TStrings& Values) const
{
    const IniDocument& document = Impl_->Current();
    const auto names = document.KeyNames(Section);
    const auto values = document.RawValues(Section);
    WithinUpdate(Values, [&] {
        Values.Clear();
        for (size_t i = 0; i < names.size(); ++i)
            Values.Add(std::string(names[i]) + "=" + CookValue(values[i]));
    });
}

bool TIniFile::SectionExists(std::string_view Section) const { return Impl_->Current().HasSection(Section); }

bool TIniFile::ValueExists(std::string_view Section, std::string_view Ident) const
{
    return Impl_->Current().RawValue(Section, Ident).has_value();
}

void TIniFile::EraseSection(std::string_view Section)
{
    Impl_->Apply({IniOperation::Kind::EraseSection, std::string(Section), {}, {}});
}

void TIniFile::DeleteKey(std::string_view Section, std::string_view Ident)
{
    Impl_->Apply({IniOperation::Kind::DeleteKey, std::string(Section), std::string(Ident), {}});
}

void TIniFile::BeginUpdate() { Impl_->BeginUpdate(); }

void TIniFile::EndUpdate() { Impl_->EndUpdate(); }
