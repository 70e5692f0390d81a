#include "Clipboard.h"

#include "Cp932.h"
#include "Sjis.h"
#include "SysUtils.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <map>
#include <memory>
#include <vector>

namespace {

// Numbers start where the system's registered formats do.
constexpr int FirstFormat = 0xC000;
const QString ProgramOriginType = QStringLiteral("application/x-velk2000-origin");

struct TFormatTable {
    std::map<std::string, int> ByName; // key: the name, ASCII lower case
    std::vector<QString> MimeTypes;    // by format number - FirstFormat
};

TFormatTable& Formats()
{
    static TFormatTable table;
    return table;
}

// One-to-one from folded names to MIME subtypes, so that two names never
// share a type.
QString MimeTypeOf(std::string_view FoldedName)
{
    static constexpr char hex[] = "0123456789abcdef";
    std::string type = "application/x-velk-";
    for (const char c : FoldedName) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9'))
            type += c;
        else if (byte == ' ')
            type += '-';
        else {
            type += '_';
            type += hex[byte >> 4];
            type += hex[byte & 0xF];
        }
    }
    return QString::fromLatin1(type.data(), static_cast<qsizetype>(type.size()));
}

} // namespace

QString ClipboardTextOf(std::string_view Sjis)
{
    std::string lf;
    lf.reserve(Sjis.size());
    // CR and LF are never trail bytes, so bytes can be compared alone.
    for (size_t i = 0; i < Sjis.size(); ++i)
        if (!(Sjis[i] == '\r' && i + 1 < Sjis.size() && Sjis[i + 1] == '\n'))
            lf += Sjis[i];
    return QString::fromStdU16String(SjisToUtf16(lf));
}

std::string SjisOfClipboardText(const QString& Text, int& Unmapped)
{
    const std::string sjis = Utf16ToSjis(Text.toStdU16String(), Unmapped);
    std::string crlf;
    crlf.reserve(sjis.size() + sjis.size() / 16);
    for (size_t i = 0; i < sjis.size(); ++i) {
        if (sjis[i] == '\r' || sjis[i] == '\n') {
            crlf += "\r\n";
            if (sjis[i] == '\r' && i + 1 < sjis.size() && sjis[i + 1] == '\n')
                ++i;
        } else {
            crlf += sjis[i];
        }
    }
    return crlf;
}

int RegisterClipboardFormat(std::string_view Name)
{
    if (Name.empty())
        throw EInvalidOperation("A clipboard format needs a name");
    TFormatTable& formats = Formats();
    std::string key = sjis::LowerAscii(Name);
    if (const auto it = formats.ByName.find(key); it != formats.ByName.end())
        return it->second;
    const int format = FirstFormat + static_cast<int>(formats.MimeTypes.size());
    formats.MimeTypes.push_back(MimeTypeOf(key));
    formats.ByName.emplace(std::move(key), format);
    return format;
}

QString ClipboardFormatMimeType(int Format)
{
    const std::vector<QString>& types = Formats().MimeTypes;
    const long long index = static_cast<long long>(Format) - FirstFormat;
    if (index < 0 || index >= static_cast<long long>(types.size()))
        throw EInvalidOperation(::Format("Unknown clipboard format %d", Format));
    return types[static_cast<size_t>(index)];
}

std::optional<std::string> GetFormatData(const QMimeData* Data, int Format)
{
    const QString type = ClipboardFormatMimeType(Format);
    if (!Data || !Data->hasFormat(type))
        return std::nullopt;
    const QByteArray bytes = Data->data(type);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

void SetFormatData(QMimeData& Data, int Format, std::string_view Bytes)
{
    Data.setData(ClipboardFormatMimeType(Format), QByteArray(Bytes.data(), static_cast<qsizetype>(Bytes.size())));
}

bool ClipboardHasFormat(int Format)
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasFormat(ClipboardFormatMimeType(Format));
}

std::optional<std::string> GetClipboardData(int Format)
{
    return GetFormatData(QGuiApplication::clipboard()->mimeData(), Format);
}

void SetClipboardData(int Format, std::string_view Bytes)
{
    auto data = std::make_unique<QMimeData>();
    SetFormatData(*data, Format, Bytes);
    MarkProgramData(*data);
    QGuiApplication::clipboard()->setMimeData(data.release());
}

void SetProgramClipboardText(std::string_view Sjis) { SetProgramClipboardUnicode(ClipboardTextOf(Sjis)); }

void SetProgramClipboardUnicode(const QString& Text)
{
    auto data = std::make_unique<QMimeData>();
    data->setText(Text);
    MarkProgramData(*data);
    QGuiApplication::clipboard()->setMimeData(data.release());
}

void MarkProgramData(QMimeData& Data) { Data.setData(ProgramOriginType, QByteArray("1")); }

bool IsProgramData(const QMimeData* Data) { return Data && Data->hasFormat(ProgramOriginType); }
