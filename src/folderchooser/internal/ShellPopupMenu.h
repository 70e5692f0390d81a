// A context menu for file-system items: the menu's own items with a set of
// file commands merged in, numbered by fixed offsets that the folder tree
// and the file list act on after the menu closes.
#pragma once

#include "ShellIDList.h"

#include <QMenu>
#include <functional>
#include <string>
#include <vector>

// The offsets of the file commands.
enum TShellCommand {
    scOpen = 1,
    scCreateLink = 17,
    scDelete = 18, // moves to the trash
    scRename = 19, // returned to the caller, never run here
    scCut = 25,
    scCopy = 26,
    scPaste = 27, // folders only
};

enum class TShellContextType { shctExplore, shctNormal, shctDefaultOnly };
// Which edge of the menu the popup point holds (the other one under a
// right-to-left layout).
enum class TPopupAlignment { paLeft, paRight, paCenter };

class TShellPopupMenu;
using TShellBeforPopupEvent =
    std::function<void(TShellPopupMenu*, const TShellIDList& Items, QPoint Pos, bool& AllowPopup)>;
using TShellAfterPopupEvent = std::function<void(TShellPopupMenu*, QAction* MenuItem, const TShellIDList& Items)>;

class TShellPopupMenu : public QMenu {
public:
    explicit TShellPopupMenu(QWidget* Parent = nullptr);

    // Where among the menu's own items the file commands go; read clamped
    // to the number of own items.
    int InsertPos() const;
    void SetInsertPos(int Value) { InsertPos_ = Value; }
    // Rename is offered only when this is off.
    bool ReadOnly() const { return ReadOnly_; }
    void SetReadOnly(bool Value) { ReadOnly_ = Value; }
    TShellContextType ContextType() const { return ContextType_; }
    void SetContextType(TShellContextType Value) { ContextType_ = Value; }
    TPopupAlignment Alignment() const { return Alignment_; }
    void SetAlignment(TPopupAlignment Value) { Alignment_ = Value; }

    // AllowPopup starts true.
    TShellBeforPopupEvent OnShBeforPopup;
    TShellAfterPopupEvent OnShAfterPopup;

    // Shows the menu for the items at the screen point; items without a
    // path (Computer, Trash) have none. The result: 0 for nothing (or a
    // command that failed); an own item's command number (its action's
    // data) after its trigger; a file command's offset after it ran,
    // scRename without running it.
    int ShellPopup(const TShellIDList& Items, const QPoint& Pos);

private:
    // The file commands for the items, each an action holding its offset.
    std::vector<QAction*> MakeCommands(QMenu& Menu, const std::vector<std::string>& Paths);
    static bool Run(int Offset, const std::vector<std::string>& Paths);
    QPoint AlignedPoint(const QMenu& Menu, const QPoint& Pos) const;

    int InsertPos_ = 0;
    bool ReadOnly_ = true;
    TShellContextType ContextType_ = TShellContextType::shctExplore;
    TPopupAlignment Alignment_ = TPopupAlignment::paLeft;
};
