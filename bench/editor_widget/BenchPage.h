// What the editor benchmarks share: a page of C with Japanese comments (2 MB
// unless a benchmark asks for more), the editor showing it in a 1280 x 960
// window (IPAGothic 16 px, word wrap at 80, C/C++ colouring), and
// QPlainTextEdit set up alike as the peer, with a highlighter for the same
// kinds of tokens.
#pragma once

#include "EditorBase.h"

#include "Cp932.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace benchpage {

constexpr int Width = 1280;
constexpr int Height = 960;
constexpr int WrapColumns = 80;

// About Megabytes MB of C: functions with Japanese comments, strings,
// numbers and long lines that wrap, in Shift-JIS with CR LF line ends.
inline std::string PageText(int64_t Megabytes)
{
    const size_t pageBytes = static_cast<size_t>(Megabytes) * 1024 * 1024;
    const char* lines[] = {
        "/* 関数 %d：入力された値を検証し、範囲外なら既定値に置き換えてから結果を返します。 */",
        "static int check_value_%d(int value, const char *name, double scale)",
        "{",
        "\tif (value < 0 || value > %d) { fprintf(stderr, \"範囲外の値です：%%s\\n\", name); value = 0; }",
        "\tfor (int i = 0; i < 16; ++i) value += (int)(i * scale) ^ 0x%x; // 重みを加える",
        "\treturn value;",
        "}",
        "",
    };
    std::string utf8;
    char line[256];
    for (int i = 0; utf8.size() < pageBytes; ++i) {
        std::snprintf(line, sizeof line, lines[i % std::size(lines)], i);
        utf8 += line;
        utf8 += "\r\n";
    }
    return Utf8ToSjis(utf8);
}

inline const std::string& PageText()
{
    static const std::string text = PageText(2);
    return text;
}

inline void SetUpCColouring(TEditor& Editor)
{
    TEditorViewInfo& view = *Editor.View();
    view.SetCommenter("//");
    view.SetQuotation("\"");
    view.SetHexPrefix("0x");
    TEditorColors& colors = *view.Colors();
    colors.Comment()->SetColor(clGreen);
    colors.Str()->SetColor(clMaroon);
    colors.Int()->SetColor(clBlue);
    colors.Reserve()->SetColor(clNavy);
    TFountainBracketItem* comment = view.Brackets()->Add();
    comment->SetLeftBracket("/*");
    comment->SetRightBracket("*/");
    comment->ItemColor()->SetColor(clGreen);
    TStringList words;
    for (const char* word : {"char", "const", "double", "for", "if", "int", "return", "static"})
        words.Add(word);
    Editor.SetReserveWordList(&words);
}

// A shown editor (of class T) with Text, its caret at column 10 of a row of
// text in the middle.
template <class T = TEditor>
std::unique_ptr<T> MakeEditor(const std::string& Text = PageText())
{
    std::unique_ptr<T> editor(TEditor::Create<T>());
    TFont font;
    font.SetName("IPAGothic");
    font.SetHeight(-16);
    editor->SetFont(&font);
    SetUpCColouring(*editor);
    editor->SetWordWrap(true);
    editor->WrapOption()->SetWrapByte(WrapColumns);
    editor->resize(Width, Height);
    editor->show();
    editor->setFocus();
    editor->Lines()->SetTextStr(Text);
    // Inside a row of text, so that no blanks pad the first press.
    int row = editor->RowCount() / 2;
    while (row < editor->RowCount() && editor->RowWidth(row) < 20)
        ++row;
    if (row < editor->RowCount())
        editor->SetRowCol(row, 10);
    return editor;
}

// The same kinds of tokens as the editor's C colouring.
class TCHighlighter : public QSyntaxHighlighter {
public:
    explicit TCHighlighter(QTextDocument* Document) : QSyntaxHighlighter(Document)
    {
        const auto add = [this](const char* Pattern, Qt::GlobalColor Color) {
            QTextCharFormat format;
            format.setForeground(Color);
            Rules_.push_back({QRegularExpression(QString::fromLatin1(Pattern)), format});
        };
        add("\\b(char|const|double|for|if|int|return|static)\\b", Qt::darkBlue);
        add("\\b(0x[0-9a-fA-F]+|[0-9]+)\\b", Qt::blue);
        add("\"[^\"]*\"", Qt::darkRed);
        add("//.*$", Qt::darkGreen);
        Comment_.setForeground(Qt::darkGreen);
    }

protected:
    void highlightBlock(const QString& Text) override
    {
        for (const TRule& rule : Rules_)
            for (auto it = rule.Pattern.globalMatch(Text); it.hasNext();) {
                const QRegularExpressionMatch match = it.next();
                setFormat(static_cast<int>(match.capturedStart()), static_cast<int>(match.capturedLength()),
                          rule.Format);
            }
        // "/* ... */" across blocks.
        setCurrentBlockState(0);
        qsizetype start = previousBlockState() == 1 ? 0 : Text.indexOf(QLatin1String("/*"));
        while (start >= 0) {
            const qsizetype end = Text.indexOf(QLatin1String("*/"), start);
            if (end < 0) {
                setCurrentBlockState(1);
                setFormat(static_cast<int>(start), static_cast<int>(Text.size() - start), Comment_);
                break;
            }
            setFormat(static_cast<int>(start), static_cast<int>(end + 2 - start), Comment_);
            start = Text.indexOf(QLatin1String("/*"), end + 2);
        }
    }

private:
    struct TRule {
        QRegularExpression Pattern;
        QTextCharFormat Format;
    };
    std::vector<TRule> Rules_;
    QTextCharFormat Comment_;
};

// The peer: the same page, font, size and colouring, its cursor at column
// 10 of a block of text in the middle.
class TPlainTextPeer {
public:
    explicit TPlainTextPeer(const std::string& Text = PageText()) : Highlighter_(nullptr)
    {
        QFont font(QStringLiteral("IPAGothic"));
        font.setPixelSize(16);
        Edit.setFont(font);
        // QPlainTextEdit wraps at its width only.
        Edit.setLineWrapMode(QPlainTextEdit::WidgetWidth);
        Edit.setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        Edit.setPlainText(QString::fromStdU16String(SjisToUtf16(Text)));
        Highlighter_.setDocument(Edit.document());
        Edit.resize(Width, Height);
        Edit.show();
        Edit.setFocus();
        QTextBlock block = Edit.document()->findBlockByNumber(Edit.document()->blockCount() / 2);
        while (block.length() < 20)
            block = block.next();
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 10);
        Edit.setTextCursor(cursor);
        Edit.ensureCursorVisible();
    }

    QPlainTextEdit Edit;

private:
    TCHighlighter Highlighter_;
};

} // namespace benchpage
