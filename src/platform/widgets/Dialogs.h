// The program's modal questions, all asked through the dialog hook.
// Messages, captions and prompts are UTF-8; values and paths are Shift-JIS.
// A typed text that Shift-JIS cannot hold is refused with an error box, as
// if the dialog had been cancelled, rather than taken with "?" in place of
// the characters it cannot hold; a path is always the file it names
// (OsPath.h).
#pragma once

#include "DialogHook.h"

#include <optional>
#include <string>
#include <vector>

class QDialog;

// A message box with Buttons; the result of the button pressed. Escape and
// closing the box give Cancel, else No, else OK.
TModalResult MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons);
// A message box whose buttons say what they do: Captions gives some of
// Buttons words of their own (UTF-8) and Return presses Default; Escape and
// closing the box give what they give in MessageDlg.
TModalResult MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                        std::vector<std::pair<TMsgDlgBtn, std::string>> Captions, TMsgDlgBtn Default);
// The same with the box's top edge centred on TopCentre.
TModalResult MessageDlgAt(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, const QPoint& TopCentre);
// A box with the application's name as caption and an OK button.
void ShowMessage(const std::string& Msg);
// A box of DlgType with an OK button: telling, not asking.
void Tell(const std::string& Msg, TMsgDlgType DlgType);
// Tell, but only the first time this run that Msg is to be told: for a
// failure that would otherwise come back at every command, such as a
// settings file the user keeps read-only.
void TellOnce(const std::string& Msg, TMsgDlgType DlgType);
// TellOnce for several failures at once: those of Msgs not told this run,
// one a line in one box, or no box when every one was.
void TellOnce(const std::vector<std::string>& Msgs, TMsgDlgType DlgType);
// Counts Msg as told this run, so that TellOnce leaves it out: a failure
// the user has been told of in other words.
void CountAsTold(const std::string& Msg);

// A one-line input box that opens on Value. On OK, Value becomes what was
// typed and the result is true.
bool InputQuery(const std::string& Caption, const std::string& Prompt, std::string& Value);
// The text typed, or Default when the box is cancelled.
std::string InputBox(const std::string& Caption, const std::string& Prompt, const std::string& Default);

// The Shift-JIS form of text the user typed into a field, or nothing, after
// telling the user, when Shift-JIS cannot hold it.
std::optional<std::string> TypedText(const std::string& Utf8);

// A folder dialog that opens on Directory. On OK, Directory becomes the
// chosen folder and the result is true.
bool SelectDirectory(const std::string& Caption, std::string& Directory);

// Tells the user that a file name (the program's form) cannot stand in page
// text (a link, a title), and what in it keeps it out: a character whose
// Shift-JIS code reads back as another, one Shift-JIS has no code for, or
// bytes that are not UTF-8.
void RefuseFileName(const std::string& FileName);

enum class TOpenOption { ofAllowMultiSelect, ofOverwritePrompt };
using TOpenOptions = TSet<TOpenOption>;

// A file dialog kept by a form: its filter, folder and file name stay
// between runs, as the user left them.
class TOpenDialog {
public:
    TOpenDialog() = default;

    // "description|patterns|description|patterns", patterns separated by
    // ";" ("テキスト|*.txt;*.htm*|All Files|*.*"); UTF-8.
    const std::string& Filter() const { return Filter_; }
    void SetFilter(const std::string& Value) { Filter_ = Value; }
    const std::string& InitialDir() const { return InitialDir_; }
    void SetInitialDir(const std::string& Value) { InitialDir_ = Value; }
    // The file chosen (the first when several were), or the one to
    // propose.
    const std::string& FileName() const { return FileName_; }
    void SetFileName(const std::string& Value) { FileName_ = Value; }
    // Every file chosen by the last run that was confirmed.
    const std::vector<std::string>& Files() const { return Files_; }
    // The caption; empty for the dialog's own. UTF-8.
    const std::string& Title() const { return Title_; }
    void SetTitle(const std::string& Value) { Title_ = Value; }
    TOpenOptions Options() const { return Options_; }
    void SetOptions(TOpenOptions Value) { Options_ = Value; }

    // Shows the dialog. On OK, FileName and Files hold the choice and the
    // result is true; otherwise nothing changes.
    bool Execute();

protected:
    explicit TOpenDialog(TDialogKind Kind) : Kind_(Kind) {}

private:
    TDialogKind Kind_ = TDialogKind::OpenFile;
    std::string Filter_;
    std::string InitialDir_;
    std::string FileName_;
    std::vector<std::string> Files_;
    std::string Title_;
    TOpenOptions Options_;
};

class TSaveDialog : public TOpenDialog {
public:
    TSaveDialog() : TOpenDialog(TDialogKind::SaveFile) {}
};

class TColorDialog {
public:
    // The colour the dialog opens on, and after OK the colour chosen.
    TColor Color() const { return Color_; }
    void SetColor(TColor Value) { Color_ = Value; }
    bool Execute();

private:
    TColor Color_ = clBlack;
};

// Runs one of the program's forms modally and returns its result (a form
// closed without one gives mrCancel).
TModalResult ShowModal(QDialog& Form);
