// The help menu and the document type's association: help files and the
// sample open with the desktop's default handler (no help viewer takes a
// keyword here), and the about box.
#pragma once

#include <functional>
#include <string>
#include <utility>

class IHelpCommandsHost;
class QUrl;
class QWidget;
class TInstanceRegistry;
class TVelkMenus;

// The window's parts the help commands work with; they outlive them.
struct THelpCommandsParts {
    // The about box's parent.
    QWidget& Window;
    TVelkMenus& Menus;
    // The sample does not open again while an instance shows it.
    TInstanceRegistry& Instances;
};

class THelpCommands {
public:
    // Binds the help menu's items and OpAssociation.
    THelpCommands(IHelpCommandsHost& Host, THelpCommandsParts Parts);

    void HpTopicClick();
    void HpOtherHelpClick();
    void HpSampleClick();
    void HpVersionClick();
    void OpAssociationClick();
    // The sample document is there, the document type has a program and
    // no instance shows the sample.
    bool SampleAvailable() const;
    // How help files, the sample and addresses are opened (the desktop's
    // default handler); tests stand in for it.
    void SetOpenUrl(std::function<bool(const QUrl&)> Open) { OpenUrl_ = std::move(Open); }

private:
    void BindCommands();
    void OpenHelpFile(const std::string& File);

    IHelpCommandsHost& Host_;
    THelpCommandsParts Parts_;
    std::function<bool(const QUrl&)> OpenUrl_;
};
