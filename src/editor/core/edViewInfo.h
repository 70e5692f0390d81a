// The editor's colouring view: its own editor colouring scheme, with the
// scheme's brackets, colours and options published as the view's. A change
// in the scheme is a change of the view.
#pragma once

#include "EditorFountain.h"

#include "Construction.h"

#include <memory>

class TEditorViewInfo : public TNotifyPersistent {
public:
    // Make views with Create<T>(): the scheme comes from CreateViewFountain
    // once the object is whole.
    template <class T = TEditorViewInfo>
    static std::unique_ptr<T> Create()
    {
        return Construction::Create<TEditorViewInfo, T>();
    }

    // The view's own scheme, which the editor colours with when it is given
    // no other.
    TEditorFountain* Fountain() const { return Fountain_.get(); }

    TEditorBracketCollection* Brackets() const { return Fountain_->Brackets(); }
    void SetBrackets(const TFountainBracketCollection* Value) { Fountain_->SetBrackets(Value); }
    TEditorColors* Colors() const { return Fountain_->Colors(); }
    void SetColors(const TEditorColors* Value) { Fountain_->SetColors(Value); }
    const std::string& Commenter() const { return Fountain_->Commenter(); }
    void SetCommenter(const std::string& Value) { Fountain_->SetCommenter(Value); }
    bool ControlCode() const { return Fountain_->ControlCode(); }
    void SetControlCode(bool Value) { Fountain_->SetControlCode(Value); }
    const std::string& HexPrefix() const { return Fountain_->HexPrefix(); }
    void SetHexPrefix(const std::string& Value) { Fountain_->SetHexPrefix(Value); }
    bool Mail() const { return Fountain_->Mail(); }
    void SetMail(bool Value) { Fountain_->SetMail(Value); }
    const std::string& Quotation() const { return Fountain_->Quotation(); }
    // Keeps only the first character of Value.
    void SetQuotation(const std::string& Value);
    bool Url() const { return Fountain_->Url(); }
    void SetUrl(bool Value) { Fountain_->SetUrl(Value); }

    // From another view: brackets, colours and options, as one change.
    void Assign(const TPersistent* Source) override;

protected:
    TEditorViewInfo() = default;
    virtual std::unique_ptr<TEditorFountain> CreateViewFountain();

private:
    friend struct Construction;
    void AfterConstruction();

    std::unique_ptr<TEditorFountain> Fountain_;
};
