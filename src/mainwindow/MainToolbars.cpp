// The toolbars: ToolDock1 along the top holds all five at the first start,
// the file, tree and edit toolbars in its first row, the font and string
// toolbars in its second; ToolDock2 on the left is empty. Each button shows
// a small picture drawn here: one or two characters that name its command.
#include "Main.h"

#include "ButtonHints.h"
#include "DockButton.h"
#include "DockSeparator.h"
#include "DockToolbar.h"
#include "FormLoading.h"
#include "MainMenus.h"
#include "ToolDock.h"
#include "ToolImageList.h"
#include "WindowParts.h"

#include <QLabel>
#include <QPainter>
#include <optional>

namespace {

struct TButtonSpec {
    std::optional<TCommandId> Id; // Cmd::sbSave; none for a separator
    std::string_view Glyph;       // UTF-8, drawn as the picture
    std::string_view Hint;        // UTF-8; buttons of the hint table get theirs from it
};

struct TToolbarSpec {
    std::string_view Name;
    std::string_view Caption;
    int DockRow;
    std::initializer_list<TButtonSpec> Buttons;
};

// clang-format off
const TToolbarSpec ToolbarSpecs[] = {
    {"ToolbarFile", "ファイル", 0,
     {{Cmd::sbPageNew, "新", {}},
      {Cmd::sbOpen, "開", {}},
      {Cmd::sbSave, "保", {}},
      {std::nullopt, {}, {}},
      {Cmd::sbLoadTreeText, "階", {}},
      {Cmd::sbTextOutput, "出", {}}}},
    {"ToolbarTree", "ツリー", 0,
     {{Cmd::sbIns, "前", {}},
      {Cmd::sbAdd, "後", {}},
      {Cmd::sbAddChild, "下", {}},
      {Cmd::sbPageDel, "削", {}},
      {std::nullopt, {}, {}},
      {Cmd::sbMoveUp, "↑", {}},
      {Cmd::sbMoveDown, "↓", {}},
      {Cmd::sbPageUp, "←", {}},
      {Cmd::sbPageDown, "→", {}},
      {std::nullopt, {}, {}},
      {Cmd::sbPageDevide, "分", {}},
      {Cmd::sbPageUnify, "統", {}},
      {std::nullopt, {}, {}},
      {Cmd::sbPrevPage, "▲", {}},
      {Cmd::sbNextPage, "▼", {}},
      {Cmd::sbPageUndo, "◀", {}},
      {Cmd::sbPageRedo, "▶", {}},
      {Cmd::sbSplitTargetNode, "閲", {}},
      {Cmd::sbImage, "□", "サブアイコン"},
      {Cmd::sbSubIcon, "☆", {}}}},
    {"ToolbarEdit", "編集", 0,
     {{Cmd::sbCopy, "写", {}},
      {Cmd::sbCut, "切", {}},
      {Cmd::sbPaste, "貼", {}},
      {std::nullopt, {}, {}},
      {Cmd::sbUndo, "戻", {}},
      {Cmd::sbRedo, "進", {}},
      {std::nullopt, {}, {}},
      {Cmd::sbFind, "検", {}},
      {Cmd::sbFoward, "▽", {}},
      {Cmd::sbBack, "△", {}},
      {Cmd::sbFindList, "覧", "検索リスト表示"},
      {Cmd::sbFListClose, "閉", "検索リストを閉じる"},
      {std::nullopt, {}, {}},
      {Cmd::sbGoEditor, "外", {}},
      {Cmd::sbToEditor, "エ", "ツリー表示切替"}}},
    {"ToolbarFont", "フォント・記号", 1,
     {{Cmd::sbMark, "記", "記号挿入"},
      {Cmd::sbLineNo, "#", "行番号表示"},
      {Cmd::sbRTN, "折", "サイズに応じて右端で折り返す"}}},
    {"ToolbarString", "文字列処理", 1,
     {{Cmd::sbReturn, "改", "指定した数値で改行"},
      {Cmd::sbHenkan, "変", "文字列変換"},
      {Cmd::sbSeikei, "整", "文字列整形"},
      {Cmd::sbDelete, "消", "文字列削除"},
      {std::nullopt, {}, {}},
      {Cmd::sbLeftStr, "左", "左寄せ"},
      {Cmd::sbCenterStr, "中", "センタリング"},
      {Cmd::sbRigthStr, "右", "右寄せ"}}},
};
// clang-format on

QString Utf8(std::string_view Text) { return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size())); }

QPixmap GlyphPicture(const QString& Glyph)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(14);
    painter.setFont(font);
    painter.setPen(QColor(30, 60, 120));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, Glyph);
    return pixmap;
}

} // namespace

void TVelkForm::CreateToolbars()
{
    // The bars line up in the order they are made, and the controls of a
    // bar in the order of the places given them.
    BeginFormLoading(*this);
    ToolDock1_ = new TToolDock(this, "ToolDock1", TDockPosition::dpTop);
    ToolDock2_ = new TToolDock(this, "ToolDock2", TDockPosition::dpLeft);
    Parts_->ButtonImages = std::make_unique<TToolImageList>();

    for (const TToolbarSpec& spec : ToolbarSpecs) {
        auto* bar = new TDockToolbar(ToolDock1_, std::string(spec.Name), Utf8(spec.Caption));
        bar->SetDockRow(spec.DockRow);
        Parts_->Toolbars.emplace(std::string(spec.Name), bar);
        for (const TButtonSpec& button : spec.Buttons) {
            if (!button.Id) {
                new TDockSeparator(bar);
                continue;
            }
            auto* sb = new TDockButton(bar, Utf8(button.Hint));
            sb->setObjectName(Utf8(button.Id->Name()));
            sb->SetImages(Parts_->ButtonImages.get());
            sb->SetImageIndex(Parts_->ButtonImages->Add(GlyphPicture(Utf8(button.Glyph))));
            Parts_->Buttons.emplace(*button.Id, sb);
        }
    }
    TDockToolbar* fontBar = Toolbar("ToolbarFont");
    EdModeLabel_ = new QLabel(QStringLiteral("Text Mode"), fontBar);
    EdModeLabel_->setObjectName(QStringLiteral("EdModeLabel"));
    // Down while the tree stands above the editor.
    Button(Cmd::sbToEditor)->SetGroupIndex(3);
    Button(Cmd::sbToEditor)->SetAllowAllUp(true);
    CreateFontToolbar();
    CreateDropdownButtons();
    EndFormLoading(*this);
}

void TVelkForm::CreateDropdownButtons()
{
    // The page-history buttons go one page back or forward; their arrow
    // parts list the pages to choose from.
    for (const auto& [button, menu] :
         {std::pair{Cmd::sbPageUndo, Cmd::UndoPopup}, std::pair{Cmd::sbPageRedo, Cmd::RedoPopup}}) {
        Button(button)->SetDropdownMenu(Menus_.Popup(menu)->Menu());
        Button(button)->SetDropdownCombo(true);
    }
    // The sub-icon button drops its menu of sub-icons; its arrow stands
    // beside the picture.
    TDockButton* image = Button(Cmd::sbImage);
    image->SetDropdownMenu(Menus_.Popup(Cmd::ImagePopupMenu)->Menu());
    image->resize(image->width() + image->DropdownArrowWidth(), image->height());
}

void TVelkForm::UpdateButtonHints()
{
    for (const TButtonHint& hint : ButtonHintTable())
        Button(hint.Button)
            ->SetHint(QString::fromStdString(ButtonHintText(hint, Menus_.Item(hint.MenuItem)->ShortCut())));
}
