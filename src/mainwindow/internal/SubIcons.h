// Sub-icons: the small picture a page may carry beside its title, chosen
// from the sub-icon menus, loaded from the "Images" folder beside the
// program (else our own pictures), and searched with the sub-icon finder.
// A page's sub-icon is its node's state index: -1 none, 1-10 a sub-icon.
//
// Made with the window's DataTree, whose state images it holds, and its
// menus, it reaches the window through its host.
#pragma once

#include <QPointer>
#include <memory>

class ISubIconHost;
class QIcon;
class QWidget;
class TFindIconForm;
class TMenuItem;
class TStringList;
class TToolImageList;
class TTreeImageList;
class TTreeNode;
class TTreeView;
class TVelkMenus;

class TSubIcons {
public:
    // Our own pictures until LoadSubIcons; no names until the settings
    // give them. Window: the finder's owner, which it opens centred over.
    TSubIcons(ISubIconHost& Host, QWidget& Window, TTreeView& DataTree, TVelkMenus& Menus);
    ~TSubIcons();
    TSubIcons(const TSubIcons&) = delete;
    TSubIcons& operator=(const TSubIcons&) = delete;

    // FdGoSubIcon, OpLoadSubIcon, TrImage0 and sbSubIcon run their handlers.
    void BindCommands();

    // The pictures: image 0 of the "none" entry, then the sub-icons'.
    TTreeImageList& TreeSubImageList() const { return *TreeSubImageList_; }
    // The names (Shift-JIS): line 0 the "none" entry, then the sub-icons'.
    TStringList& SubIconMenu() const { return *SubIconMenu_; }
    // Sub-icon Index's picture; none for "none" (0 and below).
    QIcon SubIconPicture(int Index) const;

    // ImagePopupMenu and the submenu pTreeSubIcon from the names; ten
    // default names when none are set.
    void BuildSubIconMenu();
    // The sub-icon menus, sbImage and the finder show the pictures anew.
    void ShowSubIconPictures();
    void LoadSubIcons();
    // The names as the options dialog left ImagePopupMenu's items.
    void TakeNamesFromImagePopup();
    // The selected page takes the sub-icon of the item Sender.
    void TreeImageSellect(TMenuItem* Sender);
    // sbImage shows ImageIndex (-1 none) and its popup menu opens on a click.
    void SetSubIconButton(int ImageIndex);

    void FdGoSubIconClick();
    // The open finder; null while none is.
    TFindIconForm* SubIconFinder() const;
    int SubIconFinderFilter() const { return SubIconFinderFilter_; }
    void RefreshSubIconFinder();
    // Focuses the finder's page tree; false when it is not open.
    bool FocusSubIconFinder();
    void CloseSubIconFinder();
    // Another document is open: the finder lists every page with a sub-icon.
    void DocumentOpened();
    // Page is being deleted: the finder forgets its entry.
    void PageDeleted(const TTreeNode* Page);

private:
    void SubIconFinderClosed();

    ISubIconHost& Host_;
    QWidget& Window_;
    TTreeView& DataTree_;
    TVelkMenus& Menus_;
    std::unique_ptr<TTreeImageList> TreeSubImageList_;
    std::unique_ptr<TStringList> SubIconMenu_;
    QPointer<TFindIconForm> SubIconFinder_;
    int SubIconFinderFilter_;
    // sbImage shows the selected page's sub-icon from these, or its own
    // picture for none.
    std::unique_ptr<TToolImageList> SubIconButtonImages_;
    TToolImageList* ToolbarImages_ = nullptr;
    int SubIconNoneImage_ = -1;
};
