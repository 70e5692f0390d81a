// A main window started as the program starts it, in a program folder of
// its own, with a hand-fired auto-save timer and a save that tests decide:
// the document file's saving is not part of the window.
#pragma once

#include "Main.h"
#include "ScriptedDialogs.h"
#include "SjisLiteral.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class TInstanceRegistry;

class TFakeTimer : public IFormTimer {
public:
    void SetInterval(std::optional<int> Value) override { Interval_ = Value; }
    std::optional<int> Interval() const override { return Interval_; }
    void Fire() { OnTimer(); }

private:
    std::optional<int> Interval_;
};

class TTestForm : public TVelkForm {
public:
    using TVelkForm::TVelkForm;
    // A save that works clears the modified flag; OnSave runs inside it.
    bool SaveWorks = true;
    int Saves = 0;
    int OverSaves = 0;
    std::function<void()> OnSave;
    void FlSaveClick() override;
    void FlOverSaveClick() override;
};

inline const std::string SaveQuestion = "データが変更されています。セーブしますか ?";

class FormTest : public testing::Test {
protected:
    FormTest();
    ~FormTest() override;

    // The program folder, ending in "/" (the same for every test of a
    // process; emptied before each).
    static const std::string& Home();
    // Types Text into the focused page editor as keys.
    void Type(const QString& Text);
    void Click(const char* Button);
    std::string Panel(int Index) const;
    std::string Title(int AbsoluteIndex) const;
    // The text of the last question or message shown, "" when none was.
    std::string LastQuestion() const;
    // Starts the window, shows it and puts the focus in the page editor.
    void StartShown();

    TScriptedDialogs dialogs;
    std::unique_ptr<TInstanceRegistry> instances;
    TFakeTimer* timer = nullptr;
    std::unique_ptr<TTestForm> form;
};

// The window with its real saves (FormTest's form stands in for them).
class RealFormTest : public FormTest {
protected:
    RealFormTest();
    ~RealFormTest() override;

    std::unique_ptr<TVelkForm> velk;
};
