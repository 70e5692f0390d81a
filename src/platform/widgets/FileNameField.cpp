#include "FileNameField.h"

#include "OsPath.h"

#include <QLineEdit>
#include <QVariant>

namespace {

// The property that keeps the name an edit was given.
constexpr const char* kShownFileName = "shownFileName";

} // namespace

QString ShownName(std::string_view FileName) { return QString::fromStdString(ShownPath(FileName)); }

void ShowFileName(QLineEdit& Edit, const std::string& FileName)
{
    Edit.setText(ShownName(FileName));
    Edit.setProperty(kShownFileName, QByteArray::fromStdString(FileName));
}

std::string FileNameIn(const QLineEdit& Edit)
{
    const std::string shown = Edit.property(kShownFileName).toByteArray().toStdString();
    if (Edit.text() == ShownName(shown))
        return shown;
    return FromOsPath(Edit.text().toStdString());
}
