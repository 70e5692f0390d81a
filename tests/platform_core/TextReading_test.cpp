// Text files that are not plainly UTF-8 or Shift-JIS: read as what they
// are and told of (damaged UTF-8, EUC-JP, ISO-2022-JP, UTF-16 without its
// mark), told of with the bytes kept as they stand when they are in neither
// encoding (Western text, UTF-8 lines added to Shift-JIS), and refused as
// binary only with more than the mark of a binary format. The other
// encodings are made by the C library's converter.
#include "TextReading.h"

#include "Cp932.h"
#include "Recoded.h"
#include "SjisLiteral.h"

#include <gtest/gtest.h>
#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <string>

namespace {

constexpr std::string_view ShownFile = "ファイル \"a.txt\" ";

TEST(TextReading, TextThatStartsWithTheMarkOfABinaryFormatIsText)
{
    const std::pair<std::string, TTextEncoding> texts[] = {
        {"GIF89a の仕様メモ\n", TTextEncoding::Utf8},
        {Sjis("GIF89a の仕様メモ\r\n"), TTextEncoding::ShiftJis},
        {"%PDF-1.7 の構造\n", TTextEncoding::Utf8},
        {"BZh91AY&SY とは\n", TTextEncoding::Utf8},
        // Marks Shift-JIS text holds byte for byte: PK 03 04 (zip), and
        // 28 B5 2F FD (zstd), "(ｵ/" and a byte of no Unicode form.
        {"PK\x03\x04" + Sjis("書庫の見出し"), TTextEncoding::ShiftJis},
        {"\x28\xB5\x2F\xFD" + Sjis("圧縮"), TTextEncoding::ShiftJis},
    };
    for (const auto& [bytes, encoding] : texts) {
        const TTextReading reading = ReadText(bytes);
        EXPECT_EQ(reading.Judgement.Encoding, encoding) << bytes;
        EXPECT_EQ(JudgementNotice(reading.Judgement, ShownFile), "") << bytes;
    }
    // The same marks with what follows them in such files.
    const std::pair<std::string, std::string> files[] = {
        {std::string("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13), "GIF 画像"},
        {"%PDF-1.7\n%\xE2\xE3\xCF\xD3\n1 0 obj\nstream\n\x78\x9C\x03\x02", "PDF 文書"},
        {std::string("PK\x03\x04\x14\x00\x00\x00\x08\x00", 10), "zip の書庫"},
        {std::string("\x28\xB5\x2F\xFD\x24\x05\x29\x00", 8), "zstd の圧縮ファイル"},
    };
    for (const auto& [bytes, what] : files) {
        const TTextJudgement judgement = JudgeTextFile(bytes);
        EXPECT_EQ(judgement.Encoding, std::nullopt) << what;
        EXPECT_EQ(JudgementNotice(judgement, ShownFile),
                  std::string(ShownFile) + "は " + what + "で、テキストではないため読み込めません。");
    }
}

// Japanese UTF-8 with a few bytes that are not UTF-8 is read as UTF-8, each
// such byte made "〓", and told: how many, and where the first is.
TEST(TextReading, Utf8WithAFewBytesThatAreNotIsReadAsUtf8AndTold)
{
    const std::string line = "吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。\n";
    const std::string last = "何";
    const struct {
        const char* Name;
        std::string Bytes, Text;
        size_t Unreadable, Line;
    } cases[] = {
        {"cut inside its last character", line + last.substr(0, 2), Sjis(line) + Sjis("〓〓"), 2, 2},
        {"cut after the first byte of it", line + line + last.substr(0, 1), Sjis(line + line) + Sjis("〓"), 1, 3},
        {"a stray byte", "吾輩は\x80猫である。" + line, Sjis("吾輩は〓猫である。" + line), 1, 1},
        {"a Latin-1 é", line + "Caf\xE9 で" + line, Sjis(line + "Caf〓 で" + line), 1, 2},
    };
    for (const auto& c : cases) {
        const TTextReading reading = ReadText(c.Bytes);
        EXPECT_EQ(reading.Judgement.Encoding, TTextEncoding::Utf8) << c.Name;
        EXPECT_EQ(reading.Judgement.Finding, TTextFinding::UnreadableBytes) << c.Name;
        EXPECT_EQ(reading.Text, c.Text) << c.Name;
        EXPECT_EQ(reading.Judgement.Unreadable, c.Unreadable) << c.Name;
        EXPECT_EQ(reading.Judgement.Line, c.Line) << c.Name;
        EXPECT_FALSE(TakesBytesAsTheyStand(reading.Judgement));
    }
    EXPECT_EQ(JudgementNotice(ReadText(cases[0].Bytes).Judgement, ShownFile),
              std::string(ShownFile)
                  + "は UTF-8 で書かれていますが、UTF-8 として読めないバイトが 2 個あります（最初は 2 "
                    "行目）。UTF-8 として読み込み、読めないバイトはそれぞれ「〓」にしました。");
    // Shift-JIS, and UTF-8 of a few characters, read as Shift-JIS is before.
    for (const std::string& bytes : {Sjis(line) + "\x80", std::string("吾輩\x80")})
        EXPECT_EQ(JudgeTextFile(bytes).Finding, TTextFinding::Plain) << bytes;
}

TEST(TextReading, EucJpAndIso2022JpAreReadAsWhatTheyAreAndTold)
{
    // NEC's ① and IBM's 髙 are characters of Shift-JIS that EUC-JP holds
    // only as Microsoft's converters write it.
    const std::string text = "会議は①番の部屋で、髙橋さんとﾃｽﾄします。\nよろしく。\n";
    const std::string mail = "件名：会議の予定\nよろしくお願いします。\n";
    const struct {
        std::string Bytes, Text;
        TTextEncoding Encoding;
        std::string Told;
    } cases[] = {
        {Recoded(text, "EUC-JP-MS"), Sjis(text), TTextEncoding::EucJp, "EUC-JP で書かれているので、EUC-JP"},
        {Recoded("はい\n", "EUC-JP"), Sjis("はい\n"), TTextEncoding::EucJp, "EUC-JP で書かれているので、EUC-JP"},
        {Recoded(mail, "ISO-2022-JP"), Sjis(mail), TTextEncoding::Iso2022Jp,
         "ISO-2022-JP（JIS コード）で書かれているので、ISO-2022-JP"},
        // Half-width katakana and JIS X 0201 Roman by their own escapes.
        {"\x1B$B%F%9%H\x1B(I0=\x1B(J!\n", Sjis("テストｰｽ!\n"), TTextEncoding::Iso2022Jp,
         "ISO-2022-JP（JIS コード）で書かれているので、ISO-2022-JP"},
    };
    for (const auto& c : cases) {
        const TTextReading reading = ReadText(c.Bytes);
        EXPECT_EQ(reading.Judgement.Encoding, c.Encoding) << c.Bytes;
        EXPECT_EQ(reading.Text, c.Text) << c.Bytes;
        EXPECT_EQ(reading.Unmapped, 0) << c.Bytes;
        EXPECT_EQ(JudgementNotice(reading.Judgement, ShownFile),
                  std::string(ShownFile) + "は " + c.Told + " として読み込みました。");
    }
    // Escapes of coloured logs are no JIS code; half-width katakana words
    // in Shift-JIS that are well-formed EUC-JP hold no kana in it.
    for (const std::string& bytes : {std::string("\x1B[31mred\x1B[0m\n"), Sjis("ﾃｽﾄｶ ﾏｯﾌﾟ\r\n")})
        EXPECT_EQ(TextFileEncoding(bytes), TTextEncoding::ShiftJis) << bytes;
}

// Text that reads plausibly in neither encoding is kept byte for byte, and
// the user is to be asked.
TEST(TextReading, TextInNeitherEncodingIsKeptAsItStandsAndAsked)
{
    const struct {
        std::string Bytes;
        TTextFinding Finding;
        size_t Line;
    } cases[] = {
        {"Caf\xE9\n", TTextFinding::Western, 0},
        {"Le caf\xE9 est tr\xE8s bon \xE0 Paris.\n", TTextFinding::Western, 0},
        {"\x93Hello,\x94 she said. It\x92s fine.\n", TTextFinding::Western, 0},
        {Sjis("日本語のメモ\r\n") + "追記しました。\n", TTextFinding::MixedLines, 2},
        {Sjis("メモ\r\n一行目\r\n") + "テスト\n" + Sjis("続き\r\n"), TTextFinding::MixedLines, 3},
    };
    for (const auto& c : cases) {
        const TTextReading reading = ReadText(c.Bytes);
        EXPECT_EQ(reading.Judgement.Encoding, TTextEncoding::ShiftJis) << c.Bytes;
        EXPECT_EQ(reading.Judgement.Finding, c.Finding) << c.Bytes;
        EXPECT_EQ(reading.Judgement.Line, c.Line) << c.Bytes;
        EXPECT_EQ(reading.Text, c.Bytes);
        EXPECT_TRUE(TakesBytesAsTheyStand(reading.Judgement)) << c.Bytes;
    }
    // The program's own Shift-JIS with a byte of no Unicode form: 前 (91 4F)
    // reads as "‘O" in Windows-1252, a quotation mark that ends no word.
    for (const std::string& own : {".S\xFDH " + Sjis("名前\r\n"), Sjis("ab") + "\xA0" + Sjis("ソ表示\r\n")})
        EXPECT_EQ(JudgeTextFile(own).Finding, TTextFinding::Plain) << own;
    EXPECT_EQ(JudgementNotice(JudgeTextFile(cases[0].Bytes), ShownFile),
              std::string(ShownFile)
                  + "は UTF-8 でも Shift-JIS でもなく、欧文の文字コード（Windows-1252 や Latin-1）で書かれているようで"
                    "す。Shift-JIS としてバイトのまま読むと、アクセント付きの文字や引用符は別の文字になります。");
    EXPECT_EQ(JudgementNotice(JudgeTextFile(cases[3].Bytes), ShownFile),
              std::string(ShownFile)
                  + "は Shift-JIS の行と UTF-8 の行が混ざっています（UTF-8 の行は 2 行目から）。Shift-JIS "
                    "としてバイトのまま読むと、UTF-8 の行は別の文字になります。");
}

// UTF-16 without its mark is told by its line ends; a file the program
// wrote of a page holding NULs has none beside its line ends.
TEST(TextReading, Utf16WithoutItsMarkIsReadByItsLineEnds)
{
    const auto utf16 = [](std::u16string_view Text, bool BigEndian) {
        std::string bytes;
        for (const char16_t unit : Text) {
            const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
            bytes += BigEndian ? high : low;
            bytes += BigEndian ? low : high;
        }
        return bytes;
    };
    for (const bool bigEndian : {false, true}) {
        const TTextReading reading = ReadText(utf16(u"かな\n", bigEndian));
        EXPECT_EQ(reading.Judgement.Encoding, bigEndian ? TTextEncoding::Utf16Be : TTextEncoding::Utf16Le);
        EXPECT_EQ(reading.Text, Sjis("かな\n"));
        EXPECT_EQ(JudgementNotice(reading.Judgement, ShownFile),
                  std::string(ShownFile)
                      + "は BOM（バイト順マーク）のない UTF-16 で書かれているので、UTF-16 として読み込みました。");
        EXPECT_EQ(ReadText(utf16(u"テスト\r\n二行目\r\n", bigEndian)).Text, Sjis("テスト\r\n二行目\r\n"));
    }
    for (const std::string& page : {std::string("ab\0c\r\nd\0", 8), std::string("a\0\r\n\0b", 6)})
        EXPECT_EQ(JudgeTextFile(page).Encoding, TTextEncoding::ShiftJis) << page;
}

// Marks written apart from their letters, as Macs write file names and
// text, are joined to them before the text becomes Shift-JIS, as ICU
// composes them (NFC): every character Shift-JIS holds, decomposed as ICU
// decomposes it, comes back as the composed form's Shift-JIS, from UTF-8
// and from UTF-16.
TEST(TextReading, MarksWrittenApartJoinTheirLetters)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    ASSERT_TRUE(U_SUCCESS(status));
    int decomposed = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead)
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const std::u16string unit = SjisToUtf16(std::string{static_cast<char>(lead), static_cast<char>(trail)});
            if (unit.size() != 1 || unit[0] == u'\uFFFD')
                continue;
            const icu::UnicodeString apart = nfd->normalize(icu::UnicodeString(unit[0]), status);
            const icu::UnicodeString composed = nfc->normalize(apart, status);
            bool lossless = false;
            const std::string sjis = Utf16ToSjis(
                std::u16string_view(composed.getBuffer(), static_cast<size_t>(composed.length())), &lossless);
            if (apart.length() < 2 || !lossless)
                continue;
            ++decomposed;
            std::string utf8, utf16le = "\xFF\xFE";
            apart.toUTF8String(utf8);
            for (int i = 0; i < apart.length(); ++i) {
                utf16le += static_cast<char>(apart.charAt(i) & 0xFF);
                utf16le += static_cast<char>(apart.charAt(i) >> 8);
            }
            int unmapped = -1;
            EXPECT_EQ(SjisOfText(utf8, TTextEncoding::Utf8, unmapped), sjis) << utf8;
            EXPECT_EQ(unmapped, 0);
            EXPECT_EQ(SjisOfText(utf16le, TTextEncoding::Utf16Le, unmapped), sjis) << utf8;
        }
    EXPECT_GT(decomposed, 50) << "the kana with voiced marks, ≠, Ё, Й";
    // A file as a Mac writes it.
    const TTextReading mac = ReadText("テ\u3099ータヘ\u3099ースのか\u3099いト\u3099\n");
    EXPECT_EQ(mac.Judgement.Encoding, TTextEncoding::Utf8);
    EXPECT_EQ(mac.Text, Sjis("データベースのがいド\n"));
    // A long file is converted a piece at a time, the pieces joined where
    // no mark is.
    std::string longText, longSjis;
    for (int i = 0; i < 20000; ++i) {
        longText += i % 7 ? "か\u3099😀" : "か\u3099😀\n";
        longSjis += i % 7 ? Sjis("が") + "?" : Sjis("が") + "?\n";
    }
    int longUnmapped = -1;
    EXPECT_EQ(SjisOfText(longText, TTextEncoding::Utf8, longUnmapped), longSjis);
    EXPECT_EQ(longUnmapped, 20000);
    // A mark that composes with nothing stays apart, and Shift-JIS cannot
    // hold it.
    int unmapped = -1;
    EXPECT_EQ(SjisOfText("あ\u3099が", TTextEncoding::Utf8, unmapped), Sjis("あ") + "?" + Sjis("が"));
    EXPECT_EQ(unmapped, 1);
}

} // namespace
