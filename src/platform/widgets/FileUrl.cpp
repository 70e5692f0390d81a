#include "FileUrl.h"

#include "OsPath.h"

#include <QByteArray>
#include <QMimeData>
#include <QUrl>
#include <filesystem>

QUrl FileUrl(const std::string& FileName)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(OsPath(FileName), error);
    const QByteArray os = QByteArray::fromStdString(error ? OsPath(FileName) : absolute.string());
    return QUrl::fromEncoded("file://" + os.toPercentEncoding("/"), QUrl::StrictMode);
}

std::string OsNameOfUrl(const QUrl& Url)
{
    return QByteArray::fromPercentEncoding(Url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
}

std::vector<std::string> DroppedFileNames(const QMimeData& Data)
{
    std::vector<std::string> files;
    for (const QUrl& url : Data.urls())
        if (url.isLocalFile())
            files.push_back(FromOsPath(OsNameOfUrl(url)));
    return files;
}
