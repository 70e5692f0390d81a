// The conversion commands' items and buttons, and the manuscript-page
// count; the commands on the selection are TConvertRunner's.
#include "ConversionCommands.h"

#include "ConversionCommandsHost.h"
#include "CopyForm.h"
#include "EditorEx.h"
#include "Genkou.h"
#include "MainMenus.h"
#include "MenuItemIds.h"
#include "MenuLayout.h"
#include "NodeData.h"
#include "SubIni.h"
#include "ToolButtonIds.h"
#include "TreeView.h"

namespace {

const std::string& PageText(const TTreeNode& Node) { return static_cast<TNodeData*>(Node.Data())->ItemStr(); }

// The texts of Node's pages: its children from the last to the first, each
// after its own descendants, then Node itself.
void WalkSubtree(const TTreeNode& Node, std::vector<std::string_view>& Texts)
{
    for (int i = Node.Count() - 1; i >= 0; --i)
        WalkSubtree(*Node.Item(i), Texts);
    Texts.push_back(PageText(Node));
}

std::string JoinedWithCrLf(const std::vector<std::string_view>& Texts)
{
    std::string joined;
    for (size_t i = 0; i < Texts.size(); ++i)
        joined.append(i ? "\r\n" : "").append(Texts[i]);
    return joined;
}

} // namespace

TConversionCommands::TConversionCommands(IConversionCommandsHost& Host, TConversionCommandsParts Parts)
    : Host_(Host), Parts_(Parts), ActiveSelection_([this] { return Host_.ActiveEditor(); }),
      Convert_(TConvertHost{
          .Owner = &Parts_.Window,
          .Editor = [this] { return Host_.ActiveEditor() ? &ActiveSelection_ : nullptr; },
          .TabWidth = [this] { return Host_.ActiveEditor()->Caret()->TabSpaceCount(); },
          .WrapByteCache = [this] { return Host_.WrapByteCache(); },
          .InsertNumber = [this] { return Host_.InsertNumber(); },
          .SetInsertNumber = [this](int Value) { Host_.SetInsertNumber(Value); },
          .ConvertClipText = [this](const std::string& Text) { return Host_.ConvertClipText(Text); },
          .DeleteText = [this](const std::string& Source, const std::string& Find,
                               std::string& Result) { return Host_.DeleteText(Source, Find, Result); },
      })
{
    BindCommands();
}

void TConversionCommands::BindCommands()
{
    // Every handler of a command in the menus is named after its item.
    std::vector<std::string> handlers;
    for (const textconv::TConvertCommand& command : textconv::ConvertCommandTable())
        handlers.emplace_back(command.Name);
    for (const char* name :
         {"pEdSpecifiedStrDelClick", "pEdTopStrDelClick", "pEdStrRtnClick", "pEdKeisenClick", "pEdCommentClick"})
        handlers.emplace_back(name);
    std::vector<TCommandBinding> items;
    for (const std::string& handler : handlers) {
        if (!handler.ends_with("Click"))
            continue; // reached through a chooser only
        const std::string_view item = std::string_view(handler).substr(0, handler.size() - 5);
        items.emplace_back(MenuItemId(item), [this, handler] { Convert_.Run(handler); });
    }
    items.emplace_back(Cmd::pEdDesuToDa, [this] { Convert_.pEdDesuToDaClick(); });
    items.emplace_back(Cmd::pEdDaToDesu, [this] { Convert_.pEdDaToDesuClick(); });
    items.emplace_back(Cmd::pEdCalc, [this] { Convert_.pEdCalcClick(); });
    items.emplace_back(Cmd::EdSort, [this] { Convert_.EdSortClick(); });
    items.emplace_back(Cmd::OpGenkou, [this] { OpGenkouClick(); });
    items.emplace_back(Cmd::pEdStrCvDialog, [this] { Convert_.sbHenkanClick(); });
    items.emplace_back(Cmd::pEdSeikeiDialog, [this] { Convert_.sbSeikeiClick(); });
    items.emplace_back(Cmd::pEdDelDialog, [this] { Convert_.sbDeleteClick(); });
    Parts_.Menus.Bind(items);
    const TCommandBinding buttons[] = {
        {Cmd::sbReturn, [this] { Convert_.pEdStrRtnClick(); }},
        {Cmd::sbHenkan, [this] { Convert_.sbHenkanClick(); }},
        {Cmd::sbSeikei, [this] { Convert_.sbSeikeiClick(); }},
        {Cmd::sbDelete, [this] { Convert_.sbDeleteClick(); }},
    };
    Host_.BindButtons(buttons);
}

void TConversionCommands::OpGenkouClick()
{
    TTreeView& tree = Parts_.DataTree;
    TEditorEx& memo = Parts_.DataMemo;
    TTreeNode* node = tree.Items().Selected();
    if (memo.Lines()->Text().empty() || !node)
        return;
    memo.setFocus();
    Host_.StorePage(node);
    std::optional<std::string> subtree;
    if (node->HasChildren()) {
        std::vector<std::string_view> texts;
        WalkSubtree(*node, texts);
        subtree = JoinedWithCrLf(texts);
    }
    std::vector<std::string_view> all;
    const TTreeNodes& items = tree.Items();
    for (int i = 0; i < items.Count(); ++i)
        all.push_back(PageText(*items.Item(i)));
    ShowCopyForm(textconv::GenkouTexts(PageText(*node), subtree, JoinedWithCrLf(all), SettingsVars.BookMoji,
                                       SettingsVars.BookLine),
                 &Parts_.Window);
}
