// What the main window owns beside its widgets: the rooms that hold the
// commands' state, the adapters through which each room reaches the window,
// and the helpers the window made. Only the window's own files see it, so a
// room added here rebuilds them and not every user of the window.
// TVelkForm makes the parts and fills them; it names them its friend.
//
// Members are destroyed in reverse of their order here: the rooms, then
// the helpers they use, then the adapters, which outlive every room.
#pragma once

#include "MenuItemIds.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

class IClippingHost;
class IConversionCommandsHost;
class IDocumentHost;
class IEditCommandsHost;
class IEditModeHost;
class IEditorLookHost;
class IExternalEditorHost;
class IFindAndReplaceHost;
class IFontToolbarHost;
class IHelpCommandsHost;
class IOptionCommandsHost;
class IOptionTogglesHost;
class IOutlineCommandsHost;
class IOutlineHost;
class IPageLinksHost;
class IPaneViewsHost;
class ISettingsHost;
class ISubIconHost;
class ITreeViewHost;
class TClippingMode;
class TCloseAfterDialogs;
class TConversionCommands;
class TDockButton;
class TDockToolbar;
class TDocumentFiles;
class TEditCommands;
class TEditModeSwitch;
class TEditorLook;
class TExternalEditor;
class TFindAndReplace;
class TFontToolbar;
class THTMLFountain;
class THelpCommands;
class TOpenDialog;
class TOptionCommands;
class TOptionToggles;
class TOutlineBinding;
class TOutlineCommands;
class TPageLinks;
class TPaneViews;
class TSaveDialog;
class TShortCutDispatcher;
class TSubIcons;
class TToolImageList;
class TTreeChangeWatch;
class TTreeImageList;
class TTreeViewCommands;

struct TWindowParts {
    TWindowParts();
    ~TWindowParts();
    TWindowParts(const TWindowParts&) = delete;
    TWindowParts& operator=(const TWindowParts&) = delete;

    // ---- The window as each room sees it ----
    // Each adapter is nested here so that, as a member of the window's
    // friend, it answers its room with the window's private state; it is
    // defined, and its room made by TVelkForm::Create<Room>(), in the file
    // named beside it. Held as its interface, as only that file sees it
    // whole; declared first, as they outlive every room.
    class TSettingsHost;  // MainSettings.cpp
    class TOutlineHost;   // MainOutlineHost.cpp
    class TDocumentHost;  // MainDocument.cpp
    class TSubIconHost;   // MainSubIcons.cpp
    class TPaneViewsHost; // MainEditingHosts.cpp, with the three below
    class TClippingHost;
    class TExternalEditorHost;
    class TFontToolbarHost;
    class TOutlineCommandsHost; // MainTreeCommands.cpp
    class TTreeViewHost;        // MainTreeViewCommands.cpp
    class TFindHost;            // MainSearchCommands.cpp
    class TEditHost;            // MainEditCommandsHost.cpp
    class TEditModeHost;        // MainEditModeHost.cpp
    class TEditorLookHost;      // MainOptionHosts.cpp, with the three below
    class TOptionTogglesHost;
    class TOptionCommandsHost;
    class TConversionCommandsHost;
    class TPageLinksHost;    // MainPageLinksHost.cpp
    class THelpCommandsHost; // MainHelpCommandsHost.cpp
    std::unique_ptr<ISettingsHost> SettingsHost;
    std::unique_ptr<IOutlineHost> OutlineHost;
    std::unique_ptr<IDocumentHost> DocumentHost;
    std::unique_ptr<ISubIconHost> SubIconHost;
    std::unique_ptr<IPaneViewsHost> PaneViewsHost;
    std::unique_ptr<IClippingHost> ClippingHost;
    std::unique_ptr<IExternalEditorHost> ExternalEditorHost;
    std::unique_ptr<IFontToolbarHost> FontToolbarHost;
    std::unique_ptr<IOutlineCommandsHost> OutlineCommandsHost;
    std::unique_ptr<ITreeViewHost> TreeViewHost;
    std::unique_ptr<IFindAndReplaceHost> FindHost;
    std::unique_ptr<IEditCommandsHost> EditHost;
    std::unique_ptr<IEditModeHost> EditModeHost;
    std::unique_ptr<IEditorLookHost> EditorLookHost;
    std::unique_ptr<IOptionTogglesHost> OptionTogglesHost;
    std::unique_ptr<IOptionCommandsHost> OptionCommandsHost;
    std::unique_ptr<IConversionCommandsHost> ConversionCommandsHost;
    std::unique_ptr<IPageLinksHost> PageLinksHost;
    std::unique_ptr<IHelpCommandsHost> HelpCommandsHost;

    // ---- Helpers the window made (MainForm.cpp, MainToolbars.cpp) ----
    std::unique_ptr<TShortCutDispatcher> Dispatcher;
    std::map<std::string, TDockToolbar*, std::less<>> Toolbars;
    std::map<TCommandId, TDockButton*> Buttons;
    std::unique_ptr<TToolImageList> ButtonImages;
    std::unique_ptr<TTreeChangeWatch> TreeWatch;
    std::unique_ptr<THTMLFountain> HTMLFountain1;
    std::unique_ptr<TOpenDialog> OpenDialog1;
    std::unique_ptr<TSaveDialog> SaveDialog1;
    std::unique_ptr<TTreeImageList> TreeImageList;
    std::unique_ptr<TCloseAfterDialogs> CloseAfterDialogs;

    // ---- The rooms, each made by Create<Room>() beside its adapter ----
    std::unique_ptr<TOutlineBinding> Binding;
    std::unique_ptr<TDocumentFiles> DocumentFiles;
    std::unique_ptr<TOutlineCommands> OutlineCommands;
    std::unique_ptr<TTreeViewCommands> TreeViewCommands;
    std::unique_ptr<TFindAndReplace> FindAndReplace;
    std::unique_ptr<TFontToolbar> FontToolbar;
    std::unique_ptr<TEditCommands> EditCommands;
    std::unique_ptr<TEditModeSwitch> EditModeSwitch;
    std::unique_ptr<TEditorLook> EditorLook;
    std::unique_ptr<TOptionToggles> OptionToggles;
    std::unique_ptr<TOptionCommands> OptionCommands;
    std::unique_ptr<TConversionCommands> ConversionCommands;
    std::unique_ptr<TPaneViews> PaneViews;
    std::unique_ptr<TPageLinks> PageLinks;
    std::unique_ptr<TSubIcons> SubIcons;
    std::unique_ptr<TClippingMode> Clipping;
    std::unique_ptr<TExternalEditor> ExternalEditor;
    std::unique_ptr<THelpCommands> HelpCommands;
};
