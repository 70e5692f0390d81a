#include "StrDelForm.h"

#include "ConvertCommands.h"
#include "SubIni.h"

namespace {

const char* const Captions[textconv::StrDelCount] = {
    "重複した行(&E)",
    "指定した文字列(&A)",
    "先頭から指定した文字数(&S)",
    "行頭の半角空白(&D)",
    "行頭のTAB(&T)",
    "行頭にあるすべてのTAB(&U)",
    "行頭にあるすべての全角半角空白(&F)",
    "すべての半角空白(&G)",
    "行末にあるすべての全角半角空白(&H)",
    "全角文字に挟まれた半角空白(&V)",
    "すべての改行コード(&J)",
    "空行 （行頭の改行コード） (&K)",
    "２行以上連続する空行を１行に(&L)",
    "全角文字に挟まれた改行コード(&M)",
    "全角罫線文字(&N)",
};

} // namespace

TStrDelForm::TStrDelForm(QWidget* Parent)
    : TChooserForm(Parent, "文字列削除", "削除メニュー", Captions, 1, SettingsVars.Delete.GStrDelNo)
{}
