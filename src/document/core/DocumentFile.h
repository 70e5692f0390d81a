// The document file on disk: reading and writing it whole, the checks made
// before a save, the backup copy, and text files read as pages. Names are
// the program's (Shift-JIS) file names.
#pragma once

#include "FileSystem.h"
#include "FileVersion.h"
#include "TextReading.h"
#include "Vk2Codec.h"

#include <optional>
#include <string>

// Why a save to FileName is refused before anything is written: a CD or
// DVD, a file system mounted read-only, a file without write permission.
struct TSaveRefusal {
    std::string Reason;       // as the user reads it; empty when nothing refuses it
    bool OpticalDisc = false; // no save can ever reach the medium: an error, not a warning
};
TSaveRefusal SaveRefusal(const std::string& FileName);
// Another program holds an exclusive lock on the file, or a save is
// rewriting it in place (WriteFileAtomic's lock).
bool IsFileLocked(const std::string& FileName);

// Reads the whole document. Raises EFOpenError (unreadable) or EVk2Format
// (damaged: the format broken, or records that no longer match the tree,
// CheckTitlesAgreeWithTexts); the message names the file, and the whole
// copy a save cut short left beside it, the one the file is the start of
// (SaveCopyBeside), when there is one.
// Version, when given, receives what the file held, to tell a later change
// by another program.
// A document the open doubts (TVk2Document::Doubt) is first kept as it is
// beside its file (TBesideName::Original, once for the same bytes), so no
// save can make a loss final; Notice, when given, receives what the open
// tells of it (else ""). Where the copy cannot be made in a folder a save
// could write, the document is refused untouched.
TVk2Document ReadDocumentFile(const std::string& FileName, int SubIconCount,
                              std::optional<TFileVersion>* Version = nullptr, std::string* Notice = nullptr);
// What opening FileName tells of the whole copies beside it that differ
// from it and are newer (NewerSaveCopiesBeside), each named: a save stopped
// before it rewrote the file left what it saved only there. "" when there
// are none. The file opens all the same.
std::string NewerSaveCopiesNotice(const std::string& FileName);
// Writes the document atomically: the old file stays whole on any failure,
// which raises EFCreateError or EVk2TooLarge. Gives what the file now holds.
TFileVersion WriteDocumentFile(const std::string& FileName, const TFlatPages& Pages, int SelectedIndex, int EditMode,
                               TFileSystem& System = SystemFileSystem());
// The same for the pages of a tree, written from where the tree keeps
// their texts.
TFileVersion WriteDocumentFile(const std::string& FileName, const TTreeNodes& Nodes, int SelectedIndex, int EditMode,
                               TFileSystem& System = SystemFileSystem());

// What became of a backup: why it was not made, as the user reads it (to
// set the folder again when the folder is the trouble), or "" when it was
// made or there is no document file yet. OtherUsersBackup: the backup is
// another user's file, which this user cannot replace; that stays so.
struct TBackupOutcome {
    std::string Failure;
    bool OtherUsersBackup = false;
};
// Copies DocumentFile to Folder/<its name without extension>.vk~ through a
// temporary file, so a failed copy never harms the previous backup, and never
// over a backup the user made read-only. The backup takes the document's group
// and permissions (TMadeFrom::Copy): a copy of a private document is private
// too.
TBackupOutcome BackupDocument(const std::string& DocumentFile, const std::string& Folder,
                              TFileSystem& System = SystemFileSystem());

// A text file as page text: ReadTextFile (its encoding judged by the rule
// every text file is read by; a file that is no text raises EFOpenError
// naming it), then lone LF and lone CR become CR LF.
TTextReading ReadTextAsPage(const std::string& FileName);
std::string NormalizeLineBreaks(std::string_view Text);
