// The options dialog's tree page: the preview of the page tree's font and
// colours, and the sub-icon captions edited in a tree of their own.
#include "OptionsForm.h"

#include "Cp932.h"
#include "Dialogs.h"
#include "Menus.h"
#include "OptionsFontList.h"
#include "OptionsRules.h"
#include "OptionsWorkState.h"
#include "SpinEx.h"
#include "SubIni.h"
#include "TreeView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

QString Q(const std::string& Sjis) { return QString::fromStdString(SjisToUtf8(Sjis)); }

bool IsFirstNode(const TTreeNode* Node, const TTreeView& Tree) { return Node && Node == Tree.Items().GetFirstNode(); }

} // namespace

void TOpForm::FillSubIconTree()
{
    TTreeNodes& nodes = ImageTree->Items();
    nodes.OnChanging = nullptr;
    nodes.OnChange = nullptr;
    nodes.Clear();
    static const std::string settingsCaption = Utf8ToSjis("設定");
    TMenuItem& items = Targets_.ImagePopupMenu->Items();
    for (int i = 0; i < items.Count(); ++i) {
        const std::string caption = Utf8ToSjis(UnescapeMenuCaption(items.Items(i)->Caption()).toStdString());
        TTreeNode* selected = nodes.Selected();
        TTreeNode* node = i == 0   ? nodes.Add(nullptr, settingsCaption)
                          : i == 1 ? nodes.AddChild(selected, caption)
                                   : nodes.Add(selected, caption);
        node->SetStateIndex(i);
        // Only "設定" shows the tree's picture, the closed folder.
        node->SetImageIndex(i == 0 ? 0 : -1);
        node->SetSelectedIndex(i == 0 ? 0 : -1);
        nodes.SetSelected(node);
    }
    ImageTree->FullExpand();
    if (nodes.Count() > 1)
        nodes.SetSelected(nodes.Item(1));
    nodes.OnChanging = [this](TTreeNode* Node) { ImageTreeChanging(Node); };
    nodes.OnChange = [this](TTreeNode* Node) { ImageTreeChange(Node); };
    ImageTreeChange(nodes.Selected());

    const TTreeView& tree = *Targets_.DataTree;
    ImageTree->SetColor(tree.Color());
    ImageTree->SetFont(tree.Font());
    trFontComboBox->setCurrentText(Q(tree.Font().Name()));
    trFontSpinEd->SetValue(tree.Font().Size());
    // The tree's style set starts from the settings each time, so a style
    // box cancelled last time is not carried into this one.
    TFontStyles& style = OptionsWorkState().TreeStyle;
    style = {};
    trCheckBold->setChecked(SettingsVars.TreeFontBold);
    trCheckItalic->setChecked(SettingsVars.TreeFontItalic);
}

void TOpForm::ImageTreeChanging(TTreeNode*)
{
    TTreeNode* current = ImageTree->Selected();
    if (!current || IsFirstNode(current, *ImageTree))
        return;
    // A caption trimmed to nothing keeps the old one: the menu skips empty
    // captions, which would shift every later caption onto the wrong icon.
    const std::string caption = TrimCaption(Utf8ToSjis(ImageEdit->text().toStdString()));
    if (!caption.empty())
        current->SetText(caption);
}

// The captions are edited in the box below the tree or in the tree itself;
// the first node "設定" is not a caption.
void TOpForm::ImageTreeChange(TTreeNode* Node)
{
    const bool first = !Node || IsFirstNode(Node, *ImageTree);
    ImageEdit->setEnabled(!first);
    ImageTree->SetReadOnly(first);
    ImageEdit->setText(Node ? Q(Node->Text()) : QString());
}

void TOpForm::ImageTreeEdited(TTreeNode* Node, std::string& Text)
{
    Text = TrimCaption(Text);
    if (Text.empty())
        Text = Node->Text();
    ImageEdit->setText(Q(Text));
}

void TOpForm::ImageEditExit()
{
    TTreeNode* current = ImageTree->Selected();
    const std::string caption = TrimCaption(Utf8ToSjis(ImageEdit->text().toStdString()));
    if (current && !IsFirstNode(current, *ImageTree) && !caption.empty())
        current->SetText(caption);
}

void TOpForm::RebuildImagePopupMenu()
{
    TMenuItem& items = Targets_.ImagePopupMenu->Items();
    items.Clear();
    const TTreeNodes& nodes = ImageTree->Items();
    for (int i = 0; i < nodes.Count(); ++i) {
        const QString caption = i == 0 ? QString::fromUtf8("なし(&N)") : EscapeMenuCaption(Q(nodes.Item(i)->Text()));
        TMenuItem* item = items.Add("TrImage" + std::to_string(i), caption, [this](TObject* Sender) {
            if (Targets_.TreeImageSellect)
                Targets_.TreeImageSellect(static_cast<TMenuItem*>(Sender));
        });
        item->SetTag(i == 0 ? 0 : 100 + i);
    }
}

void TOpForm::SetTreeFontStyle()
{
    TFontStyles& style = OptionsWorkState().TreeStyle;
    for (auto [box, member] :
         {std::pair{trCheckBold, TFontStyle::fsBold}, std::pair{trCheckItalic, TFontStyle::fsItalic}}) {
        if (box->isChecked())
            style.Include(member);
        else
            style.Exclude(member);
    }
    TFont font;
    font.Assign(&ImageTree->Font());
    font.SetStyle(style);
    ImageTree->SetFont(font);
}

void TOpForm::PickTreeColor(bool FontColor)
{
    TColorDialog dialog;
    dialog.SetColor(FontColor ? ImageTree->Font().Color() : ImageTree->Color());
    if (!dialog.Execute())
        return;
    if (!FontColor) {
        ImageTree->SetColor(dialog.Color());
        return;
    }
    TFont font;
    font.Assign(&ImageTree->Font());
    font.SetColor(dialog.Color());
    ImageTree->SetFont(font);
}
