// Escape cancels and Enter confirms in every conversion dialog, wherever the
// focus is.
#include "CopyForm.h"
#include "ScriptedDialogs.h"
#include "SeikeiForm.h"
#include "SortForm.h"
#include "SpinEx.h"
#include "StrDelForm.h"
#include "StrHenkanForm.h"
#include "StrSeikeiForm.h"
#include "SubIni.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(ConversionDialogs, EscapeCancelsAndEnterConfirmsWhereverTheFocusIs)
{
    SettingsVars.Seikei.Width = "72";
    const auto check = [](const std::function<QDialog*()>& Make, const std::function<QWidget&(QDialog&)>& Focus) {
        for (auto [key, result] :
             {std::pair{Qt::Key_Escape, mrCancel}, {Qt::Key_Return, mrOk}, {Qt::Key_Enter, mrOk}}) {
            std::unique_ptr<QDialog> form(Make());
            form->show();
            Focus(*form).setFocus();
            QTest::keyClick(&Focus(*form), key);
            EXPECT_EQ(form->result(), result) << form->windowTitle().toStdString() << " " << key;
        }
    };
    const auto okButton = [](QDialog& Form) -> QWidget& { return *static_cast<TChooserForm&>(Form).OKButton; };
    check([] { return new TStrHenkanForm; }, okButton);
    check([] { return new TStrSeikeiForm; }, okButton);
    check([] { return new TStrDelForm; }, okButton);
    check([] { return new TSortForm; }, [](QDialog& Form) -> QWidget& { return *static_cast<TSortForm&>(Form).Edit1; });
    check([] { return new TSeikeiForm; },
          [](QDialog& Form) -> QWidget& { return *static_cast<TSeikeiForm&>(Form).MySpinEdit1; });
    check([] { return new TCopyForm; },
          [](QDialog& Form) -> QWidget& { return *static_cast<TCopyForm&>(Form).OkButton; });
}

} // namespace
