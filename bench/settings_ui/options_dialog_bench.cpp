// Opening the options dialog offscreen with a warm font cache: building it,
// filling it as the Options menu does, and painting its first page once. The peer is
// a dialog of the same shape from stock Qt widgets: six tab pages of about
// a hundred check boxes, radio buttons, spin boxes and edits, two
// QPlainTextEdit previews holding the same texts and a QFontComboBox.
#include "Cp932.h"
#include "EditorEx.h"
#include "HTMLFountain.h"
#include "Menus.h"
#include "OptionsForm.h"
#include "SubIni.h"
#include "TreeView.h"

#include <QCheckBox>
#include <QDialog>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <benchmark/benchmark.h>

namespace {

struct TMainParts {
    TMainParts() : Memo(TEditor::Create<TEditorEx>()), Html(TFileExtComponent::Create<THTMLFountain>(nullptr))
    {
        SettingsVars.AutoSaveTime = 600000;
        SettingsVars.QMark = "> ";
        SettingsVars.UserExt = "txt";
        TFountainBracketCollection& brackets = *Memo->View()->Brackets();
        for (int i = 0; i < 6; ++i)
            brackets.Add();
        Memo->SetText(Utf8ToSjis("見出し\r\n本文の一行目です。\r\n"));
        TFont font;
        font.SetName("IPAGothic");
        font.SetSize(10);
        Tree.SetFont(font);
        for (const char* caption : {"なし", "重要", "未完", "確認"})
            Images.Items().Add("", QString::fromUtf8(caption));
    }
    ~TMainParts() { delete Memo; }

    TEditorEx* Memo;
    TTreeView Tree;
    std::unique_ptr<THTMLFountain> Html;
    TPopupMenu Images;
};

void BM_OptionsDialogOpen(benchmark::State& State)
{
    QFontDatabase::families(); // a warm font cache
    TMainParts parts;
    TOptionTargets targets;
    targets.DataMemo = targets.ActiveEditor = parts.Memo;
    targets.DataTree = &parts.Tree;
    targets.HTMLFountain1 = parts.Html.get();
    targets.ImagePopupMenu = &parts.Images;
    for (auto _ : State) {
        TOpForm form(targets);
        form.FormShow();
        benchmark::DoNotOptimize(form.grab());
    }
}
BENCHMARK(BM_OptionsDialogOpen)->Unit(benchmark::kMillisecond);

void BM_StockQtDialogOpen(benchmark::State& State)
{
    QFontDatabase::families();
    for (auto _ : State) {
        QDialog dialog;
        auto* tabs = new QTabWidget(&dialog);
        for (int page = 0; page < 6; ++page) {
            auto* sheet = new QWidget;
            auto* grid = new QGridLayout(sheet);
            for (int i = 0; i < 16; ++i) {
                QWidget* control = i % 4 == 0 ? static_cast<QWidget*>(new QCheckBox(QStringLiteral("チェック"), sheet))
                                   : i % 4 == 1 ? static_cast<QWidget*>(new QRadioButton(QStringLiteral("選択"), sheet))
                                   : i % 4 == 2 ? static_cast<QWidget*>(new QSpinBox(sheet))
                                                : static_cast<QWidget*>(new QLineEdit(QStringLiteral("文字"), sheet));
                grid->addWidget(control, i / 4, i % 4);
            }
            if (page < 2)
                grid->addWidget(new QPlainTextEdit(QStringLiteral("見本の文です。\nSample text.\n"), sheet), 4, 0, 1,
                                4);
            if (page == 2)
                grid->addWidget(new QFontComboBox(sheet), 4, 0, 1, 4);
            tabs->addTab(sheet, QStringLiteral("ページ"));
        }
        benchmark::DoNotOptimize(dialog.grab());
    }
}
BENCHMARK(BM_StockQtDialogOpen)->Unit(benchmark::kMillisecond);

} // namespace
