#include "EditorReconversion.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QWidget>

void SetReconvertString(QWidget* Window)
{
    if (!Window || !Window->hasFocus())
        return;
    QGuiApplication::inputMethod()->update(Qt::ImQueryAll);
}
