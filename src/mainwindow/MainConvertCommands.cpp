// The conversion, formatting and deletion commands of the editor's popup
// menu and the string toolbar; the commands themselves are TConvertRunner's.
#include "Main.h"

#include "ConvertRunner.h"
#include "CopyForm.h"
#include "DockButton.h"
#include "EditorEx.h"
#include "EditorSelection.h"
#include "FindAndReplace.h"
#include "FontToolbar.h"
#include "Genkou.h"
#include "MenuLayout.h"
#include "NodeData.h"
#include "SearchCommands.h"
#include "SubIni.h"

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

void TVelkForm::BindConvertCommands()
{
    ActiveSelection_ = std::make_unique<TEditorSelection>([this] { return ActiveEditor_; });
    Convert_ = std::make_unique<TConvertRunner>(TConvertHost{
        .Owner = this,
        .Editor = [this] { return ActiveEditor_ ? ActiveSelection_.get() : nullptr; },
        .TabWidth = [this] { return ActiveEditor_->Caret()->TabSpaceCount(); },
        .WrapByteCache = [this] { return FontToolbar_->WrapByteCache(); },
        .InsertNumber = [this] { return InsertNumber_; },
        .SetInsertNumber = [this](int Value) { InsertNumber_ = Value; },
        .ConvertClipText = [this](const std::string& Text) { return ConvertClipText(Text); },
        .DeleteText =
            [this](const std::string& Source, const std::string& Find, std::string& Result) {
                return FindAndReplace_->SearchCommands().DeleteText(Source, Find, Result, soMatchCase);
            },
    });
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
        items.emplace_back(MenuItemId(item), [this, handler] { Convert_->Run(handler); });
    }
    items.emplace_back(Cmd::pEdDesuToDa, [this] { pEdDesuToDaClick(); });
    items.emplace_back(Cmd::pEdDaToDesu, [this] { pEdDaToDesuClick(); });
    items.emplace_back(Cmd::pEdCalc, [this] { pEdCalcClick(); });
    items.emplace_back(Cmd::EdSort, [this] { EdSortClick(); });
    items.emplace_back(Cmd::OpGenkou, [this] { OpGenkouClick(); });
    items.emplace_back(Cmd::pEdStrCvDialog, [this] { Convert_->sbHenkanClick(); });
    items.emplace_back(Cmd::pEdSeikeiDialog, [this] { Convert_->sbSeikeiClick(); });
    items.emplace_back(Cmd::pEdDelDialog, [this] { Convert_->sbDeleteClick(); });
    BindItems(items);
    Button(Cmd::sbReturn)->OnClick = [this](TObject*) { Convert_->pEdStrRtnClick(); };
    Button(Cmd::sbHenkan)->OnClick = [this](TObject*) { Convert_->sbHenkanClick(); };
    Button(Cmd::sbSeikei)->OnClick = [this](TObject*) { Convert_->sbSeikeiClick(); };
    Button(Cmd::sbDelete)->OnClick = [this](TObject*) { Convert_->sbDeleteClick(); };
}

void TVelkForm::EdSortClick() { Convert_->EdSortClick(); }

void TVelkForm::pEdDesuToDaClick() { Convert_->pEdDesuToDaClick(); }

void TVelkForm::pEdDaToDesuClick() { Convert_->pEdDaToDesuClick(); }

void TVelkForm::pEdCalcClick() { Convert_->pEdCalcClick(); }

void TVelkForm::OpGenkouClick()
{
    TTreeNode* node = DataTree_->Items().Selected();
    if (DataMemo_->Lines()->Text().empty() || !node)
        return;
    DataMemo_->setFocus();
    StorePage(node);
    std::optional<std::string> subtree;
    if (node->HasChildren()) {
        std::vector<std::string_view> texts;
        WalkSubtree(*node, texts);
        subtree = JoinedWithCrLf(texts);
    }
    std::vector<std::string_view> all;
    const TTreeNodes& items = DataTree_->Items();
    for (int i = 0; i < items.Count(); ++i)
        all.push_back(PageText(*items.Item(i)));
    ShowCopyForm(textconv::GenkouTexts(PageText(*node), subtree, JoinedWithCrLf(all), SettingsVars.BookMoji,
                                       SettingsVars.BookLine),
                 this);
}
