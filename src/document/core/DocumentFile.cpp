#include "DocumentFile.h"

#include "Cp932.h"
#include "Files.h"
#include "Paths.h"
#include "SysErrorText.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

constexpr long Iso9660Magic = 0x9660;
constexpr long UdfMagic = 0x15013346;

std::string FolderOf(const std::string& OsName)
{
    const size_t slash = OsName.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : OsName.substr(0, slash);
}

bool IsOnOpticalDisc(const std::string& OsFolder)
{
    struct statfs fs;
    return statfs(OsFolder.c_str(), &fs) == 0 && (fs.f_type == Iso9660Magic || fs.f_type == UdfMagic);
}

bool IsOnReadOnlyFileSystem(const std::string& OsFolder)
{
    struct statvfs fs;
    return statvfs(OsFolder.c_str(), &fs) == 0 && (fs.f_flag & ST_RDONLY) != 0;
}

} // namespace

bool IsFileLocked(const std::string& FileName)
{
    const int fd = ::open(OsPath(FileName).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    bool locked = flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    // A save rewriting the file in place holds a record lock on it, which
    // flock does not see on a local file system.
    struct flock probe {};
    probe.l_type = F_RDLCK;
    probe.l_whence = SEEK_SET;
    locked = locked || (fcntl(fd, F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK);
    ::close(fd);
    return locked;
}

TSaveRefusal SaveRefusal(const std::string& FileName)
{
    const std::string folder = FolderOf(OsPath(FileName));
    if (IsOnOpticalDisc(folder))
        return {"指定したファイルのドライブがCD-ROMですので保存できません！", true};
    if (IsOnReadOnlyFileSystem(folder))
        return {"指定したファイルのあるドライブは読み出し専用なので保存できません！"};
    if (IsKeptReadOnly(FileName))
        return {"指定したファイルは読み出し専用なので保存できません！"};
    return {};
}

namespace {

// A save that rewrote the file in place and was cut short left it empty or
// torn, and the whole document in a copy beside it: the user is told where.
std::string SaveCopyNote(const std::string& FileName)
{
    const std::string copy = SaveCopyBeside(FileName);
    return copy.empty() ? copy
                        : "\r\n途中で止まった保存の内容は、すべて次のファイルに残っています。\r\n" + ShownPath(copy);
}

} // namespace

std::string NewerSaveCopiesNotice(const std::string& FileName)
{
    const std::vector<std::string> copies = NewerSaveCopiesBeside(FileName);
    if (copies.empty())
        return {};
    std::string notice = ShownPath(FileName)
                         + "\r\nこのファイルより新しい、途中で止まった保存の内容が次のファイルに残っています。"
                           "開いて確かめてください。";
    for (const std::string& copy : copies)
        notice += "\r\n" + ShownPath(copy);
    return notice;
}

namespace {

// The file as opened kept beside it (beside the file its links lead to),
// "<stem>.original-<n><extension>": one an earlier open kept holding the
// same bytes, or a new one.
std::string KeptOriginal(const std::string& FileName, std::string_view Bytes)
{
    const std::string target = FromOsPath(WriteTarget(FileName));
    const std::string stem = ChangeFileExt(target, ""), extension = ExtractFileExt(target);
    for (int number = 1;; ++number) {
        const std::string kept = stem + ".original-" + std::to_string(number) + extension;
        std::string held;
        if (TryReadFileBytes(kept, held) != 0)
            break;
        if (held == Bytes)
            return kept;
    }
    return WriteBeside(FileName, std::span(&Bytes, 1), TBesideName::Original);
}

// Keeps Bytes, the file as opened, beside it when the open doubts what it
// read (TVk2Document::Doubt): a save would make a loss final. Gives what
// the open tells of it.
std::string KeepAsOpened(const std::string& FileName, const TVk2Document& Document, std::string_view Bytes)
{
    const std::string& doubt = Document.Doubt;
    // A folder no save can write keeps the file as it is anyway.
    if (!CanReplaceIn(FileName))
        return ShownPath(FileName) + "\r\n" + doubt;
    try {
        return ShownPath(FileName) + "\r\n" + doubt + "\r\n開く前のファイルを、そのまま次の名前で残しています。\r\n"
               + ShownPath(KeptOriginal(FileName, Bytes));
    } catch (const EFWriteError& error) {
        throw EVk2Format(doubt + "\r\n開く前のファイルを残せないため、開きません。\r\n" + error.what());
    }
}

} // namespace

TVk2Document ReadDocumentFile(const std::string& FileName, int SubIconCount, std::optional<TFileVersion>* Version,
                              std::string* Notice)
{
    // Its stamp is taken before the bytes are read, from the descriptor
    // they are read through: a write while it is read changes the stamp.
    const TFileContents file = ReadFileContents(FileName);
    const std::string& bytes = file.Bytes;
    // Nothing was ever written to it: not damage, so not told as damage.
    if (bytes.empty())
        throw EVk2Format(ShownPath(FileName) + "\r\nこのファイルは空のため開けません。" + SaveCopyNote(FileName));
    try {
        TVk2Document document = DecodeVk2(bytes, SubIconCount);
        CheckTitlesAgreeWithTexts(document.Pages);
        const std::string notice = document.Doubt.empty() ? "" : KeepAsOpened(FileName, document, bytes);
        if (Notice)
            *Notice = notice;
        if (Version)
            Version->emplace(file.Look, bytes);
        return document;
    } catch (const EVk2Format& error) {
        throw EVk2Format(ShownPath(FileName) + "\r\n" + error.what() + SaveCopyNote(FileName));
    }
}

namespace {

TFileVersion WriteLayout(const std::string& FileName, const TVk2Layout& Layout, TFileSystem& System)
{
    WriteFileAtomic(FileName, Layout.Pieces, System);
    return TFileVersion(LookAt(FileName), Layout.Pieces);
}

} // namespace

TFileVersion WriteDocumentFile(const std::string& FileName, const TFlatPages& Pages, int SelectedIndex, int EditMode,
                               TFileSystem& System)
{
    return WriteLayout(FileName, LayOutVk2(ViewPages(Pages), SelectedIndex, EditMode), System);
}

TFileVersion WriteDocumentFile(const std::string& FileName, const TTreeNodes& Nodes, int SelectedIndex, int EditMode,
                               TFileSystem& System)
{
    return WriteLayout(FileName, LayOutVk2(ViewTree(Nodes), SelectedIndex, EditMode), System);
}

namespace {

// 0 when OsFolder is a folder this user may make files in, else why not.
int FolderFault(const std::string& OsFolder)
{
    struct stat st;
    if (stat(OsFolder.c_str(), &st) != 0)
        return errno;
    if (!S_ISDIR(st.st_mode))
        return ENOTDIR;
    return access(OsFolder.c_str(), W_OK | X_OK) == 0 ? 0 : errno;
}

} // namespace

TBackupOutcome BackupDocument(const std::string& DocumentFile, const std::string& Folder, TFileSystem& System)
{
    if (!FileExists(DocumentFile))
        return {};
    const size_t slash = DocumentFile.rfind('/');
    std::string name = slash == std::string::npos ? DocumentFile : DocumentFile.substr(slash + 1);
    if (const size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0)
        name.resize(dot);
    std::string folder = Folder;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    const std::string backup = folder + name + ".vk~";
    const std::string failed = "バックアップに失敗しました。";
    // A folder that is not there, or that this user may not make files in,
    // is the setting to change; anything else is told as what it is.
    if (const int error = FolderFault(OsPath(folder.empty() ? "." : folder)))
        return {"バックアップに失敗しました。オプションの登録でバックアップフォルダーを設定し直してみてください。\n"
                + CannotWriteMessage(folder, SysErrorMessage(error))};
    // The user made the old backup read-only to keep it, or it is another
    // user's.
    if (IsKeptReadOnly(backup))
        return {failed + "\n" + CannotWriteMessage(backup, KeptReadOnlyReason(backup)), IsOtherUsersFile(backup)};
    try {
        WriteFileAtomic(backup, ReadFileBytes(DocumentFile), System, {DocumentFile, TMadeFrom::Copy});
        return {};
    } catch (const EFWriteError& E) {
        return {failed + "\n" + CannotWriteMessage(backup, E.Reason())};
    } catch (const EFOpenError& E) {
        return {failed + "\n" + E.Message()};
    }
}

TTextReading ReadTextAsPage(const std::string& FileName)
{
    TTextReading reading = ReadTextFile(FileName);
    reading.Text = NormalizeLineBreaks(reading.Text);
    return reading;
}

std::string NormalizeLineBreaks(std::string_view Text)
{
    std::string result;
    result.reserve(Text.size() + Text.size() / 64);
    for (size_t i = 0; i < Text.size(); ++i) {
        const char c = Text[i];
        if (c == '\r') {
            result += "\r\n";
            if (i + 1 < Text.size() && Text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            result += "\r\n";
        } else {
            result += c;
        }
    }
    return result;
}
