// The editor's default row-mark pictures, drawn by us with alpha: the digit
// list ("DD00".."DD09", row marks 0 to 9: a tag with the mark's digit) and
// the image list ("DM00".."DM05", marks 10 to 15: six small symbols).
#pragma once

#include <QPixmap>
#include <QSize>
#include <vector>

constexpr int DigitMarkCount = 10;
constexpr int ImageMarkCount = 6;
constexpr QSize DigitMarkSize(8, 11);
constexpr QSize ImageMarkSize(11, 11);

// Row marks 0 to 9, in that order.
std::vector<QPixmap> DrawDigitMarkImages();
// Marks 10 to 15, in that order.
std::vector<QPixmap> DrawImageMarkImages();
