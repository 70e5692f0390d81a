#include "ScriptedDialogs.h"

TScriptedDialogs::TScriptedDialogs() : Previous_(SetDialogHook(this)) {}

TScriptedDialogs::~TScriptedDialogs() { SetDialogHook(Previous_); }

void TScriptedDialogs::Answer(TModalResult Result) { Script_.push_back({.Answer = {.Result = Result}}); }

void TScriptedDialogs::AnswerReturn() { Script_.push_back({.Sort = TSort::Return}); }

void TScriptedDialogs::AnswerText(const std::string& Text)
{
    Script_.push_back({.Sort = TSort::Text, .Answer = {.Result = mrOk, .Values = {Text}}});
}

void TScriptedDialogs::AnswerFiles(const std::vector<std::string>& Paths)
{
    Script_.push_back({.Sort = TSort::Files, .Answer = {.Result = mrOk, .Values = Paths}});
}

void TScriptedDialogs::AnswerFolder(const std::string& Folder)
{
    Script_.push_back({.Sort = TSort::Folder, .Answer = {.Result = mrOk, .Values = {Folder}}});
}

void TScriptedDialogs::AnswerColor(TColor Color)
{
    Script_.push_back({.Sort = TSort::Color, .Answer = {.Result = mrOk, .Color = Color}});
}

void TScriptedDialogs::AnswerForm(std::function<TModalResult(QDialog&)> Fill)
{
    Script_.push_back({.Sort = TSort::Form, .Fill = std::move(Fill)});
}

TDialogAnswer TScriptedDialogs::Ask(const TDialogQuestion& Question)
{
    Questions_.push_back(Question);
    if (Script_.empty())
        return DefaultAnswer(Question);
    if (Script_.front().Sort == TSort::Form && Question.Kind == TDialogKind::Form) {
        // Taken off the script first: filling the form may ask questions
        // of its own, answered by the answers after it.
        const std::function<TModalResult(QDialog&)> fill = std::move(Script_.front().Fill);
        Script_.pop_front();
        return {.Result = fill(*Question.Form)};
    }
    if (std::optional<TDialogAnswer> answer = Fit(Script_.front(), Question)) {
        Script_.pop_front();
        return *answer;
    }
    return DefaultAnswer(Question);
}

std::optional<TDialogAnswer> TScriptedDialogs::Fit(const TScripted& Scripted, const TDialogQuestion& Question)
{
    switch (Scripted.Sort) {
    case TSort::Result: return FitResult(Scripted.Answer.Result, Question);
    case TSort::Return:
        if (const std::optional<TMsgDlgBtn> button = ReturnButton(Question);
            button && Question.Kind == TDialogKind::Message)
            return TDialogAnswer{.Result = ModalResultOf(*button)};
        return std::nullopt;
    case TSort::Text: return Question.Kind == TDialogKind::Input ? std::optional(Scripted.Answer) : std::nullopt;
    case TSort::Files:
        return Question.Kind == TDialogKind::OpenFile || Question.Kind == TDialogKind::SaveFile
                   ? std::optional(Scripted.Answer)
                   : std::nullopt;
    case TSort::Folder: return Question.Kind == TDialogKind::Folder ? std::optional(Scripted.Answer) : std::nullopt;
    case TSort::Color: return Question.Kind == TDialogKind::Color ? std::optional(Scripted.Answer) : std::nullopt;
    case TSort::Form: break; // taken by Ask
    }
    return std::nullopt;
}

std::optional<TDialogAnswer> TScriptedDialogs::FitResult(TModalResult Result, const TDialogQuestion& Question)
{
    switch (Question.Kind) {
    case TDialogKind::Message: {
        const TMsgDlgButtons buttons = Question.Buttons.Empty() ? TMsgDlgButtons{TMsgDlgBtn::mbOK} : Question.Buttons;
        for (const TMsgDlgBtn button :
             {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbOK, TMsgDlgBtn::mbCancel, TMsgDlgBtn::mbAll})
            if (buttons.Contains(button) && ModalResultOf(button) == Result)
                return TDialogAnswer{.Result = Result};
        return std::nullopt;
    }
    case TDialogKind::Form: return TDialogAnswer{.Result = Result};
    default: break;
    }
    if (Result == mrCancel)
        return TDialogAnswer{};
    if (Result != mrOk)
        return std::nullopt;
    // Confirmed as the dialog opened.
    if (Question.Kind == TDialogKind::Color)
        return TDialogAnswer{.Result = mrOk, .Color = Question.Color};
    if (Question.Kind != TDialogKind::Input && Question.Value.empty())
        return std::nullopt; // no file or folder proposed: OK would choose nothing
    return TDialogAnswer{.Result = mrOk, .Values = {Question.Value}};
}

TDialogAnswer TScriptedDialogs::DefaultAnswer(const TDialogQuestion& Question)
{
    if (Question.Kind != TDialogKind::Message)
        return {};
    for (const TMsgDlgBtn button : {TMsgDlgBtn::mbCancel, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbOK})
        if (Question.Buttons.Contains(button))
            return {.Result = ModalResultOf(button)};
    for (const TMsgDlgBtn button : {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbAll})
        if (Question.Buttons.Contains(button))
            return {.Result = ModalResultOf(button)};
    return {.Result = mrOk};
}

std::vector<std::string> TScriptedDialogs::MessageTexts() const
{
    std::vector<std::string> texts;
    for (const TDialogQuestion& question : Questions_)
        if (question.Kind == TDialogKind::Message)
            texts.push_back(question.Text);
    return texts;
}
