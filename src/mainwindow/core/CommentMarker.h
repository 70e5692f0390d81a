// The line-comment marker the page editor colours by.
#pragma once

#include <string>
#include <string_view>

// Delphi (1) and C/C++ (3) use "//", VB (4) "'"; the other modes use the
// marker the options give (CommenterFor: "//" when CommentType is off or
// QMark is empty).
std::string CommentMarker(int EditMode, bool CommentType, std::string_view QMark);
