// What the conversion commands need of the main window beside the parts
// they work on. The main window implements it; tests can use a fake.
#pragma once

#include "MainMenus.h"

#include <span>
#include <string>

class TEditorEx;
class TTreeNode;

class IConversionCommandsHost {
public:
    virtual ~IConversionCommandsHost() = default;

    // The pane the commands act on; null when there is none.
    virtual TEditorEx* ActiveEditor() const = 0;
    // The editor's text goes into Node's page before the pages are counted.
    virtual void StorePage(TTreeNode* Node) = 0;
    // The number the next line numbering starts at.
    virtual int InsertNumber() const = 0;
    virtual void SetInsertNumber(int Value) = 0;
    // The wrap column the font toolbar remembers.
    virtual int WrapByteCache() const = 0;
    // The clipping-mode conversion chain.
    virtual std::string ConvertClipText(const std::string& Text) const = 0;
    // Source without the occurrences of Find (matching case, no regular
    // expression) into Result; the number deleted.
    virtual int DeleteText(const std::string& Source, const std::string& Find, std::string& Result) = 0;
    // Gives the toolbar buttons (sbReturn, sbHenkan, sbSeikei, sbDelete)
    // their handlers.
    virtual void BindButtons(std::span<const TCommandBinding> Buttons) = 0;
};
