// A started main window with pages made through its buttons, for the
// tests of the split and browse views, links and sub-icons.
#pragma once

#include "FormFixture.h"

#include "EditorEx.h"
#include "TreeView.h"

#include <QApplication>
#include <QTest>
#include <initializer_list>

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
    TTreeNode* Node(int AbsoluteIndex) const { return form->DataTree()->Items().Item(AbsoluteIndex); }
    // Lets panes that were closed go.
    static void Settle()
    {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};
