// Drives an editor headless: a shown editor with a fixed Japanese font, its
// text set through its row list, its paint plans and its painted pixels.
// Geometry always comes from the editor's own metrics.
#pragma once

#include "EditorBase.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <memory>
#include <string>
#include <string_view>

namespace edtest {

// UTF-8 to Shift-JIS, failing the test when a character has no form.
std::string Sjis(const char* Utf8);

class TEditorDriver {
public:
    // A shown, focused editor of Size in IPAGothic, 16 pixels, with a steady
    // caret.
    explicit TEditorDriver(QSize Size = QSize(640, 400));
    ~TEditorDriver();
    TEditorDriver(const TEditorDriver&) = delete;
    TEditorDriver& operator=(const TEditorDriver&) = delete;

    TEditor& Ed() const { return *Editor_; }
    TEditor* operator->() const { return Editor_.get(); }

    // Replaces the whole text (Shift-JIS, CR LF line ends).
    void SetText(std::string_view Text);
    // Puts Text in place of Count rows from Row, as one edit.
    void ReplaceRows(int Row, int Count, std::string_view Text);

    // Runs the events queued so far (repaints, resizes).
    static void Process();
    // The viewport as painted now.
    QImage Grab() const;
    // The top left corner of cell (Row, Col) in the viewport.
    QPoint CellPoint(int Row, int Col) const;
    // The colour of the pixel just inside the top left corner of a cell,
    // where no glyph draws.
    QColor CellColor(const QImage& Image, int Row, int Col) const;

private:
    std::unique_ptr<TEditor> Editor_;
};

// A row of Count bytes B.
inline std::string Bytes(int Count, char B = 'a') { return std::string(static_cast<size_t>(Count), B); }

} // namespace edtest
