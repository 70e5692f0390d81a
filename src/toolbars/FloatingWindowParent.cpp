#include "FloatingWindowParent.h"

#include "SysUtils.h"

#include <cstdint>

TFloatingWindowParent::TFloatingWindowParent(QWidget* OwnerForm)
    : QWidget(OwnerForm, Qt::Tool | Qt::FramelessWindowHint), OwnerForm_(OwnerForm)
{
    setObjectName(QString::fromStdString(
        Format("DockFloatingWindowParent_%.8x", static_cast<unsigned>(reinterpret_cast<uintptr_t>(this)))));
    setAttribute(Qt::WA_DontShowOnScreen);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setGeometry(0, 0, 0, 0);
}

TFloatingWindowParent::~TFloatingWindowParent()
{
    // The bar goes first, while this is still the host it knows.
    const QObjectList bars = children();
    qDeleteAll(bars);
}

void TFloatingWindowParent::SetWantShown(bool WantShown)
{
    WantShown_ = WantShown;
    if (WantShown != isVisible())
        setVisible(WantShown);
}
