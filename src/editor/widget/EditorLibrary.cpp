#include "EditorLibrary.h"

#include "Clipboard.h"
#include "EditorCursors.h"
#include "EditorDotLine.h"
#include "EditorMarkImages.h"

#include <QCoreApplication>
#include <memory>

namespace {

struct TEditorLibrary {
    int BoxClipboardFormat = 0;
    std::vector<QPixmap> ImageDigits;
    std::vector<QPixmap> ImageMarks;
    TDotLineCollection DotLines;
};

std::unique_ptr<TEditorLibrary>& Library()
{
    static std::unique_ptr<TEditorLibrary> library;
    return library;
}

// The images and the cache hold pixmaps, which must not outlive the
// application object.
void EndEditorLibrary() { Library().reset(); }

TEditorLibrary& StartedLibrary()
{
    StartEditorLibrary();
    return *Library();
}

} // namespace

void StartEditorLibrary()
{
    std::unique_ptr<TEditorLibrary>& library = Library();
    if (library)
        return;
    auto made = std::make_unique<TEditorLibrary>();
    made->BoxClipboardFormat = RegisterClipboardFormat("TEditor Box Type");
    InstallEditorCursors();
    made->ImageDigits = DrawDigitMarkImages();
    made->ImageMarks = DrawImageMarkImages();
    library = std::move(made);
    qAddPostRoutine(EndEditorLibrary);
}

int BoxClipboardFormat() { return StartedLibrary().BoxClipboardFormat; }

const std::vector<QPixmap>& DefaultImageDigits() { return StartedLibrary().ImageDigits; }

const std::vector<QPixmap>& DefaultImageMarks() { return StartedLibrary().ImageMarks; }

TDotLineCollection& DotLineCollection() { return StartedLibrary().DotLines; }
