// The settings files at start and close: LoadIni and LoadKeyIni on a
// realistic 12 KB settings file and a full key file, and the close's
// SaveIni, against the floor of the same work done raw (reading the two
// files' bytes; writing the settings bytes once to a temporary file,
// flushing and renaming it). Each save counts its file replacements and
// fsyncs (of files and of folders apart).
//
// Run: settings_bench [--benchmark_...] ; VELK_BENCH_DIR chooses the disk
// folder (default: the current folder); a tmpfs run uses /dev/shm.
#include "CommandTable.h"
#include "Cp932.h"
#include "Files.h"
#include "IniFiles.h"
#include "SettingsHost.h"
#include "SubIni.h"
#include "SubKeyIni.h"

#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

// ---- counting the system calls of a save -----------------------------------

namespace {
int Renames = 0, FileSyncs = 0, FolderSyncs = 0;

template <typename F>
F Real(const char* Name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, Name));
}
} // namespace

extern "C" int fsync(int Fd)
{
    static const auto real = Real<int (*)(int)>("fsync");
    struct stat st;
    ++(fstat(Fd, &st) == 0 && S_ISDIR(st.st_mode) ? FolderSyncs : FileSyncs);
    return real(Fd);
}

extern "C" int rename(const char* From, const char* To) noexcept
{
    static const auto real = Real<int (*)(const char*, const char*)>("rename");
    ++Renames;
    return real(From, To);
}

namespace {

// ---- a main window's values ------------------------------------------------

class TBenchHost final : public ISettingsHost {
public:
    TBenchHost()
    {
        Editor_.Font = {"FixedSys", 9};
        Tree_ = {Utf8ToSjis("ＭＳ Ｐゴシック"), 10, 0, 0xFFFFFF};
        Captions_ = {Utf8ToSjis("なし")};
        for (int i = 1; i <= 20; ++i)
            Captions_.push_back(Utf8ToSjis("サブアイコン見出し") + std::to_string(i));
    }
    TFormPlacement Placement() const override { return Form_; }
    void SetPlacement(const TFormPlacement& Value) override { Form_ = Value; }
    std::vector<TScreenArea> ScreenAreas() const override { return {{0, 0, 1920, 1080}}; }
    TEditorSettings DataMemoSettings() const override { return Editor_; }
    void SetDataMemoSettings(const TEditorSettings& Value) override { Editor_ = Value; }
    TTreeLook DataTreeLook() const override { return Tree_; }
    void SetDataTreeLook(const TTreeLook& Value) override { Tree_ = Value; }
    THtmlColors HTMLFountain1Colors() const override { return Html_; }
    void SetHTMLFountain1Colors(const THtmlColors& Value) override { Html_ = Value; }
    bool MenuChecked(std::string_view Name) const override
    {
        const auto item = Menus_.find(Name);
        return item != Menus_.end() && item->second;
    }
    void SetMenuChecked(std::string_view Name, bool Checked) override { Menus_[std::string(Name)] = Checked; }
    void SetButtonDown(std::string_view, bool) override {}
    void SetToolbarFontDockRow(int) override {}
    int SplitKind() const override { return Kind_; }
    void SetSplitKind(int Kind) override { Kind_ = Kind; }
    bool TreePanelVisible() const override { return true; }
    int SplitLine() const override { return Line_; }
    void SetTreePanelHeight(int Height) override { Line_ = Height; }
    void SetTreePanelWidth(int Width) override { Line_ = Width; }
    int WrapSpinValue() const override { return Wrap_; }
    void SetWrapSpinValue(int Value) override { Wrap_ = Value; }
    std::vector<std::string> ImagePopupCaptions() const override { return {Captions_.begin() + 1, Captions_.end()}; }
    void SetSubIconMenu(const std::vector<std::string>& Captions) override { Captions_ = Captions; }

private:
    TFormPlacement Form_{120, 80, 1024, 740, 0};
    TEditorSettings Editor_;
    TTreeLook Tree_;
    THtmlColors Html_;
    std::map<std::string, bool, std::less<>> Menus_;
    int Kind_ = 0, Line_ = 220, Wrap_ = 80;
    std::vector<std::string> Captions_;
};

class TBenchShortCuts final : public IShortCutTarget {
public:
    TShortCut ShortCut(TCommandId Item) const override
    {
        const auto found = Items_.find(Item);
        return found == Items_.end() ? 0 : found->second;
    }
    void SetShortCut(TCommandId Item, TShortCut Value) override { Items_[Item] = Value; }

private:
    std::map<TCommandId, TShortCut> Items_;
};

// ---- the files --------------------------------------------------------------

struct TBenchFiles {
    std::string Folder, Settings, Keys;
    size_t SettingsBytes = 0;
};

// What the program's other parts keep in the settings file: ten recent
// documents of each kind, the line-extraction history and the five
// toolbars' places.
void AddForeignSections(const std::string& FileName)
{
    TIniFile ini(FileName);
    ini.BeginUpdate();
    for (const char* section : {"History", "TreeHistory"}) {
        ini.WriteInteger(section, "Count", 10);
        for (int i = 1; i <= 10; ++i)
            ini.WriteString(section, "File" + std::to_string(i),
                            Utf8ToSjis("/home/user/文書/アウトライン/プロジェクト資料_第") + std::to_string(i)
                                + Utf8ToSjis("版/企画書と議事録のまとめ.vk2"));
    }
    ini.WriteInteger("SearchLine", "Count", 230);
    for (int i = 1; i <= 230; ++i)
        ini.WriteString("SearchLine", "Item" + std::to_string(i),
                        Utf8ToSjis("検索語") + std::to_string(i) + Utf8ToSjis("（行抽出の条件）"));
    for (const char* bar : {"ToolbarFile", "ToolbarTree", "ToolbarEdit", "ToolbarFont", "ToolbarString"})
        for (const char* key : {"Visible", "DockedTo", "DockRow", "DockPos", "FloatLeft", "FloatTop"})
            ini.WriteInteger(bar, key, 1);
    ini.EndUpdate();
}

TBenchFiles& FilesIn(const std::string& Folder)
{
    static std::map<std::string, TBenchFiles> made;
    TBenchFiles& files = made[Folder];
    if (!files.Settings.empty())
        return files;
    files.Folder = Folder + "/velk-settings-bench/";
    std::filesystem::remove_all(files.Folder);
    std::filesystem::create_directories(files.Folder);
    files.Settings = files.Folder + "velk2000.ini";
    files.Keys = files.Folder + "velk2000Key.ini";
    TBenchHost host;
    LoadIni(host, files.Settings);
    SaveIni(host, files.Settings);
    AddForeignSections(files.Settings);
    TBenchShortCuts shortcuts;
    LoadKeyIni(shortcuts, files.Keys);
    SaveKeyIni(shortcuts, files.Keys);
    files.SettingsBytes = ReadFileBytes(files.Settings).size();
    return files;
}

std::string DiskFolder()
{
    const char* folder = std::getenv("VELK_BENCH_DIR");
    return folder ? folder : std::filesystem::current_path().string();
}

// ---- loading ------------------------------------------------------------------

void Load_LoadIniAndLoadKeyIni(benchmark::State& State)
{
    const TBenchFiles& files = FilesIn(DiskFolder());
    for (auto _ : State) {
        SettingsVars = {};
        TBenchHost host;
        TBenchShortCuts shortcuts;
        LoadIni(host, files.Settings);
        LoadKeyIni(shortcuts, files.Keys);
        benchmark::DoNotOptimize(&host);
    }
    State.counters["settings_bytes"] = static_cast<double>(files.SettingsBytes);
}
BENCHMARK(Load_LoadIniAndLoadKeyIni)->Unit(benchmark::kMicrosecond);

void Load_Peer_ReadBothFilesRaw(benchmark::State& State)
{
    const TBenchFiles& files = FilesIn(DiskFolder());
    for (auto _ : State) {
        std::string settings = ReadFileBytes(files.Settings);
        std::string keys = ReadFileBytes(files.Keys);
        benchmark::DoNotOptimize(settings.data());
        benchmark::DoNotOptimize(keys.data());
    }
}
BENCHMARK(Load_Peer_ReadBothFilesRaw)->Unit(benchmark::kMicrosecond);

// ---- saving -------------------------------------------------------------------

void CountPerSave(benchmark::State& State)
{
    const double saves = static_cast<double>(State.iterations());
    State.counters["renames_per_save"] = Renames / saves;
    State.counters["file_fsyncs_per_save"] = FileSyncs / saves;
    State.counters["folder_fsyncs_per_save"] = FolderSyncs / saves;
}

void SaveIniTo(benchmark::State& State, const std::string& Folder)
{
    const TBenchFiles& files = FilesIn(Folder);
    TBenchHost host;
    LoadIni(host, files.Settings);
    Renames = FileSyncs = FolderSyncs = 0;
    for (auto _ : State) {
        SettingsVars.AutoSave = !SettingsVars.AutoSave; // a change, so the file is really replaced
        SaveIni(host, files.Settings);
    }
    CountPerSave(State);
}

void PeerWriteTo(benchmark::State& State, const std::string& Folder)
{
    const TBenchFiles& files = FilesIn(Folder);
    const std::string bytes = ReadFileBytes(files.Settings);
    const std::string peerFile = files.Folder + "peer.ini";
    Renames = FileSyncs = FolderSyncs = 0;
    for (auto _ : State)
        WriteFileAtomic(peerFile, bytes);
    CountPerSave(State);
}

// The floor without the folder's fsync: the bytes to a temporary file,
// its fsync, the rename.
void PeerWriteFileSyncOnlyTo(benchmark::State& State, const std::string& Folder)
{
    const TBenchFiles& files = FilesIn(Folder);
    const std::string bytes = ReadFileBytes(files.Settings);
    const std::string peerFile = files.Folder + "peer.ini", temp = peerFile + ".tmp";
    Renames = FileSyncs = FolderSyncs = 0;
    for (auto _ : State) {
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) || fsync(fd) != 0
            || ::close(fd) != 0 || rename(temp.c_str(), peerFile.c_str()) != 0)
            State.SkipWithError("the peer's write failed");
    }
    CountPerSave(State);
}

void Save_SaveIni_Disk(benchmark::State& State) { SaveIniTo(State, DiskFolder()); }
void Save_Peer_WriteBytesOnce_Disk(benchmark::State& State) { PeerWriteTo(State, DiskFolder()); }
void Save_Peer_FileSyncOnly_Disk(benchmark::State& State) { PeerWriteFileSyncOnlyTo(State, DiskFolder()); }
void Save_SaveIni_Tmpfs(benchmark::State& State) { SaveIniTo(State, "/dev/shm"); }
void Save_Peer_WriteBytesOnce_Tmpfs(benchmark::State& State) { PeerWriteTo(State, "/dev/shm"); }
BENCHMARK(Save_SaveIni_Disk)->Unit(benchmark::kMillisecond);
BENCHMARK(Save_Peer_WriteBytesOnce_Disk)->Unit(benchmark::kMillisecond);
BENCHMARK(Save_Peer_FileSyncOnly_Disk)->Unit(benchmark::kMillisecond);
BENCHMARK(Save_SaveIni_Tmpfs)->Unit(benchmark::kMillisecond);
BENCHMARK(Save_Peer_WriteBytesOnce_Tmpfs)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
