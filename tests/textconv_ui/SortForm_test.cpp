// The sort dialog's column: a full-width number from the input method is
// the number.
#include "SortForm.h"

#include "DialogHook.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

TEST(SortForm, AColumnCommittedFullWidthIsTheColumn)
{
    TSortForm form;
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("１２"));
    QApplication::sendEvent(form.Edit1, &commit);
    form.OKButton->click();
    EXPECT_EQ(std::tuple(form.result(), SortChoice().SortPosition, SortChoice().SortPositionEmpty),
              std::tuple(mrOk, 12, false));
}

} // namespace
