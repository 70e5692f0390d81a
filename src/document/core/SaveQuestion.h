// The question asked before a command replaces the open document (new,
// open, a dropped document, a recent file, closing): "save the changes
// first?". The command goes on only when nothing unsaved would be lost:
// after No, or after a save that really left the document saved. A save
// that was cancelled, refused or failed leaves it modified and stops the
// command like Cancel.
#pragma once

#include <functional>

enum class TSaveAnswer { Yes, No, Cancel };

struct TSaveQuestion {
    // The document holds changes not yet in its file.
    std::function<bool()> Modified;
    // Asks "データが変更されています。セーブしますか ?".
    std::function<TSaveAnswer()> Ask;
    // The save command (FlSaveClick) and the forced save (FlOverSaveClick).
    std::function<void()> Save;
    std::function<void()> ForceSave;
};

// Whether the command may go on. Forced: save without asking.
bool MayReplaceDocument(const TSaveQuestion& Question, bool Forced);
