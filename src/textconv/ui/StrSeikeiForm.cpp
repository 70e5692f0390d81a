#include "StrSeikeiForm.h"

#include "ConvertCommands.h"
#include "SubIni.h"

namespace {

const char* const Captions[textconv::StrSeikeiCount] = {
    "「」に囲まれた文を改行(&A)",
    "半角英数字を半角空白で区分(&S)",
    "行頭に半角空白挿入(&D)",
    "行頭にTabを挿入する(&T)",
    "行頭に全角空白挿入(&F)",
    "行頭に引用符挿入(&G)",
    "行頭にナンバー挿入(&H)",
    "全角の（）で囲む(&J)",
    "全角の「」で囲む(&K)",
    "全角の『』で囲む(&L)",
    "全角の【】で囲む(&Z)",
    "全角の［］で囲む(&X)",
    "全角の《》で囲む(&C)",
    "半角の{* *}で囲む(&V)",
    "半角の{! !}で囲む(&B)",
    "半角の/* */で囲む(&N)",
    "改行コードを<BR>+改行コードへ(&Q)",
    "文字列反転(&W)",
    "A := B ⇒ B := A(&E)",
    "WebText整形",
    "論理行を段落とみなす",
    "Delphi用コメント",
    "英数文字列の一番先頭を大文字に",
    "青空文庫の傍点",
};

} // namespace

TStrSeikeiForm::TStrSeikeiForm(QWidget* Parent)
    : TChooserForm(Parent, "文字列整形", "整形メニュー", Captions, 2, SettingsVars.Seikei.StrSeikeiNo)
{}
