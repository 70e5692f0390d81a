// Drives an editor headless: a shown editor with a fixed Japanese font, its
// text set through its row list, its paint plans and its painted pixels;
// and the user's input as Qt delivers it: key events with their text,
// input-method commits and preedits, mouse events on the viewport and the
// wheel. Geometry always comes from the editor's own metrics.
#pragma once

#include "SjisLiteral.h"

#include "EditorBase.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <memory>
#include <string>
#include <string_view>

namespace edtest {

using ::Sjis;

class TEditorDriver {
public:
    // A shown, focused editor of Size in IPAGothic, 16 pixels, with a steady
    // caret.
    explicit TEditorDriver(QSize Size = QSize(640, 400));
    // The same for an editor the caller made (TEditor::Create<T>()); the
    // driver owns it.
    explicit TEditorDriver(TEditor* Editor, QSize Size = QSize(640, 400));
    ~TEditorDriver();
    TEditorDriver(const TEditorDriver&) = delete;
    TEditorDriver& operator=(const TEditorDriver&) = delete;

    TEditor& Ed() const { return *Editor_; }
    TEditor* operator->() const { return Editor_.get(); }

    // Replaces the whole text (Shift-JIS, CR LF line ends).
    void SetText(std::string_view Text);
    // Turns word wrap on at WrapByte columns.
    void Wrap(int WrapByte);
    // Puts Text in place of Count rows from Row, as one edit.
    void ReplaceRows(int Row, int Count, std::string_view Text);

    // Runs the events queued so far (repaints, resizes).
    static void Process();
    // The viewport as painted now.
    QImage Grab() const;
    // The viewport as the screen shows it: what the editor's own repaints
    // have put there so far.
    QImage Shown() const;
    // The top left corner of cell (Row, Col) in the viewport.
    QPoint CellPoint(int Row, int Col) const;
    // The colour of the pixel just inside the top left corner of a cell,
    // where no glyph draws.
    QColor CellColor(const QImage& Image, int Row, int Col) const;

    // ---- Reading the editor ----
    // The whole text (Shift-JIS).
    std::string Text() const { return Editor_->GetText(); }
    TCaretPos Caret() const { return {Editor_->Row(), Editor_->Col()}; }

    // ---- Keys ----
    // One key event per character of Utf8, carrying the character as its
    // text (letters, digits and ASCII punctuation with their keys, others
    // as Qt::Key_unknown); CR is the Return key.
    void Type(const char* Utf8);
    // A press and release of Key; Text as Qt gives it for the key.
    void Key(Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier);
    void Key(Qt::Key Key, Qt::KeyboardModifiers Modifiers, const QString& Text, bool AutoRepeat = false);
    void KeyDown(Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier);
    void KeyUp(Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier);

    // ---- The input method ----
    // Commits Utf8 in place of the UTF-16 range [caret + Start, + Length)
    // of the caret's line (nothing replaced by default).
    void Commit(const char* Utf8, int ReplaceStart = 0, int ReplaceLength = 0);
    // Shows Utf8 as the text being composed.
    void Preedit(const char* Utf8);

    // ---- The mouse, on the viewport ----
    // The point on the boundary before column Col, half down row Row: a
    // click there puts the caret at (Row, Col), and it lies over the
    // character at Col.
    QPoint At(int Row, int Col) const;
    void Press(QPoint P, Qt::KeyboardModifiers Modifiers = Qt::NoModifier);
    // A move with the left button held (or no button).
    void Move(QPoint P, Qt::KeyboardModifiers Modifiers = Qt::NoModifier, bool ButtonHeld = true);
    void Release(QPoint P, Qt::KeyboardModifiers Modifiers = Qt::NoModifier);
    void Click(QPoint P, Qt::KeyboardModifiers Modifiers = Qt::NoModifier);
    // A press, a release and the double click that comes in place of the
    // second press, then its release.
    void DoubleClick(QPoint P);
    // Press at From, move in two steps to To, release there.
    void Drag(QPoint From, QPoint To, Qt::KeyboardModifiers Modifiers = Qt::NoModifier);
    // Selects from the caret place From to To by dragging the mouse.
    void Select(TCaretPos From, TCaretPos To);
    // A wheel turn; 120 is one notch away from the user.
    void Wheel(int Delta);

private:
    std::unique_ptr<TEditor> Editor_;
};

// A row of Count bytes B.
inline std::string Bytes(int Count, char B = 'a') { return std::string(static_cast<size_t>(Count), B); }

// Count lines Line, each with its line break.
inline std::string Lines(int Count, std::string_view Line)
{
    std::string text;
    for (int i = 0; i < Count; ++i)
        text.append(Line).append("\r\n");
    return text;
}

} // namespace edtest
