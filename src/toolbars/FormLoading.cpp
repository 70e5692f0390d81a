#include "FormLoading.h"

#include "ToolDock.h"
#include "ToolWindow.h"

#include <QScopeGuard>
#include <QVariant>

namespace {

constexpr char LoadingProperty[] = "velkFormLoading";

} // namespace

void BeginFormLoading(QWidget& Form) { Form.setProperty(LoadingProperty, true); }

void EndFormLoading(QWidget& Form)
{
    Form.setProperty(LoadingProperty, QVariant());
    // Each dock lays out once, when all its bars have their sizes.
    const QList<TToolDock*> docks = Form.findChildren<TToolDock*>();
    for (TToolDock* dock : docks) {
        dock->LockLayout();
        dock->LayoutBars();
    }
    const auto unlock = qScopeGuard([&] {
        for (TToolDock* dock : docks)
            dock->UnlockLayout();
    });
    for (TCustomToolWindow* bar : Form.findChildren<TCustomToolWindow*>())
        bar->Loaded();
}

bool FormLoading(const QWidget* Widget)
{
    // A floating bar belongs to its form through its host.
    for (const QWidget* w = Widget; w; w = w->parentWidget())
        if (w->property(LoadingProperty).toBool())
            return true;
    return false;
}
