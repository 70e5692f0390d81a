// A main window started as the program starts it, in a program folder of
// its own, with a hand-fired auto-save timer and a save that tests decide:
// the document file's saving is not part of the window.
#pragma once

// The window's parts every test reaches.
#include "DockButton.h"
#include "DocumentFiles.h"
#include "EditorEx.h"
#include "Files.h"
#include "FormTimer.h"
#include "Main.h"
#include "ScriptedDialogs.h"
#include "SjisLiteral.h"
#include "SubIni.h"
#include "TreeView.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>

class TInstanceRegistry;
class TMySpinEdit;

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
    // The document's saves are the two below.
    explicit TTestForm(TInstanceRegistry& Instances, std::unique_ptr<IFormTimer> Timer = nullptr);
    // A save that works clears the modified flag; OnSave runs inside it.
    bool SaveWorks = true;
    int Saves = 0;
    int OverSaves = 0;
    std::function<void()> OnSave;
    void FlSaveClick();
    void FlOverSaveClick();
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
    TTreeNode* Node(int AbsoluteIndex) const { return form->DataTree()->Items().Item(AbsoluteIndex); }
    std::string Title(int AbsoluteIndex) const { return Node(AbsoluteIndex)->Text(); }
    // Every page's title in tree order, "a|b".
    std::string Titles() const;
    // "+" or "-" for each named tool button, enabled or not.
    std::string Enabled(std::initializer_list<const char*> Buttons) const;
    // The text of the last question or message shown, "" when none was.
    std::string LastQuestion() const;
    // Starts the window, shows it and puts the focus in the page editor.
    void StartShown();
    // A new run in the same program folder, not yet started: the window
    // goes without closing and the settings variables start afresh, as in
    // a new process.
    void NewRun();
    // A first run, shown and closed, so that the settings file the program
    // writes on its first run is there as a user's would be; then NewRun().
    void RunOnceToWriteSettings();
    // The toolbar's wrap-column field, enabled (the page not wrapping at the
    // window's edge) and focused by a click in the active window.
    TMySpinEdit& WrapField() const;
    void FocusWrapField();

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
    // Types Text into the page editor as keys; keys of characters beyond
    // ASCII carry their text, as an input method's keys do.
    void TypeInPage(const QString& Text);

    std::unique_ptr<TVelkForm> velk;
};

// A shown window with pages made through its buttons, for the tests of the
// views, links, pages and sub-icons.
class ViewsTest : public FormTest {
protected:
    void SetUp() override { StartShown(); }
    // One page per text (the first one is the page the document starts with).
    void MakePages(std::initializer_list<const char*> Texts)
    {
        bool first = true;
        for (const char* text : Texts) {
            if (!first)
                Click("sbAdd");
            first = false;
            Type(QString::fromUtf8(text));
        }
    }
    // Lets panes that were closed go.
    static void Settle()
    {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};
