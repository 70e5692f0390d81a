// Opening a document through the real window (1280 x 960, C/C++ colouring,
// the settings of a first run): a document whose one page is 20 MB of C
// and a 41 MB document of 10,000 pages, each timed from LoadOutline to the
// end of the page editor's first paint; then the first Ctrl+End on the
// large page with its paint. The peer is QPlainTextEdit taking the same
// text and painting, then jumping to its end. The counters rss_mb and
// page_rss_mb give the process's resident memory after loading and what
// loading added to the window that was already up (read from
// /proc/self/statm after giving freed memory back).
#include "BenchPage.h"

#include "DocumentFiles.h"
#include "EditModeSwitch.h"
#include "EditorEx.h"
#include "Instances.h"
#include "Main.h"
#include "NodeData.h"
#include "TreeView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

constexpr int CEditMode = 3;
constexpr int ManyPages = 10000;

// The process's resident memory in MB, freed heap given back first.
double ResidentMegabytes()
{
    malloc_trim(0);
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

const std::string& LargePage()
{
    static const std::string text = benchpage::PageText(20);
    return text;
}

// 10,000 pages of about 4 KB each (41 MB in all).
std::vector<std::string> ManyPageTexts()
{
    const std::string& source = LargePage();
    std::vector<std::string> pages;
    const size_t pageBytes = 41u * 1024 * 1024 / ManyPages;
    size_t from = 0;
    for (int i = 0; i < ManyPages; ++i) {
        if (from + pageBytes > source.size())
            from = 0;
        // Each page ends at a line end.
        const size_t end = source.find("\r\n", from + pageBytes);
        pages.push_back(source.substr(from, end + 2 - from));
        from = end + 2;
    }
    return pages;
}

// The program folder is made once per process, with the C/C++ word file:
// every window shares it.
const QTemporaryDir& Home()
{
    static const QTemporaryDir home = [] {
        QTemporaryDir dir;
        setenv("VELK_HOME", dir.path().toLocal8Bit().constData(), 1);
        if (FILE* words = std::fopen((dir.path().toStdString() + "/C_CPlus.dat").c_str(), "w")) {
            std::fputs("char\r\nconst\r\ndouble\r\nfor\r\nif\r\nint\r\nreturn\r\nstatic\r\n", words);
            std::fclose(words);
        }
        return dir;
    }();
    return home;
}

struct TWindow {
    const QTemporaryDir& Folder = Home();
    TInstanceRegistry Instances;
    TVelkForm Form{Instances};
    TWindow()
    {
        Form.FormCreate({});
        Form.resize(benchpage::Width, benchpage::Height);
        Form.show();
        Form.EditModeSwitch().SwitchEditMode(CEditMode);
        QApplication::processEvents();
    }
    TEditorEx& Memo() { return *Form.DataMemo(); }
    void Paint()
    {
        QApplication::processEvents();
        Memo().viewport()->repaint();
    }
};

// Writes a document of the given pages and returns its name (without .vk2).
std::string WriteDocument(const std::vector<std::string>& Pages, const std::string& Name)
{
    const std::string name = Home().path().toStdString() + "/" + Name;
    TWindow window;
    TTreeNodes& items = window.Form.DataTree()->Items();
    items.BeginUpdate();
    items.Clear();
    for (size_t i = 0; i < Pages.size(); ++i) {
        TTreeNode* node = items.Add(nullptr, "page " + std::to_string(i));
        auto data = std::make_unique<TNodeData>();
        data->SetItemStr(Pages[i]);
        node->SetData(std::move(data));
    }
    items.EndUpdate();
    window.Form.DataTree()->SetSelected(items.Item(0));
    window.Memo().SetModified(true);
    if (!window.Form.DocumentFiles().SaveOutline(name))
        std::abort();
    window.Memo().SetModified(false);
    return name;
}

const std::string& OnePageDocument()
{
    static const std::string name = WriteDocument({LargePage()}, "onepage");
    return name;
}

const std::string& ManyPageDocument()
{
    static const std::string name = WriteDocument(ManyPageTexts(), "manypages");
    return name;
}

void OpenToFirstPaint(benchmark::State& State, const std::string& Document)
{
    TWindow window;
    window.Paint();
    const double before = ResidentMegabytes();
    for (auto _ : State) {
        if (!window.Form.DocumentFiles().LoadOutline(Document))
            std::abort();
        window.Paint();
        State.PauseTiming();
        // The idle work a person gives the window before the next open.
        QElapsedTimer idle;
        idle.start();
        while (idle.elapsed() < 1500)
            QApplication::processEvents();
        State.ResumeTiming();
    }
    const double after = ResidentMegabytes();
    State.counters["rss_mb"] = after;
    State.counters["page_rss_mb"] = after - before;
}

// The documents are written before the window that opens them comes up.
void OpenOnePage(benchmark::State& State)
{
    const std::string& document = OnePageDocument();
    OpenToFirstPaint(State, document);
}
void OpenManyPages(benchmark::State& State)
{
    const std::string& document = ManyPageDocument();
    OpenToFirstPaint(State, document);
}

void PressCtrlEnd(QWidget& Target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
    QApplication::sendEvent(&Target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_End, Qt::ControlModifier);
    QApplication::sendEvent(&Target, &release);
}

void CtrlEndAfterOpen(benchmark::State& State)
{
    TWindow window;
    for (auto _ : State) {
        State.PauseTiming();
        if (!window.Form.DocumentFiles().LoadOutline(OnePageDocument()))
            std::abort();
        window.Paint();
        window.Memo().setFocus();
        State.ResumeTiming();
        PressCtrlEnd(window.Memo());
        window.Memo().viewport()->repaint();
    }
}

void PlainTextEditOpen(benchmark::State& State)
{
    const double before = ResidentMegabytes();
    for (auto _ : State) {
        benchpage::TPlainTextPeer peer(LargePage());
        QApplication::processEvents();
        peer.Edit.viewport()->repaint();
        State.PauseTiming();
        State.counters["rss_mb"] = ResidentMegabytes();
        State.counters["page_rss_mb"] = State.counters["rss_mb"] - before;
        State.ResumeTiming();
    }
}

void PlainTextEditCtrlEnd(benchmark::State& State)
{
    for (auto _ : State) {
        State.PauseTiming();
        benchpage::TPlainTextPeer peer(LargePage());
        QApplication::processEvents();
        peer.Edit.viewport()->repaint();
        peer.Edit.setFocus();
        State.ResumeTiming();
        PressCtrlEnd(peer.Edit);
        peer.Edit.viewport()->repaint();
    }
}

} // namespace

BENCHMARK(OpenOnePage)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenManyPages)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(CtrlEndAfterOpen)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainTextEditOpen)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainTextEditCtrlEnd)->Iterations(3)->Unit(benchmark::kMillisecond);
