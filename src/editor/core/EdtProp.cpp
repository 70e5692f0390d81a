#include "EdtProp.h"

TEditorProp::TEditorProp(TComponent* AOwner) : TFileExtComponent(AOwner) {}

TEditorProp::~TEditorProp() = default;

void TEditorProp::AfterConstruction()
{
    TFileExtComponent::AfterConstruction();
    Caret_ = CreateEditorCaret();
    Font_ = std::make_unique<TFont>();
    Font_->SetName("FixedSys");
    Font_->SetColor(clWindowText);
    Imagebar_ = CreateEditorImagebar();
    Leftbar_ = CreateEditorLeftbar();
    Margin_ = CreateEditorMargin();
    Marks_ = CreateEditorMarks();
    ReserveWordList_ = CreateFileExtList();
    Ruler_ = CreateEditorRuler();
    View_ = CreateViewInfo();
    Speed_ = CreateEditorSpeed();
    WrapOption_ = CreateWrapOption();
}

std::unique_ptr<TEditorCaret> TEditorProp::CreateEditorCaret() { return std::make_unique<TEditorCaret>(); }
std::unique_ptr<TEditorImagebar> TEditorProp::CreateEditorImagebar() { return std::make_unique<TEditorImagebar>(); }
std::unique_ptr<TEditorLeftbar> TEditorProp::CreateEditorLeftbar() { return std::make_unique<TEditorLeftbar>(); }
std::unique_ptr<TEditorMargin> TEditorProp::CreateEditorMargin() { return std::make_unique<TEditorMargin>(); }
std::unique_ptr<TEditorMarks> TEditorProp::CreateEditorMarks() { return std::make_unique<TEditorMarks>(); }
std::unique_ptr<TEditorRuler> TEditorProp::CreateEditorRuler() { return std::make_unique<TEditorRuler>(); }
std::unique_ptr<TEditorSpeed> TEditorProp::CreateEditorSpeed() { return std::make_unique<TEditorSpeed>(); }
std::unique_ptr<TEditorViewInfo> TEditorProp::CreateViewInfo() { return TEditorViewInfo::Create(); }
std::unique_ptr<TEditorWrapOption> TEditorProp::CreateWrapOption() { return std::make_unique<TEditorWrapOption>(); }

void TEditorProp::ReadFrom(const TEditorPropClient& Source)
{
    SetColor(Source.Color());
    SetCaret(Source.Caret());
    SetFont(Source.Font());
    SetHitStyle(Source.HitStyle());
    SetImagebar(Source.Imagebar());
    SetLeftbar(Source.Leftbar());
    SetMargin(Source.Margin());
    SetMarks(Source.Marks());
    SetReserveWordList(Source.ReserveWordList());
    SetRuler(Source.Ruler());
    SetScrollBars(Source.ScrollBars());
    SetSpeed(Source.Speed());
    SetView(Source.View());
    SetWordWrap(Source.WordWrap());
    SetWrapOption(Source.WrapOption());
}

void TEditorProp::WriteTo(TEditorPropClient& Dest) const
{
    Dest.SetColor(Color());
    Dest.SetCaret(Caret());
    Dest.SetFont(Font());
    Dest.SetHitStyle(HitStyle());
    Dest.SetImagebar(Imagebar());
    Dest.SetLeftbar(Leftbar());
    Dest.SetMargin(Margin());
    Dest.SetMarks(Marks());
    Dest.SetReserveWordList(ReserveWordList());
    Dest.SetRuler(Ruler());
    Dest.SetScrollBars(ScrollBars());
    Dest.SetSpeed(Speed());
    Dest.SetView(View());
    // Wrapping on: the options first, then the wrap with them. Off: unwrap
    // first, so that the new options wrap nothing.
    if (WordWrap()) {
        Dest.SetWrapOption(WrapOption());
        Dest.SetWordWrap(true);
    } else {
        Dest.SetWordWrap(false);
        Dest.SetWrapOption(WrapOption());
    }
}

void TEditorProp::Assign(const TPersistent* Source)
{
    if (auto source = dynamic_cast<const TEditorPropClient*>(Source)) {
        ReadFrom(*source);
        if (auto holder = dynamic_cast<const TEditorProp*>(Source))
            SetFileExtList(holder->FileExtList());
        return;
    }
    TFileExtComponent::Assign(Source);
}

void TEditorProp::AssignTo(TPersistent* Dest) const
{
    if (auto dest = dynamic_cast<TEditorPropClient*>(Dest)) {
        WriteTo(*dest);
        if (auto holder = dynamic_cast<TEditorProp*>(Dest))
            holder->SetFileExtList(FileExtList());
        return;
    }
    TFileExtComponent::AssignTo(Dest);
}
