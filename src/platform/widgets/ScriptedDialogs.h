// A dialog hook for tests: answers each question from a script queued
// beforehand and records every question asked. While it lives it is the
// installed hook; the one it replaced comes back when it goes.
//
//   TScriptedDialogs dialogs;
//   dialogs.Answer(mrNo);
//   form.FlNewClick();
//   EXPECT_EQ(dialogs.Questions().at(0).Text, "データが変更されています。セーブしますか ?");
//
// Answers are taken in order. An answer that does not fit the question
// (a button the box does not have, a file list for an input box) is kept
// for the next question, and this one gets the default answer: Cancel when
// the box has it, else No, else OK; every other dialog is cancelled and a
// form is not shown. PendingAnswers tells whether the script was used up.
#pragma once

#include "DialogHook.h"

#include <deque>
#include <functional>

class TScriptedDialogs : public TDialogHook {
public:
    TScriptedDialogs();
    ~TScriptedDialogs() override;
    TScriptedDialogs(const TScriptedDialogs&) = delete;
    TScriptedDialogs& operator=(const TScriptedDialogs&) = delete;

    // A message box's button. For any other dialog mrOk confirms it as it
    // opened (the text, file name, folder or colour it proposed) and
    // mrCancel cancels it; a form returns Result without being shown.
    void Answer(TModalResult Result);
    // Return pressed in a message box: the button Return presses there
    // (ReturnButton).
    void AnswerReturn();
    // An input box confirmed with Text typed (UTF-8).
    void AnswerText(const std::string& Text);
    // A file dialog confirmed with Paths chosen (UTF-8).
    void AnswerFiles(const std::vector<std::string>& Paths);
    // A folder dialog confirmed with Folder chosen (UTF-8).
    void AnswerFolder(const std::string& Folder);
    // A colour dialog confirmed with Color chosen.
    void AnswerColor(TColor Color);
    // A form run by Fill, which may set its controls; the form is not
    // shown and its result is what Fill returns. Questions the form asks
    // meanwhile take the answers queued after this one.
    void AnswerForm(std::function<TModalResult(QDialog&)> Fill);

    const std::vector<TDialogQuestion>& Questions() const { return Questions_; }
    // The texts of the message boxes asked so far (UTF-8), oldest first.
    std::vector<std::string> MessageTexts() const;
    size_t PendingAnswers() const { return Script_.size(); }

    TDialogAnswer Ask(const TDialogQuestion& Question) override;

private:
    // What a scripted answer gives: a bare result (for any question) or
    // the answer of one kind of dialog.
    enum class TSort { Result, Return, Text, Files, Folder, Color, Form };
    struct TScripted {
        TSort Sort = TSort::Result;
        TDialogAnswer Answer = {};
        std::function<TModalResult(QDialog&)> Fill = {};
    };

    static std::optional<TDialogAnswer> Fit(const TScripted& Scripted, const TDialogQuestion& Question);
    static std::optional<TDialogAnswer> FitResult(TModalResult Result, const TDialogQuestion& Question);
    static TDialogAnswer DefaultAnswer(const TDialogQuestion& Question);

    TDialogHook* Previous_;
    std::deque<TScripted> Script_;
    std::vector<TDialogQuestion> Questions_;
};
