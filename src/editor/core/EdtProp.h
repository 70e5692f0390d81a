// The settings holder: a whole set of editor settings kept apart from any
// editor, taken from one editor and given to another in one step (the split
// view's second pane takes the page editor's this way).
#pragma once

#include "edOptions.h"
#include "edViewInfo.h"
#include "edWrapOption.h"

#include "Graphics.h"
#include "Strings.h"

// The settings of an editor as the holder reads and writes them. The
// editor implements it; object-valued writers assign into the objects the
// editor owns.
class TEditorPropClient {
public:
    virtual TColor Color() const = 0;
    virtual void SetColor(TColor Value) = 0;
    virtual TEditorCaret* Caret() const = 0;
    virtual void SetCaret(const TEditorCaret* Value) = 0;
    virtual TFont* Font() const = 0;
    virtual void SetFont(const TFont* Value) = 0;
    virtual TEditorHitStyle HitStyle() const = 0;
    virtual void SetHitStyle(TEditorHitStyle Value) = 0;
    virtual TEditorImagebar* Imagebar() const = 0;
    virtual void SetImagebar(const TEditorImagebar* Value) = 0;
    virtual TEditorLeftbar* Leftbar() const = 0;
    virtual void SetLeftbar(const TEditorLeftbar* Value) = 0;
    virtual TEditorMargin* Margin() const = 0;
    virtual void SetMargin(const TEditorMargin* Value) = 0;
    virtual TEditorMarks* Marks() const = 0;
    virtual void SetMarks(const TEditorMarks* Value) = 0;
    virtual TStringList* ReserveWordList() const = 0;
    virtual void SetReserveWordList(const TStrings* Value) = 0;
    virtual TEditorRuler* Ruler() const = 0;
    virtual void SetRuler(const TEditorRuler* Value) = 0;
    virtual TScrollStyle ScrollBars() const = 0;
    virtual void SetScrollBars(TScrollStyle Value) = 0;
    virtual TEditorSpeed* Speed() const = 0;
    virtual void SetSpeed(const TEditorSpeed* Value) = 0;
    virtual TEditorViewInfo* View() const = 0;
    virtual void SetView(const TEditorViewInfo* Value) = 0;
    virtual bool WordWrap() const = 0;
    virtual void SetWordWrap(bool Value) = 0;
    virtual TEditorWrapOption* WrapOption() const = 0;
    virtual void SetWrapOption(const TEditorWrapOption* Value) = 0;

protected:
    ~TEditorPropClient() = default;
};

// Make it with TFileExtComponent::Create<TEditorProp>(Owner): its option
// objects are made by the factories below once the object is whole.
class TEditorProp : public TFileExtComponent, public TEditorPropClient {
public:
    explicit TEditorProp(TComponent* AOwner);
    ~TEditorProp() override;

    TColor Color() const override { return Color_; }
    void SetColor(TColor Value) override { Color_ = Value; }
    TEditorCaret* Caret() const override { return Caret_.get(); }
    void SetCaret(const TEditorCaret* Value) override { Caret_->Assign(Value); }
    // "FixedSys" in clWindowText unless set.
    TFont* Font() const override { return Font_.get(); }
    void SetFont(const TFont* Value) override { Font_->Assign(Value); }
    TEditorHitStyle HitStyle() const override { return HitStyle_; }
    void SetHitStyle(TEditorHitStyle Value) override { HitStyle_ = Value; }
    TEditorImagebar* Imagebar() const override { return Imagebar_.get(); }
    void SetImagebar(const TEditorImagebar* Value) override { Imagebar_->Assign(Value); }
    TEditorLeftbar* Leftbar() const override { return Leftbar_.get(); }
    void SetLeftbar(const TEditorLeftbar* Value) override { Leftbar_->Assign(Value); }
    TEditorMargin* Margin() const override { return Margin_.get(); }
    void SetMargin(const TEditorMargin* Value) override { Margin_->Assign(Value); }
    TEditorMarks* Marks() const override { return Marks_.get(); }
    void SetMarks(const TEditorMarks* Value) override { Marks_->Assign(Value); }
    // Sorted, ASCII letters of single-byte characters compared without case,
    // duplicates ignored.
    TStringList* ReserveWordList() const override { return ReserveWordList_.get(); }
    void SetReserveWordList(const TStrings* Value) override { ReserveWordList_->Assign(Value); }
    TEditorRuler* Ruler() const override { return Ruler_.get(); }
    void SetRuler(const TEditorRuler* Value) override { Ruler_->Assign(Value); }
    TScrollStyle ScrollBars() const override { return ScrollBars_; }
    void SetScrollBars(TScrollStyle Value) override { ScrollBars_ = Value; }
    TEditorSpeed* Speed() const override { return Speed_.get(); }
    void SetSpeed(const TEditorSpeed* Value) override { Speed_->Assign(Value); }
    TEditorViewInfo* View() const override { return View_.get(); }
    void SetView(const TEditorViewInfo* Value) override { View_->Assign(Value); }
    bool WordWrap() const override { return WordWrap_; }
    void SetWordWrap(bool Value) override { WordWrap_ = Value; }
    TEditorWrapOption* WrapOption() const override { return WrapOption_.get(); }
    void SetWrapOption(const TEditorWrapOption* Value) override { WrapOption_->Assign(Value); }

    // From an editor: every setting. From another holder: every setting and
    // the file extensions.
    void Assign(const TPersistent* Source) override;

protected:
    // To an editor: every setting, the word wrap last so that the text is
    // wrapped once, with this holder's wrap options. To another holder:
    // every setting and the file extensions.
    void AssignTo(TPersistent* Dest) const override;
    void AfterConstruction() override;

    virtual std::unique_ptr<TEditorCaret> CreateEditorCaret();
    virtual std::unique_ptr<TEditorImagebar> CreateEditorImagebar();
    virtual std::unique_ptr<TEditorLeftbar> CreateEditorLeftbar();
    virtual std::unique_ptr<TEditorMargin> CreateEditorMargin();
    virtual std::unique_ptr<TEditorMarks> CreateEditorMarks();
    virtual std::unique_ptr<TEditorRuler> CreateEditorRuler();
    virtual std::unique_ptr<TEditorSpeed> CreateEditorSpeed();
    virtual std::unique_ptr<TEditorViewInfo> CreateViewInfo();
    virtual std::unique_ptr<TEditorWrapOption> CreateWrapOption();

private:
    void ReadFrom(const TEditorPropClient& Source);
    void WriteTo(TEditorPropClient& Dest) const;

    TColor Color_ = clWindow;
    std::unique_ptr<TEditorCaret> Caret_;
    std::unique_ptr<TFont> Font_;
    TEditorHitStyle HitStyle_ = TEditorHitStyle::hsSelect;
    std::unique_ptr<TEditorImagebar> Imagebar_;
    std::unique_ptr<TEditorLeftbar> Leftbar_;
    std::unique_ptr<TEditorMargin> Margin_;
    std::unique_ptr<TEditorMarks> Marks_;
    std::unique_ptr<TStringList> ReserveWordList_;
    std::unique_ptr<TEditorRuler> Ruler_;
    TScrollStyle ScrollBars_ = TScrollStyle::ssNone;
    std::unique_ptr<TEditorSpeed> Speed_;
    std::unique_ptr<TEditorViewInfo> View_;
    bool WordWrap_ = false;
    std::unique_ptr<TEditorWrapOption> WrapOption_;
};
