// Links in page text (to web and mail addresses, files and other pages):
// inserting them, recognising one under a click and following it on the
// double click; the page-link chooser; and the ten row marks, whose menu
// items show the marked rows.
#pragma once

#include "LinkText.h"

#include <QPointer>

#include <string>

class IPageLinksHost;
class QPoint;
class QWidget;
class TEditorEx;
class TNodeForm;
class TObject;
class TOpenDialog;
class TTreeImageList;
class TTreeView;
class TVelkMenus;

// The window's parts the links work with; they outlive them.
struct TPageLinksParts {
    // The page-link chooser's parent.
    QWidget& Window;
    TVelkMenus& Menus;
    TEditorEx& DataMemo;
    TTreeView& DataTree;
    // Chooses the files of file links.
    TOpenDialog& OpenDialog;
    // The chooser's node pictures.
    TTreeImageList& TreeImages;
    TTreeImageList& TreeSubImages;
    // The dock down the window's left, beside the panes: the chooser is as
    // tall.
    QWidget& LeftDock;
};

class TPageLinks {
public:
    // Binds the link and row mark commands and the page editor's clicks
    // and pointer moves.
    TPageLinks(IPageLinksHost& Host, TPageLinksParts Parts);

    // ---- The editor's events (Sender: the editor) ----
    // Selects the link at the caret and remembers it.
    void DataMemoClick(TObject* Sender);
    // Follows the link the click before remembered.
    void DataMemoDblClick(TObject* Sender);
    // The pointing hand over an address or a link, else the editor's cursor.
    void DataMemoMouseMove(TObject* Sender, QPoint P);

    // ---- Commands ----
    void pEdFileLinkClick();
    void pEdPageLinkClick();
    void SetMarkClick(int Mark);
    void JumpClick(int Mark);
    // Every row mark's items unchecked, with bare captions: a page shown
    // afresh has no marks.
    void ClearMarkItems();

    // The open page-link chooser; null while none is.
    TNodeForm* PageLinkChooser() const;

private:
    void BindCommands();
    void FollowLink(const TEditorEx& Editor);
    // Opens a file with the desktop's handler; asks first for a program.
    void OpenLinkedFile(const std::string& Path);
    // Hands Target to the desktop; tells the user when nothing opens it.
    void OpenLinkTarget(const std::string& Target);
    void InsertPageLink(const std::string& Title);
    // Mark's set and jump items: checked with the marked row's text, or
    // unchecked and bare.
    void ShowMarkItems(int Mark, bool Set, const QString& RowText = {});

    IPageLinksHost& Host_;
    TPageLinksParts Parts_;
    TLink Link_;
    QPointer<TNodeForm> PageLinkChooser_;
};
