#include "StrHenkanForm.h"

#include "ConvertCommands.h"
#include "QtColor.h"
#include "SubIni.h"

#include <QRadioButton>

namespace {

const char* const Captions[textconv::StrHenkanCount] = {
    "タブ⇒半角空白(&T)",
    "半角空白⇒タブ(&S)",
    "全角空白⇒半角空白２個(&G)",
    "半角空白２個⇒全角空白(&F)",
    "大文字⇒小文字(&B)",
    "小文字⇒大文字(&L)",
    "全角⇒半角",
    "全角かな⇒半角カタカナ",
    "全角英数⇒半角英数(&Z)",
    "全角英⇒半角英",
    "全角数⇒半角数",
    "半角⇒全角",
    "半角カタカナ⇒全角カタカナ",
    "半角カタカナ⇒全角ひらがな",
    "半角英数⇒全角英数(&H)",
    "半角英⇒全角英",
    "半角数⇒全角数",
    "全角カタカナ⇒全角ひらがな",
    "全角ひらがな⇒全角カタカナ",
    "です・でした⇒だ・だった",
    "だ・だった⇒です・でした",
    "９桁以下の全角数字⇒漢数字",
};

// The first index of each kind of conversion and its colour (0x00BBGGRR):
// blanks and case, to half width, to full width, kana, sentence style.
struct TColorGroup {
    int First;
    TColor Color;
};
constexpr TColorGroup Groups[] = {{6, 0xCC0066}, {11, 0x914800}, {17, 0x306000}, {19, 0x6F00DD}};

} // namespace

// In two columns, so that OK and Cancel stay on a screen 600 pixels high:
// the blank, case and half-width conversions, then the full-width, kana and
// sentence-style ones.
TStrHenkanForm::TStrHenkanForm(QWidget* Parent)
    : TChooserForm(Parent, "文字列変換", "文字列変換", Captions, 2, SettingsVars.Convert.StrHenkanNo)
{
    for (const TColorGroup& group : Groups)
        for (int i = group.First; i < static_cast<int>(textconv::StrHenkanCount); ++i) {
            QPalette palette = Radio(i)->palette();
            palette.setColor(QPalette::WindowText, ColorToQColor(group.Color));
            Radio(i)->setPalette(palette);
        }
}
