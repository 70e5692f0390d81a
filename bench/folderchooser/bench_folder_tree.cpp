// The folder tree on folders made for the run in a temporary folder:
// - expanding a folder of 10,000 sub-folders, every 10th holding one, into
//   an empty node (listing, the sub-folder probe of each child, sorting,
//   node creation and the view's layout), against the floor of a bare
//   readdir with the same probe per child, and against QFileSystemModel
//   reaching directoryLoaded on the same folder;
// - refreshing 20 expanded nodes of 500 sub-folders each with nothing
//   changed (no node may be made or deleted);
// - selecting a path 30 levels deep in a collapsed tree.
#include "ShellNamespace.h"
#include "ShellTreeView.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileSystemModel>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A namespace in a temporary folder, removed at the end of the run.
struct TBenchFolders {
    std::string Root;
    TNamespaceConfig Config;
    std::unique_ptr<TShellNamespace> Namespace;

    TBenchFolders()
    {
        std::string pattern = (fs::temp_directory_path() / "velk-bench-XXXXXX").string();
        Root = mkdtemp(pattern.data());
        Config = {Root + "/home", Root + "/home/Desktop", Root + "/trash", Root + "/mountinfo", Root + "/by-label", {}};
        fs::create_directories(Config.Desktop);
        std::ofstream(Config.MountTable) << "21 1 8:1 / / rw - ext4 /dev/vda rw\n";
        for (int i = 0; i < 10000; ++i) {
            const std::string child = Root + "/home/big/d" + std::to_string(i);
            fs::create_directories(i % 10 == 0 ? child + "/inner" : child);
        }
        for (int folder = 0; folder < 20; ++folder)
            for (int i = 0; i < 500; ++i)
                fs::create_directories(Root + "/home/wide/f" + std::to_string(folder) + "/s" + std::to_string(i));
        std::string deep = Root + "/home/deep";
        for (int level = 0; level < 30; ++level)
            deep += "/level" + std::to_string(level);
        fs::create_directories(deep);
        Namespace = std::make_unique<TShellNamespace>(Config);
    }
    ~TBenchFolders() { fs::remove_all(Root); }
    std::string Big() const { return Root + "/home/big"; }
    std::string Deep() const
    {
        std::string deep = Root + "/home/deep";
        for (int level = 0; level < 30; ++level)
            deep += "/level" + std::to_string(level);
        return deep;
    }
};

TBenchFolders& Folders()
{
    static TBenchFolders folders;
    return folders;
}

TShellTreeNode* Child(TShellTreeNode* Node, const QString& Text)
{
    for (const auto& child : Node->Children)
        if (child->Text == Text)
            return child.get();
    return nullptr;
}

void BM_ExpandFolder(benchmark::State& State)
{
    for (auto _ : State) {
        State.PauseTiming();
        auto view = std::make_unique<TShellTreeView>(nullptr, Folders().Namespace.get());
        view->resize(400, 600);
        view->show();
        TShellTreeNode* big = Child(view->Root()->Children[0].get(), "big");
        State.ResumeTiming();
        view->Expand(big);
        view->doItemsLayout();
        benchmark::DoNotOptimize(big->Children.size());
        State.PauseTiming();
        if (big->Children.size() != 10000)
            State.SkipWithError("not every folder was listed");
        view.reset();
        State.ResumeTiming();
    }
}

// The floor: list the folder and probe each child for a sub-folder.
void BM_ReaddirProbeLoop(benchmark::State& State)
{
    for (auto _ : State) {
        int withSubFolders = 0;
        DIR* folder = opendir(Folders().Big().c_str());
        while (const dirent* entry = readdir(folder)) {
            if (entry->d_type != DT_DIR || entry->d_name[0] == '.')
                continue;
            const int fd = openat(dirfd(folder), entry->d_name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            DIR* child = fdopendir(fd);
            while (const dirent* inner = readdir(child))
                if (inner->d_type == DT_DIR && inner->d_name[0] != '.') {
                    ++withSubFolders;
                    break;
                }
            closedir(child);
        }
        closedir(folder);
        if (withSubFolders != 1000)
            State.SkipWithError("unexpected folder contents");
    }
}

void BM_QFileSystemModelLoad(benchmark::State& State)
{
    const QString big = QString::fromStdString(Folders().Big());
    for (auto _ : State) {
        QFileSystemModel model;
        model.setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
        QEventLoop loop;
        QObject::connect(&model, &QFileSystemModel::directoryLoaded, &loop, [&](const QString& Path) {
            if (Path == big)
                loop.quit();
        });
        model.setRootPath(big);
        loop.exec();
        benchmark::DoNotOptimize(model.rowCount(model.index(big)));
    }
}

void BM_RefreshUnchanged(benchmark::State& State)
{
    TShellTreeView view(nullptr, Folders().Namespace.get());
    TShellTreeNode* wide = Child(view.Root()->Children[0].get(), "wide");
    view.Expand(wide);
    std::vector<TShellTreeNode*> before;
    for (const auto& folder : wide->Children) {
        view.Expand(folder.get());
        for (const auto& child : folder->Children)
            before.push_back(child.get());
    }
    for (auto _ : State)
        view.RefreshNodes();
    std::vector<TShellTreeNode*> after;
    for (const auto& folder : wide->Children)
        for (const auto& child : folder->Children)
            after.push_back(child.get());
    if (before.size() != 10000 || after != before)
        State.SkipWithError("a refresh with nothing changed made or deleted nodes");
}

void BM_SelectPathDeep(benchmark::State& State)
{
    const std::string deep = Folders().Deep();
    for (auto _ : State) {
        State.PauseTiming();
        auto view = std::make_unique<TShellTreeView>(nullptr, Folders().Namespace.get());
        State.ResumeTiming();
        view->SelectPath(deep);
        State.PauseTiming();
        if (view->SelectedPath() != deep)
            State.SkipWithError("the path was not selected");
        view.reset();
        State.ResumeTiming();
    }
}

BENCHMARK(BM_ExpandFolder)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_ReaddirProbeLoop)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_QFileSystemModelLoad)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_RefreshUnchanged)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_SelectPathDeep)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    Folders();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
