#include "edViewInfo.h"

#include "Sjis.h"

// The scheme's writers announce a real change to its listeners, among them
// this view, so each writer here is one change of the view.

void TEditorViewInfo::AfterConstruction()
{
    Fountain_ = CreateViewFountain();
    Fountain_->NotifyEventList()->Add(MakeMethod<&TNotifyPersistent::ChangedProc>(this));
}

std::unique_ptr<TEditorFountain> TEditorViewInfo::CreateViewFountain()
{
    return std::unique_ptr<TEditorFountain>(TFileExtComponent::Create<TEditorFountain>(nullptr));
}

void TEditorViewInfo::SetQuotation(const std::string& Value)
{
    Fountain_->SetQuotation(Value.empty() ? Value : Value.substr(0, sjis::CharLen(Value, 0)));
}

void TEditorViewInfo::Assign(const TPersistent* Source)
{
    auto source = dynamic_cast<const TEditorViewInfo*>(Source);
    if (!source) {
        TNotifyPersistent::Assign(Source);
        return;
    }
    BeginUpdate();
    SetBrackets(source->Brackets());
    SetColors(source->Colors());
    SetCommenter(source->Commenter());
    SetControlCode(source->ControlCode());
    SetHexPrefix(source->HexPrefix());
    SetMail(source->Mail());
    SetQuotation(source->Quotation());
    SetUrl(source->Url());
    EndUpdate();
}
