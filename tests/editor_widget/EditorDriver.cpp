#include "EditorDriver.h"

#include "Cp932.h"

#include <QApplication>
#include <QStyleHints>
#include <gtest/gtest.h>

namespace edtest {

std::string Sjis(const char* Utf8)
{
    bool lossless = true;
    std::string text = Utf8ToSjis(Utf8, &lossless);
    EXPECT_TRUE(lossless) << Utf8;
    return text;
}

TEditorDriver::TEditorDriver(QSize Size) : Editor_(TEditor::Create<TEditor>())
{
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    TFont font;
    font.SetName("IPAGothic");
    font.SetHeight(-16);
    font.SetColor(clBlack);
    Editor_->SetFont(&font);
    Editor_->resize(Size);
    Editor_->show();
    Editor_->setFocus();
    QApplication::setActiveWindow(Editor_.get());
    Process();
}

TEditorDriver::~TEditorDriver() = default;

void TEditorDriver::SetText(std::string_view Text)
{
    Editor_->Lines()->SetTextStr(Text);
    Process();
}

void TEditorDriver::ReplaceRows(int Row, int Count, std::string_view Text)
{
    Editor_->ScreenStrings().ReplaceRows(Row, Count, Text);
    Process();
}

void TEditorDriver::Process() { QApplication::processEvents(); }

QImage TEditorDriver::Grab() const
{
    Process();
    return Editor_->viewport()->grab().toImage();
}

QPoint TEditorDriver::CellPoint(int Row, int Col) const
{
    const TEditor& ed = *Editor_;
    return {ed.TextLeft() + (Col - ed.TopCol()) * ed.ColWidth(), ed.TextTop() + (Row - ed.TopRow()) * ed.RowHeight()};
}

QColor TEditorDriver::CellColor(const QImage& Image, int Row, int Col) const
{
    const QPoint p = CellPoint(Row, Col) + QPoint(1, 1);
    return Image.pixelColor(p * Image.devicePixelRatio());
}

} // namespace edtest
