#include "KeyCustomForm.h"

#include "CommandTable.h"
#include "Cp932.h"
#include "DialogFrame.h"
#include "DialogKeyPress.h"
#include "Dialogs.h"
#include "ExceptionHandler.h"
#include "KeyCandidates.h"
#include "QtColor.h"
#include "QtFont.h"
#include "ShortCutText.h"
#include "SubKeyIni.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The selected candidate's colours follow the list's focus and stay as the
// last dialog left them.
TColor SelBackColor = clBlack;
TColor SelTextColor = clBlack;

// A face of the form description (UTF-8) with a character height in pixels.
QFont FormFont(const char* Face, int Pixels)
{
    TFont font;
    font.SetName(Utf8ToSjis(Face));
    font.SetHeight(-Pixels);
    return FontToQFont(font);
}

QString Utf(std::string_view Text) { return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size())); }

} // namespace

// Draws the candidates: greyed while nothing can be chosen, taken keys red.
class TKeyForm::TCandidateDelegate : public QStyledItemDelegate {
public:
    explicit TCandidateDelegate(TKeyForm& Form) : QStyledItemDelegate(&Form), Form_(Form) {}

    void paint(QPainter* Painter, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override
    {
        CatchExceptions([&] {
            const bool selected = Option.state.testFlag(QStyle::State_Selected);
            const bool greyed = Form_.Greyed();
            QColor back = Option.palette.color(QPalette::Base);
            if (selected)
                back = greyed ? Option.palette.color(QPalette::Highlight) : ColorToQColor(SelBackColor);
            Painter->fillRect(Option.rect, back);
            Painter->setPen(ColorToQColor(Form_.CandidateColor(Index.row(), selected)));
            Painter->setFont(Option.font);
            Painter->drawText(Option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, Index.data().toString());
        });
    }
    QSize sizeHint(const QStyleOptionViewItem& Option, const QModelIndex&) const override
    {
        return {Option.rect.width(), std::max(12, QFontMetrics(Option.font).height())};
    }

private:
    TKeyForm& Form_;
};

TKeyForm::TKeyForm(IShortCutTarget& Target, QWidget* Parent) : QDialog(Parent), Target_(Target)
{
    setObjectName("KeyForm");
    setWindowTitle(QStringLiteral("キーカスタマイズ"));
    setFont(FormFont("ＭＳ Ｐゴシック", 12));
    resize(524, 347);

    ListView1 = new QTreeWidget;
    ListView1->setObjectName("ListView1");
    ListView1->setFont(FormFont("ＭＳ Ｐゴシック", 13));
    ListView1->setColumnCount(2);
    ListView1->setHeaderLabels({QStringLiteral("コマンド"), QStringLiteral("キー")});
    ListView1->setColumnWidth(0, 230);
    ListView1->setColumnWidth(1, 110);
    ListView1->header()->setSectionsClickable(false);
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    ListBox1 = new QListWidget;
    ListBox1->setObjectName("ListBox1");
    ListBox1->setFont(FormFont("ＭＳ ゴシック", 12));
    ListBox1->setUniformItemSizes(true);
    ListBox1->setItemDelegate(new TCandidateDelegate(*this));

    Splitter1 = new QSplitter;
    Splitter1->setObjectName("Splitter1");
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(ListView1);
    Splitter1->addWidget(ListBox1);
    Splitter1->setSizes({344, 177});

    NoteLabel = new QLabel;
    NoteLabel->setObjectName("NoteLabel");
    NoteLabel->setWordWrap(true);
    NoteLabel->hide();

    auto* bevel1 = new QFrame;
    bevel1->setObjectName("Bevel1");
    bevel1->setFrameShape(QFrame::StyledPanel);
    auto* boxes = new QHBoxLayout(bevel1);
    boxes->setContentsMargins(6, 2, 6, 2);
    const auto addBox = [&](QCheckBox*& Box, const char* Name) {
        Box = new QCheckBox(QString::fromLatin1(Name));
        Box->setObjectName(QString("Ck%1Key").arg(Name));
        boxes->addWidget(Box);
    };
    addBox(CkCtrlKey, "Ctrl");
    addBox(CkShiftKey, "Shift");
    addBox(CkAltKey, "Alt");
    CkCtrlKey->setChecked(true);

    OkButton = new QPushButton(QStringLiteral("OK!"));
    OkButton->setObjectName("OkButton");
    CanButton = new QPushButton(QStringLiteral("Cancel"));
    CanButton->setObjectName("CanButton");
    for (QPushButton* button : {OkButton, CanButton})
        button->setAutoDefault(false);

    auto* panel1 = new QWidget;
    panel1->setObjectName("Panel1");
    panel1->setFixedHeight(38);
    auto* panelLayout = new QHBoxLayout(panel1);
    panelLayout->setContentsMargins(6, 4, 6, 4);
    panelLayout->addWidget(bevel1);
    panelLayout->addStretch();
    panelLayout->addWidget(OkButton);
    panelLayout->addWidget(CanButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Splitter1, 1);
    layout->addWidget(NoteLabel);
    layout->addWidget(panel1);
    SetDialogFrame(*this, TDialogBorder::Fixed);

    for (QCheckBox* box : {CkCtrlKey, CkShiftKey, CkAltKey})
        connect(box, &QCheckBox::toggled, this, [this] { CatchExceptions([this] { CkCtrlKeyClick(); }); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this,
            [this] { CatchExceptions([this] { ListBox1DblClick(); }); });
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { CatchExceptions([this] { UpdateNote(); }); });
    connect(ListView1, &QTreeWidget::currentItemChanged, this, [this] {
        CatchExceptions([this] {
            UpdateNote();
            ListBox1->viewport()->update();
        });
    });
    connect(OkButton, &QPushButton::clicked, this, [this] { CatchExceptions([this] { OkButtonClick(); }); });
    connect(CanButton, &QPushButton::clicked, this, [this] { done(mrCancel); });
    for (QWidget* control :
         std::initializer_list<QWidget*>{ListView1, ListBox1, CkCtrlKey, CkShiftKey, CkAltKey, OkButton, CanButton})
        control->installEventFilter(this);
}

void TKeyForm::FormShow()
{
    QList<QTreeWidgetItem*> items;
    for (const TCommandRow* row : KeyDialogRows()) {
        std::string key;
        if (!row->IsHeader()) {
            key = ShortCutToText(Target_.ShortCut(*row->Item));
            if (key.empty())
                key = UnDefinedKey;
        }
        items.append(new QTreeWidgetItem({Utf(row->Caption), QString::fromStdString(key)}));
    }
    ListView1->clear();
    ListView1->addTopLevelItems(items);
    ListView1->setCurrentItem(ListView1->topLevelItem(0));
    CkCtrlKey->setChecked(false);
}

void TKeyForm::CkCtrlKeyClick()
{
    KeySetIndex_ = KeySetIndexOf(CkCtrlKey->isChecked(), CkShiftKey->isChecked(), CkAltKey->isChecked());
    FillKeyList();
}

void TKeyForm::FillKeyList()
{
    QStringList lines;
    if (KeySetIndex_ >= 0)
        for (const std::string& key : KeyCandidates(KeySetIndex_))
            lines.append(QString::fromStdString(key));
    else
        for (std::string_view line : NoCombinationLines())
            lines.append(Utf(line));
    ListBox1->setEnabled(KeySetIndex_ >= 0);
    ListBox1->clear();
    ListBox1->addItems(lines);
}

bool TKeyForm::IsKeyAssigned(const std::string& KeyText) const { return KeyHolder(KeyText) != nullptr; }

QTreeWidgetItem* TKeyForm::KeyHolder(const std::string& KeyText) const
{
    if (KeyText == UnDefinedKey)
        return nullptr;
    const QString text = QString::fromStdString(KeyText);
    for (int row = 1; row < ListView1->topLevelItemCount(); ++row)
        if (ListView1->topLevelItem(row)->text(1) == text)
            return ListView1->topLevelItem(row);
    return nullptr;
}

void TKeyForm::ListBox1DblClick()
{
    const QList<QTreeWidgetItem*> rows = ListView1->selectedItems();
    const QList<QListWidgetItem*> candidates = ListBox1->selectedItems();
    if (rows.isEmpty() || candidates.isEmpty() || !ListBox1->isEnabled())
        return;
    QTreeWidgetItem* row = rows.front();
    if (KeyDialogRows().at(static_cast<size_t>(ListView1->indexOfTopLevelItem(row)))->IsHeader())
        return;
    const std::string key = candidates.front()->text().toStdString();
    if (const QTreeWidgetItem* holder = KeyHolder(key)) {
        ShowMessage("このキー割り当ては既に使われています。 " + key + "（" + holder->text(0).toStdString() + "）");
        return;
    }
    row->setText(1, QString::fromStdString(key));
    ListBox1->viewport()->update();
    UpdateNote();
}

void TKeyForm::OkButtonClick()
{
    const std::vector<const TCommandRow*>& rows = KeyDialogRows();
    for (size_t row = 1; row < rows.size(); ++row)
        if (!rows[row]->IsHeader())
            Target_.SetShortCut(*rows[row]->Item,
                                TextToShortCut(ListView1->topLevelItem(static_cast<int>(row))->text(1).toStdString()));
    for (const TCommandRow& row : CommandRegistry())
        if (row.Twin)
            Target_.SetShortCut(*row.Twin, Target_.ShortCut(*row.Item));
    done(mrOk);
}

bool TKeyForm::Greyed() const { return !ListBox1->isEnabled() || ListView1->selectedItems().isEmpty(); }

TColor TKeyForm::CandidateColor(int Row, bool Selected) const
{
    const QListWidgetItem* item = ListBox1->item(Row);
    return CandidateTextColor(Greyed(), Selected, item && IsKeyAssigned(item->text().toStdString()), SelTextColor);
}

void TKeyForm::ListBox1Enter()
{
    SelBackColor = clHighlight;
    SelTextColor = clWhite;
    ListBox1->viewport()->update();
}

void TKeyForm::ListBox1Exit()
{
    SelBackColor = clSilver;
    SelTextColor = clBlack;
    ListBox1->viewport()->update();
}

// The note names the candidate under the cursor, else the selected row's key.
void TKeyForm::UpdateNote()
{
    std::string note;
    if (const QListWidgetItem* candidate = ListBox1->currentItem(); candidate && ListBox1->isEnabled())
        note = DesktopKeyNote(candidate->text().toStdString());
    if (const QTreeWidgetItem* row = ListView1->currentItem(); note.empty() && row)
        note = DesktopKeyNote(row->text(1).toStdString());
    NoteLabel->setText(Utf(note));
    NoteLabel->setVisible(!note.empty());
}

bool TKeyForm::eventFilter(QObject* Watched, QEvent* Event)
{
    bool handled = false;
    CatchExceptions([&] {
        if (Watched == ListBox1 && Event->type() == QEvent::FocusIn)
            ListBox1Enter();
        else if (Watched == ListBox1 && Event->type() == QEvent::FocusOut)
            ListBox1Exit();
        if (Event->type() != QEvent::KeyPress)
            return;
        const int key = static_cast<QKeyEvent*>(Event)->key();
        // In the key list Return and Space give the key, as a double-click
        // does, so that the dialog is used without a mouse.
        if (Watched == ListBox1 && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
            ListBox1DblClick();
            handled = true;
        } else if (const TDialogKey dialogKey = DialogKeyOf(*this, Watched, *Event); dialogKey == TDialogKey::Escape) {
            done(mrCancel);
            handled = true;
        } else if (dialogKey == TDialogKey::Enter) {
            OkButtonClick();
            handled = true;
        }
    });
    return handled || QDialog::eventFilter(Watched, Event);
}

bool ExecuteKeyForm(IShortCutTarget& Target, QWidget* Owner)
{
    TKeyForm form(Target, Owner);
    form.FormShow();
    if (Owner)
        form.move(Owner->geometry().center() - form.rect().center());
    return ShowModal(form) == mrOk;
}
