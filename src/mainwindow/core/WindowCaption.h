// The main window's caption. The document's own caption is its path with
// ".vk2", "NewFile" for a document never saved, or a hierarchical-text
// file's path with its marker, each perhaps with the read-only suffix.
// While clipping mode is on the window shows the clipping marker after it;
// every rule that compares captions works on the caption without it.
// Texts are Shift-JIS.
#pragma once

#include <string>
#include <string_view>

// The caption of a document never saved.
inline constexpr std::string_view NewFileCaption = "NewFile";
// What the caption of a document opened read-only ends in.
const std::string& ReadOnlyCaptionSuffix();
// What follows the path of a document read from hierarchical text.
const std::string& TreeTextCaptionMarker();
// What the window shows after the caption while clipping mode is on.
const std::string& ClippingCaptionMarker();

// The caption for a document caption: what other windows of the program
// see of this one, and what it is compared by.
std::string ShownCaption(const std::string& DocumentCaption, bool Clipping);
// The window's title: the shown caption, led by "(*)" while clipping mode
// is on, so that a taskbar that cuts a long title still shows the mode.
std::string WindowTitle(const std::string& DocumentCaption, bool Clipping);
// A window showing Caption holds the file Path: the caption is the path,
// or the path followed by the clipping marker.
bool CaptionHoldsFile(const std::string& Caption, const std::string& Path);
