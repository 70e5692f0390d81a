// The program-wide settings variables, each named after its key in the
// settings file, and the small rules several commands share about them.
//
// Every variable starts false, 0 or empty and holds that until the
// settings file has been read. The spelling follows the file: keys of
// [Options], [Colors] and [Font] are bare members (SettingsVars.AutoSave),
// other sections and names that would clash are nested
// (SettingsVars.Options.Exit, SettingsVars.IME.Year). Strings are
// Shift-JIS bytes. Only the UI thread reads and writes them.
#pragma once

#include "Graphics.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

class ISettingsHost;

struct TSettingsVars {
    // [Options] keys that clash with other names.
    struct TOptions {
        bool IME{};        // open the input method at start-up
        bool Exit{};       // save without asking at close
        bool TextToPage{}; // a text file read into a page gets its name and a link
        bool Scroll{};     // the editor always shows a horizontal scroll bar
        bool operator==(const TOptions&) const = default;
    };
    struct TColors {
        TColor Back{};
        bool operator==(const TColors&) const = default;
    };
    // Date and time insertion formats: format parts and the literal text
    // after each.
    struct TIME {
        std::string Year, YearK, Month, MonthK, Day, DayK, Hour, HourK, Min, MinK, Sec, SecK;
        bool ZenDate{}, ZenTime{}, Youbi{}, Enter{};
        bool operator==(const TIME&) const = default;
    };
    // Last choices of the conversion, formatting and deletion dialogs.
    struct TConvert {
        int32_t StrHenkanNo{};
        bool operator==(const TConvert&) const = default;
    };
    struct TSeikei {
        std::string Width;
        int32_t Index{};
        bool SeikeiMax{}, English{}, Indent{}, KeisenBig{};
        int32_t StrSeikeiNo{};
        bool operator==(const TSeikei&) const = default;
    };
    struct TDelete {
        int32_t GStrDelNo{};
        bool operator==(const TDelete&) const = default;
    };
    struct TIntMode {
        int32_t Mode{};
        bool operator==(const TIntMode&) const = default;
    };
    struct TBoolMode {
        bool Mode{};
        bool operator==(const TBoolMode&) const = default;
    };
    struct TWidth {
        int32_t width{};
        bool operator==(const TWidth&) const = default;
    };
    struct TBackup {
        bool Mode{}; // copy the old document to Folder before each save
        std::string Folder;
        bool operator==(const TBackup&) const = default;
    };
    struct TAPoFile {
        bool Mode{}; // open File at start-up
        std::string File;
        std::string TextToPage;
        std::string TextSaveDir;
        bool operator==(const TAPoFile&) const = default;
    };
    struct TSubIcon {
        bool AltSubIcon{};
        bool operator==(const TSubIcon&) const = default;
    };

    // [Options]
    bool ExtEditor{};
    std::string HideExe;   // the external editor's command
    std::string OtherHelp; // the external help file
    // The white-space marks: full-width spaces and tabs, half-width spaces.
    // The end-of-file and line-end marks are the editor's own Marks, kept
    // under "EOF" and "RET"; these two never set them.
    bool SpaceTab{};
    bool HanSpace{};
    TOptions Options;
    bool LastFile{};
    bool CommentType{};
    bool NumberIndent{};
    bool AutoSave{};
    bool AutoClip{};
    bool InsSpace{};
    bool FindAll{};
    bool BracketFlg{}; // links are written "[:...:]" rather than "<...>"
    bool RightRtn{};   // wrap at the window's right edge
    bool WaveTextFlg{};
    bool TreeUndoRedo{};
    bool FileLinkPath{};
    bool ForderIconDel{};
    bool LineScrollFlg{};
    int32_t LineScroll{};
    int32_t AutoSaveTime{}; // milliseconds
    std::string LastFileName;
    std::string BeforeNumberStr;
    std::string AfterNumberStr;
    bool NoContinue{};
    std::string QMark;
    std::string AllDelStr;
    int32_t BookLine{};
    int32_t BookMoji{};
    std::string UserExt;

    // [Font]
    bool TreeFontBold{};
    bool TreeFontItalic{};

    // [Colors]
    TColor AnkCol{};
    TColor StrCol{};
    TColor DBCSCol{};
    TColor ZenTabCol{};
    TColor HanCol{};
    TColors Colors;
    bool AnkBold{}, AnkItalic{}, AnkUL{};
    bool DBCSBold{}, DBCSItalic{}, DBCSUL{};
    bool UrlBold{}, UrlItalic{}, UrlUL{};
    bool MailBold{}, MailItalic{}, MailUL{};
    bool FileLinkBold{}, FileLinkItalic{};
    bool PageLinkBold{}, PageLinkItalic{};
    bool CommentBold{};

    TIME IME;
    TConvert Convert;
    TSeikei Seikei;
    TDelete Delete;
    TIntMode LineNumber; // 0: the left bar numbers screen rows, else logical lines
    TWidth InsSpc, InsTab, InsZenSpc, DelSpc;
    TBoolMode Col_Row; // positions shown counted from 1
    TBackup Backup;
    TAPoFile APoFile;
    TBoolMode PageCursor; // restore a page's caret when it is shown
    TBoolMode Page;       // select the remembered page when a document opens
    TSubIcon SubIcon;

    bool operator==(const TSettingsVars&) const = default;
};

// The one instance. Tests start afresh with `SettingsVars = {};`.
extern TSettingsVars SettingsVars;

// The comment leader the options give: with CommentType off, "//"; on, the
// first byte of QMark, or the whole QMark when that byte leads a
// double-byte character. An empty QMark has no first byte to take and
// gives "//" as well.
std::string CommenterFor(bool CommentType, std::string_view QMark);

// The files beside the program: "velk2000.ini", "velk2000Key.ini",
// "velk2000.sch" and the symbol list "mark.dat" in the program folder.
std::string SettingsFilePath();
std::string KeyFilePath();
std::string HistoryFilePath();
std::string SymbolFilePath();

// The backup folder when none is set: the program folder followed by
// "Temp", without a delimiter after it.
std::string BackupFolderDefault();

// Reads the settings file once at start-up: sets the settings variables and
// applies the window's values to Host. A missing or unreadable file reads
// as all keys absent (a first run); reading never creates the file. A
// stored placement that meets no screen is not applied, and the window
// never starts minimised.
void LoadIni(ISettingsHost& Host, const std::string& FileName = SettingsFilePath());

// Writes every value LoadIni reads, taken from Host and the settings
// variables, in one replacement of the file; sections the program does not
// know keep their bytes. A string the file cannot hold (see SettingCanHold)
// is not written altered: its key keeps what the file held. On failure the
// file stays as it was and EIniFileException ("<file> に書き込めません") is
// raised.
void SaveIni(ISettingsHost& Host, const std::string& FileName = SettingsFilePath());

// The writes of a close, in order: every one runs even when an earlier one
// failed, since a file that cannot be written must not keep the program
// from closing. Gives the message of every failure, each once, in the
// order they came; none when all went through.
std::vector<std::string> RunCloseWrites(std::initializer_list<std::function<void()>> Writes);

// While a list of search results is open, showing its pages must not move
// their remembered carets. The list suspends the restore instead of
// switching PageCursor.Mode off, so no save can store the suspension as the
// user's choice.
void SuspendPageCursorRestore(bool Suspended);
// PageCursor.Mode, unless suspended.
bool PageCursorRestoreOn();
