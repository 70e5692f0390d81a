// Ctrl+S after Ctrl+S in the real window (1280 x 960, the settings of a
// first run) on a document of 10,000 pages of Japanese text (about 41 MB),
// opened as the program opens it: a letter typed into the shown page, then
// FlSaveClick, timed alone. Beside it, in the same run, the floor: the
// document file's bytes written to a new file beside it, flushed to disk
// and renamed over it.
// The counter peak_mb is how far the process's resident memory rose above
// what it was with the document open, while saving.
// The document is written in the current folder (run it on the disk to
// measure), or VELK_BENCH_DOCUMENT names one to open instead: another
// user's document, to time the rewrite in place, run by a user who may
// write it and its folder but give no file its owner or group. One save is
// one repetition, for instance
//   bench_ctrl_s --benchmark_repetitions=10
#include "../common/PeakMemory.h"
#include "../editor_text/JapanesePage.h"
#include "DialogHook.h"
#include "DocumentFile.h"
#include "DocumentFiles.h"
#include "EditorEx.h"
#include "Files.h"
#include "Instances.h"
#include "Main.h"
#include "PageTitle.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// The program folder, made once per process.
const QTemporaryDir& Home()
{
    static const QTemporaryDir home = [] {
        QTemporaryDir dir;
        setenv("VELK_HOME", dir.path().toLocal8Bit().constData(), 1);
        return dir;
    }();
    return home;
}

// The document's name without ".vk2".
const std::string& DocumentName()
{
    static const std::string name = [] {
        if (const char* given = std::getenv("VELK_BENCH_DOCUMENT")) {
            const std::string path = given;
            return path.ends_with(".vk2") ? path.substr(0, path.size() - 4) : path;
        }
        bench::TPageWriter writer(41);
        TFlatPages pages;
        for (int i = 0; i < 10000; ++i) {
            std::string text = writer.Page(4096);
            pages.push_back({i % 4, PageTitle(text), std::move(text), 7, i % 9 == 0 ? 2 : -1});
        }
        const std::string own = std::filesystem::current_path().string() + "/bench_ctrl_s";
        WriteDocumentFile(own + ".vk2", pages, 0, 0);
        return own;
    }();
    return name;
}

// Any question would wait for a person: it is refused and told.
class TNoQuestions : public TDialogHook {
public:
    TDialogAnswer Ask(const TDialogQuestion& Question) override
    {
        Asked = Question.Text;
        return {};
    }
    std::string Asked;
};

struct TWindow {
    const QTemporaryDir& Folder = Home();
    TNoQuestions Questions;
    TInstanceRegistry Instances;
    TVelkForm Form{Instances};
    TWindow()
    {
        SetDialogHook(&Questions);
        Form.FormCreate({});
        Form.resize(1280, 960);
        Form.show();
        QApplication::processEvents();
    }
    ~TWindow()
    {
        Memo().SetModified(false);
        SetDialogHook(nullptr);
    }
    TEditorEx& Memo() { return *Form.DataMemo(); }
    void TypeALetter()
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(&Memo(), &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(&Memo(), &release);
        QApplication::processEvents();
    }
    // Types a letter and saves: whether the save wrote the document.
    bool Save()
    {
        TypeALetter();
        Form.DocumentFiles().FlSaveClick();
        return !Memo().Modified() && Questions.Asked.empty();
    }
};

void CtrlS(benchmark::State& State)
{
    TWindow window;
    if (!window.Form.DocumentFiles().LoadOutline(DocumentName())) {
        State.SkipWithError("the document did not open");
        return;
    }
    window.Memo().setFocus();
    QApplication::processEvents();
    // The Ctrl+S before: the next one checks the file it wrote.
    if (!window.Save()) {
        State.SkipWithError(("the first save did not happen: " + window.Questions.Asked).c_str());
        return;
    }
    const bench::TPeakMemory peak;
    for (auto _ : State) {
        State.PauseTiming();
        window.TypeALetter();
        State.ResumeTiming();
        window.Form.DocumentFiles().FlSaveClick();
        if (window.Memo().Modified() || !window.Questions.Asked.empty()) {
            State.SkipWithError(("the save did not happen: " + window.Questions.Asked).c_str());
            break;
        }
    }
    State.counters["peak_mb"] = peak.RiseMegabytes();
}

// Writes Bytes to a new file beside Target, flushes it to disk and
// renames it over Target.
bool WriteFlushRename(const std::string& Target, const std::string& Bytes)
{
    const std::string temp = Target + ".tmp";
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool written = true;
    for (size_t done = 0; written && done < Bytes.size();) {
        const ssize_t n = write(fd, Bytes.data() + done, Bytes.size() - done);
        written = n > 0;
        done += written ? static_cast<size_t>(n) : 0;
    }
    written = written && fsync(fd) == 0;
    return close(fd) == 0 && written && rename(temp.c_str(), Target.c_str()) == 0;
}

// Beside the document, which it leaves as it is (another user's stays
// theirs).
void Floor(benchmark::State& State)
{
    const std::string bytes = ReadFileBytes(DocumentName() + ".vk2");
    const std::string target = DocumentName() + "-floor.vk2";
    // Each rename puts a file in the place of one as large, as a save does.
    if (!WriteFlushRename(target, bytes)) {
        State.SkipWithError("the write failed");
        return;
    }
    const bench::TPeakMemory peak;
    for (auto _ : State)
        if (!WriteFlushRename(target, bytes)) {
            State.SkipWithError("the write failed");
            break;
        }
    State.counters["peak_mb"] = peak.RiseMegabytes();
    unlink(target.c_str());
}

} // namespace

BENCHMARK(CtrlS)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Floor)->Iterations(1)->Unit(benchmark::kMillisecond);
