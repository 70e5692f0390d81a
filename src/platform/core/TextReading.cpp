#include "TextReading.h"

#include "Files.h"
#include "OsPath.h"
#include "SysUtils.h"

TTextReading ReadText(std::string_view Bytes, TTextEncoding Expected, TEncodingKnown Known)
{
    TTextReading reading{.Judgement = JudgeTextFile(Bytes, Expected, Known)};
    if (reading.Judgement.Encoding)
        reading.Text = SjisOfText(Bytes, *reading.Judgement.Encoding, reading.Unmapped);
    return reading;
}

TTextReading ReadTextFile(const std::string& FileName)
{
    TTextReading reading = ReadText(ReadFileBytes(FileName));
    if (!reading.Judgement.Encoding)
        throw EFOpenError(JudgementNotice(reading.Judgement, FileSubject(FileName)));
    return reading;
}

std::string FileSubject(const std::string& FileName) { return "ファイル \"" + ShownPath(FileName) + "\" "; }

std::string JudgementNotice(const TTextJudgement& Judgement, std::string_view Subject)
{
    const std::string subject = std::string(Subject) + "は";
    const std::string asBytes = "Shift-JIS としてバイトのまま読むと、";
    switch (Judgement.Finding) {
    case TTextFinding::Plain: break;
    case TTextFinding::UnreadableBytes:
        return subject + " UTF-8 で書かれていますが、UTF-8 として読めないバイトが "
               + std::to_string(Judgement.Unreadable) + " 個あります（最初は " + std::to_string(Judgement.Line)
               + " 行目）。UTF-8 として読み込み、読めないバイトはそれぞれ「〓」にしました。";
    case TTextFinding::NoByteOrderMark:
        return subject + " BOM（バイト順マーク）のない UTF-16 で書かれているので、UTF-16 として読み込みました。";
    case TTextFinding::Western:
        return subject
               + " UTF-8 でも Shift-JIS でもなく、欧文の文字コード（Windows-1252 や Latin-1）で書かれているようです。"
               + asBytes + "アクセント付きの文字や引用符は別の文字になります。";
    case TTextFinding::MixedLines:
        return subject + " Shift-JIS の行と UTF-8 の行が混ざっています（UTF-8 の行は " + std::to_string(Judgement.Line)
               + " 行目から）。" + asBytes + "UTF-8 の行は別の文字になります。";
    case TTextFinding::Binary:
        // A blank before a word of ASCII only, as the messages write them.
        return subject + (static_cast<unsigned char>(Judgement.What.front()) < 0x80 ? " " : "")
               + std::string(Judgement.What) + "で、テキストではないため読み込めません。";
    case TTextFinding::BrokenUtf16:
        return subject + " UTF-16 の BOM（バイト順マーク）で始まりますが、UTF-16 として正しくないため読み込めません。";
    }
    if (Judgement.Encoding == TTextEncoding::EucJp)
        return subject + " EUC-JP で書かれているので、EUC-JP として読み込みました。";
    if (Judgement.Encoding == TTextEncoding::Iso2022Jp)
        return subject + " ISO-2022-JP（JIS コード）で書かれているので、ISO-2022-JP として読み込みました。";
    return {};
}

bool TakesBytesAsTheyStand(const TTextJudgement& Judgement)
{
    return Judgement.Finding == TTextFinding::Western || Judgement.Finding == TTextFinding::MixedLines;
}
