// The window as the Options menu, its switches, the page editor's look and
// the conversion commands see it, and the making of those rooms.
#include "Main.h"

#include "ConversionCommands.h"
#include "ConversionCommandsHost.h"
#include "EditorLook.h"
#include "EditorLookHost.h"
#include "FindAndReplace.h"
#include "FontToolbar.h"
#include "OptionCommands.h"
#include "OptionCommandsHost.h"
#include "OptionToggles.h"
#include "OptionTogglesHost.h"
#include "OutlineBinding.h"
#include "SearchCommands.h"
#include "ToolButtonIds.h"
#include "WindowParts.h"

class TWindowParts::TEditorLookHost final : public IEditorLookHost {
public:
    explicit TEditorLookHost(TVelkForm& Form) : Form_(Form) {}
    TEditorEx* SecondEditor() const override { return Form_.SecondEditor(); }
    int EditMode() const override { return Form_.EditMode(); }

private:
    TVelkForm& Form_;
};

class TWindowParts::TOptionTogglesHost final : public IOptionTogglesHost {
public:
    explicit TOptionTogglesHost(TVelkForm& Form) : Form_(Form) {}
    TEditorEx* ActiveEditor() const override { return Form_.ActiveEditor_; }
    TEditorEx* SecondEditor() const override { return Form_.SecondEditor(); }
    int InsertNumber() const override { return Form_.InsertNumber_; }
    void SetInsertNumber(int Value) override { Form_.InsertNumber_ = Value; }
    TDockToolbar* Toolbar(std::string_view Name) const override { return Form_.Toolbar(Name); }

private:
    TVelkForm& Form_;
};

class TWindowParts::TOptionCommandsHost final : public IOptionCommandsHost {
public:
    explicit TOptionCommandsHost(TVelkForm& Form) : Form_(Form) {}
    TEditorEx* ActiveEditor() const override { return Form_.ActiveEditor_; }
    ISettingsHost& Settings() override { return *Form_.Parts_->SettingsHost; }
    void SetInsertNumber(int Value) override { Form_.InsertNumber_ = Value; }
    void ClearPageHistory() override { Form_.ClearPageHistory(); }
    void UpdateCaretPanel() override { Form_.UpdateCaretPanel(); }
    void ApplyScrollBars(TEditorEx& Editor) override { Form_.ApplyScrollBars(Editor); }
    void ApplyWindowWrap() override { Form_.ApplyWindowWrap(); }
    void UpdateToolButtons() override { Form_.UpdateToolButtons(); }

private:
    TVelkForm& Form_;
};

class TWindowParts::TConversionCommandsHost final : public IConversionCommandsHost {
public:
    explicit TConversionCommandsHost(TVelkForm& Form) : Form_(Form) {}
    TEditorEx* ActiveEditor() const override { return Form_.ActiveEditor_; }
    void StorePage(TTreeNode* Node) override { Form_.Parts_->Binding->StorePage(Node); }
    int InsertNumber() const override { return Form_.InsertNumber_; }
    void SetInsertNumber(int Value) override { Form_.InsertNumber_ = Value; }
    int WrapByteCache() const override { return Form_.Parts_->FontToolbar->WrapByteCache(); }
    std::string ConvertClipText(const std::string& Text) const override { return Form_.ConvertClipText(Text); }
    int DeleteText(const std::string& Source, const std::string& Find, std::string& Result) override
    {
        return Form_.Parts_->FindAndReplace->SearchCommands().DeleteText(Source, Find, Result, soMatchCase);
    }
    void BindButtons(std::span<const TCommandBinding> Buttons) override { Form_.BindButtons(Buttons); }

private:
    TVelkForm& Form_;
};

void TVelkForm::CreateOptionRooms()
{
    Parts_->EditorLookHost = std::make_unique<TWindowParts::TEditorLookHost>(*this);
    Parts_->EditorLook = std::make_unique<TEditorLook>(
        *Parts_->EditorLookHost, TEditorLookParts{*DataMemo_, *DataTree_, *Parts_->HTMLFountain1});
    Parts_->OptionTogglesHost = std::make_unique<TWindowParts::TOptionTogglesHost>(*this);
    Parts_->OptionToggles = std::make_unique<TOptionToggles>(
        *Parts_->OptionTogglesHost, TOptionTogglesParts{Menus_, *DataMemo_, *StatusPanels_[5]});
    Parts_->OptionCommandsHost = std::make_unique<TWindowParts::TOptionCommandsHost>(*this);
    Parts_->OptionCommands = std::make_unique<TOptionCommands>(
        *Parts_->OptionCommandsHost,
        TOptionCommandsParts{*this, Menus_, *DataMemo_, *DataTree_, *Parts_->HTMLFountain1, *Parts_->TreeImageList,
                             *Parts_->SubIcons, *Parts_->PaneViews, *Parts_->FontToolbar, *Parts_->EditorLook,
                             *Parts_->EditModeSwitch, *Parts_->ExternalEditor, *Parts_->Clipping, *Timer1_,
                             *Parts_->OpenDialog1, *Parts_->SaveDialog1, *Button(Cmd::sbGoEditor)});
    Parts_->ConversionCommandsHost = std::make_unique<TWindowParts::TConversionCommandsHost>(*this);
    Parts_->ConversionCommands = std::make_unique<TConversionCommands>(
        *Parts_->ConversionCommandsHost, TConversionCommandsParts{*this, Menus_, *DataMemo_, *DataTree_});
}
