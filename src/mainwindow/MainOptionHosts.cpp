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

class TVelkForm::TEditorLookHost final : public IEditorLookHost {
public:
    explicit TEditorLookHost(TVelkForm& Form) : Form_(Form) {}
    TEditorEx* SecondEditor() const override { return Form_.SecondEditor(); }
    int EditMode() const override { return Form_.EditMode(); }

private:
    TVelkForm& Form_;
};

class TVelkForm::TOptionTogglesHost final : public IOptionTogglesHost {
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

class TVelkForm::TOptionCommandsHost final : public IOptionCommandsHost {
public:
    explicit TOptionCommandsHost(TVelkForm& Form) : Form_(Form) {}
    TEditorEx* ActiveEditor() const override { return Form_.ActiveEditor_; }
    ISettingsHost& Settings() override { return *Form_.SettingsHost_; }
    void SetInsertNumber(int Value) override { Form_.InsertNumber_ = Value; }
    void ClearPageHistory() override { Form_.ClearPageHistory(); }
    void UpdateCaretPanel() override { Form_.UpdateCaretPanel(); }
    void ApplyScrollBars(TEditorEx& Editor) override { Form_.ApplyScrollBars(Editor); }
    void ApplyWindowWrap() override { Form_.ApplyWindowWrap(); }
    void UpdateToolButtons() override { Form_.UpdateToolButtons(); }

private:
    TVelkForm& Form_;
};

class TVelkForm::TConversionCommandsHost final : public IConversionCommandsHost {
public:
    explicit TConversionCommandsHost(TVelkForm& Form) : Form_(Form) {}
    TEditorEx* ActiveEditor() const override { return Form_.ActiveEditor_; }
    void StorePage(TTreeNode* Node) override { Form_.Binding_->StorePage(Node); }
    int InsertNumber() const override { return Form_.InsertNumber_; }
    void SetInsertNumber(int Value) override { Form_.InsertNumber_ = Value; }
    int WrapByteCache() const override { return Form_.FontToolbar_->WrapByteCache(); }
    std::string ConvertClipText(const std::string& Text) const override { return Form_.ConvertClipText(Text); }
    int DeleteText(const std::string& Source, const std::string& Find, std::string& Result) override
    {
        return Form_.FindAndReplace_->SearchCommands().DeleteText(Source, Find, Result, soMatchCase);
    }
    void BindButtons(std::span<const TCommandBinding> Buttons) override { Form_.BindButtons(Buttons); }

private:
    TVelkForm& Form_;
};

void TVelkForm::CreateOptionRooms()
{
    EditorLookHost_ = std::make_unique<TEditorLookHost>(*this);
    EditorLook_ =
        std::make_unique<TEditorLook>(*EditorLookHost_, TEditorLookParts{*DataMemo_, *DataTree_, *HTMLFountain1_});
    OptionTogglesHost_ = std::make_unique<TOptionTogglesHost>(*this);
    OptionToggles_ = std::make_unique<TOptionToggles>(*OptionTogglesHost_,
                                                      TOptionTogglesParts{Menus_, *DataMemo_, *StatusPanels_[5]});
    OptionCommandsHost_ = std::make_unique<TOptionCommandsHost>(*this);
    OptionCommands_ = std::make_unique<TOptionCommands>(
        *OptionCommandsHost_,
        TOptionCommandsParts{*this, Menus_, *DataMemo_, *DataTree_, *HTMLFountain1_, *TreeImageList_, *SubIcons_,
                             *PaneViews_, *FontToolbar_, *EditorLook_, *EditModeSwitch_, *ExternalEditor_, *Clipping_,
                             *Timer1_, *OpenDialog1_, *SaveDialog1_, *Button(Cmd::sbGoEditor)});
    ConversionCommandsHost_ = std::make_unique<TConversionCommandsHost>(*this);
    ConversionCommands_ = std::make_unique<TConversionCommands>(
        *ConversionCommandsHost_, TConversionCommandsParts{*this, Menus_, *DataMemo_, *DataTree_});
}
