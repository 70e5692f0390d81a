// The conversion, formatting and deletion commands of the editor's popup
// menu and the string toolbar; the commands themselves are TConvertRunner's.
#include "Main.h"

#include "DockButton.h"
#include "EditorEx.h"
#include "EditorSelection.h"

void TVelkForm::BindConvertCommands()
{
    ActiveSelection_ = std::make_unique<TEditorSelection>([this] { return ActiveEditor_; });
    Convert_ = std::make_unique<TConvertRunner>(TConvertHost{
        .Owner = this,
        .Editor = [this] { return ActiveEditor_ ? ActiveSelection_.get() : nullptr; },
        .TabWidth = [this] { return ActiveEditor_->Caret()->TabSpaceCount(); },
        .WrapByteCache = [this] { return WrapByteCache_; },
        .InsertNumber = [this] { return InsertNumber_; },
        .SetInsertNumber = [this](int Value) { InsertNumber_ = Value; },
        .ConvertClipText = [this](const std::string& Text) { return ConvertClipText(Text); },
        .DeleteText =
            [this](const std::string& Source, const std::string& Find, std::string& Result) {
                return DeleteText(Source, Find, Result, soMatchCase);
            },
    });
    // Every handler of a command in the menus is named after its item.
    std::vector<std::string> handlers;
    for (const textconv::TConvertCommand& command : textconv::ConvertCommandTable())
        handlers.emplace_back(command.Name);
    for (const char* name : {"pEdSpecifiedStrDelClick", "pEdTopStrDelClick", "pEdStrRtnClick", "pEdKeisenClick",
                             "pEdCommentClick"})
        handlers.emplace_back(name);
    std::vector<TCommandBinding> items;
    for (const std::string& handler : handlers) {
        if (!handler.ends_with("Click"))
            continue; // reached through a chooser only
        const std::string_view item = std::string_view(handler).substr(0, handler.size() - 5);
        if (Menus_.Item(item))
            items.emplace_back(item, [this, handler] { Convert_->Run(handler); });
    }
    items.emplace_back("pEdDesuToDa", [this] { pEdDesuToDaClick(); });
    items.emplace_back("pEdDaToDesu", [this] { pEdDaToDesuClick(); });
    items.emplace_back("pEdCalc", [this] { pEdCalcClick(); });
    items.emplace_back("EdSort", [this] { EdSortClick(); });
    items.emplace_back("pEdStrCvDialog", [this] { Convert_->sbHenkanClick(); });
    items.emplace_back("pEdSeikeiDialog", [this] { Convert_->sbSeikeiClick(); });
    items.emplace_back("pEdDelDialog", [this] { Convert_->sbDeleteClick(); });
    BindItems(items);
    Button("sbReturn")->OnClick = [this](TObject*) { Convert_->pEdStrRtnClick(); };
    Button("sbHenkan")->OnClick = [this](TObject*) { Convert_->sbHenkanClick(); };
    Button("sbSeikei")->OnClick = [this](TObject*) { Convert_->sbSeikeiClick(); };
    Button("sbDelete")->OnClick = [this](TObject*) { Convert_->sbDeleteClick(); };
}

void TVelkForm::EdSortClick() { Convert_->EdSortClick(); }

void TVelkForm::pEdDesuToDaClick() { Convert_->pEdDesuToDaClick(); }

void TVelkForm::pEdDaToDesuClick() { Convert_->pEdDaToDesuClick(); }

void TVelkForm::pEdCalcClick() { Convert_->pEdCalcClick(); }
