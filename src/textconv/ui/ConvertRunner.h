// The conversion commands of the editor's popup menu and the string
// toolbar, run on the active editor's selection. The main window's
// handlers forward here by name; each command changes the text in one undo
// step. Questions and dialogs go through the dialog hook.
#pragma once

#include "ConvertCommands.h"

#include <functional>
#include <string>
#include <string_view>

class QWidget;

// What the commands use of the main window.
struct TConvertHost {
    QWidget* Owner = nullptr; // the dialogs are centred over it
    // The active editor's selection; null when there is no editor.
    std::function<textconv::ISelectionEditor*()> Editor;
    std::function<int()> TabWidth;
    std::function<int()> WrapByteCache;
    std::function<int()> InsertNumber;
    std::function<void(int)> SetInsertNumber;
    // The clipping-mode conversion chain.
    std::function<std::string(const std::string&)> ConvertClipText;
    // Source without the occurrences of Find (matching case, no regular
    // expression) into Result; the number deleted.
    std::function<int(const std::string& Source, const std::string& Find, std::string& Result)> DeleteText;
};

class TConvertRunner {
public:
    explicit TConvertRunner(TConvertHost Host) : Host_(std::move(Host)) {}

    // Runs the command of handler Name ("pEdKakko1Click"); false for a name
    // that is no conversion command.
    bool Run(std::string_view Name);

    // The three choosers: each runs the command chosen unless cancelled.
    void sbHenkanClick();
    void sbSeikeiClick();
    void sbDeleteClick();

    // The commands with a question or a dialog of their own.
    void pEdDesuToDaClick();
    void pEdDaToDesuClick();
    void pEdCalcClick();
    void pEdSpecifiedStrDelClick();
    void pEdTopStrDelClick();
    void pEdStrRtnClick();
    void pEdKeisenClick();
    void pEdCommentClick();
    void EdSortClick();

private:
    textconv::TConvertContext Context() const;
    // The selection, empty without an editor.
    std::string Selection() const;
    void Replace(const std::string& Text);
    // Runs the chooser's command of Index; an index without one runs none.
    template <size_t N>
    void RunChoice(const std::array<std::string_view, N>& Choices, int Index);
    // The sentence-style converters' shared steps around Convert.
    void ConvertSentenceStyle(const std::function<std::string(std::string_view, bool)>& Convert);
    // The formatting modes as the settings hold them.
    void RunSeikei(int Mode);

    TConvertHost Host_;
};

// True when Text holds as many 「 as 」; otherwise tells both counts.
bool CheckKakkoPairs(std::string_view Text);
