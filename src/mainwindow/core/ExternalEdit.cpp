#include "ExternalEdit.h"

#include "Cp932.h"
#include "OsPath.h"

namespace {

void ReplaceAll(std::string& Text, std::string_view From, std::string_view To)
{
    for (size_t at = Text.find(From); at != std::string::npos; at = Text.find(From, at + To.size()))
        Text.replace(at, From.size(), To);
}

// Text without Word, also where taking one out joins another from the
// bytes on its two sides: one pass, dropping Word whenever what is kept
// ends in it.
std::string WithoutEvery(std::string_view Text, std::string_view Word)
{
    std::string kept;
    kept.reserve(Text.size());
    for (const char c : Text) {
        kept += c;
        if (kept.ends_with(Word))
            kept.resize(kept.size() - Word.size());
    }
    return kept;
}

// CR LF, LF and CR are all one line end; a final one is dropped.
std::string LinesOf(std::string_view Text)
{
    std::string lines = CrlfLineEnds(Text);
    if (lines.ends_with("\r\n"))
        lines.resize(lines.size() - 2);
    return lines;
}

QString OsText(std::string_view Sjis) { return QString::fromStdString(SjisToUtf8(Sjis)); }

} // namespace

std::string ExpandEditorTemplate(std::string_view Template, int Row)
{
    std::string command = WithoutEvery(Template, "/%WIN%");
    ReplaceAll(command, "%LINE%", std::to_string(Row));
    return command;
}

QStringList ShellWords(const QString& CommandLine)
{
    // Within double quotes a backslash keeps only these as they are.
    static const QString keptInDoubleQuotes = QStringLiteral("\"\\$`");
    QStringList words;
    QString word;
    bool inWord = false;
    QChar quote; // the quote that is open, if any
    for (qsizetype i = 0; i < CommandLine.size(); ++i) {
        const QChar c = CommandLine[i];
        const bool hasNext = i + 1 < CommandLine.size();
        if (c == u'\\' && hasNext
            && (quote.isNull() || (quote == u'"' && keptInDoubleQuotes.contains(CommandLine[i + 1])))) {
            word += CommandLine[++i];
        } else if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                word += c;
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u' ' || c == u'\t' || c == u'\n') {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
            continue;
        } else {
            word += c;
        }
        inWord = true;
    }
    if (inWord)
        words << word;
    return words;
}

TProgramCommand CommandWithFile(std::string_view CommandLine, const std::string& File)
{
    const QStringList words = ShellWords(OsText(CommandLine));
    TProgramCommand command;
    if (words.isEmpty())
        return command;
    command.Program = words.front().toStdString();
    for (qsizetype i = 1; i < words.size(); ++i)
        command.Arguments.push_back(words[i].toStdString());
    command.Arguments.push_back(OsPath(File));
    return command;
}

TProgramCommand ViewerCommand(std::string_view Template, const std::string& File)
{
    return CommandWithFile(ExpandEditorTemplate(Template, 0), File);
}

bool LinesDiffer(std::string_view Page, std::string_view Edited) { return LinesOf(Page) != LinesOf(Edited); }

std::string CrlfLineEnds(std::string_view Text)
{
    std::string result;
    result.reserve(Text.size() + Text.size() / 32);
    for (size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == '\r' || Text[i] == '\n') {
            result += "\r\n";
            if (Text[i] == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n')
                ++i;
        } else {
            result += Text[i];
        }
    }
    return result;
}

namespace {
constexpr std::string_view CrLf = "\r\n";
}

std::string TransferText(std::string_view Page)
{
    std::string text(Page);
    if (!text.empty() && !text.ends_with(CrLf))
        text += CrLf;
    return text;
}

std::string PageTextFromTransfer(std::string_view Page, std::string Edited)
{
    if (!Page.empty() && !Page.ends_with(CrLf) && Edited.ends_with(CrLf))
        Edited.resize(Edited.size() - CrLf.size());
    return Edited;
}

std::string TransferFileBytes(std::string_view Page, TTextEncoding Encoding)
{
    return TextInEncoding(TransferText(Page), Encoding);
}

TTextReading PageTextFromTransferFile(std::string_view Page, std::string_view Bytes, TTextEncoding Encoding)
{
    // A page byte with no Unicode form went out as U+FFFD: a file left as
    // it went must not turn it into "?".
    if (Bytes == TransferFileBytes(Page, Encoding))
        return {.Judgement = {.Encoding = Encoding}, .Text = std::string(Page)};
    TTextReading reading = ReadText(Bytes, Encoding, TEncodingKnown::Written);
    if (reading.Judgement.Encoding)
        reading.Text = PageTextFromTransfer(Page, CrlfLineEnds(reading.Text));
    return reading;
}

std::vector<std::string> TransferFileNames(const std::string& ProgramFolder, const std::string& UserExtension)
{
    std::vector<std::string> names;
    for (const char* extension : {"txt", "pas", "as", "c", "html", "bas"})
        names.push_back(ProgramFolder + "temp." + extension);
    if (!UserExtension.empty())
        names.push_back(ProgramFolder + "temp." + UserExtension);
    return names;
}
