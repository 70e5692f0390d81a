// The messages the find and replace commands show (UTF-8; the find string
// is Shift-JIS).
#pragma once

#include "Cp932.h"

#include <string>

namespace searchmsg {

inline constexpr const char* RegExpError = "正規表現の記述に誤りがあります。";
inline constexpr const char* BrowsePaneRefusal = "閲覧画面では置換できません！";
inline constexpr const char* TextRefusal =
    "入力された文字列には Shift-JIS で表せない文字が含まれているので使えません。";

// No further hit downward ("前方（↓）") or upward ("後方（↑）").
inline std::string NotFound(bool Down, const std::string& FindStr)
{
    std::string text = Down ? "前方（↓）に " : "後方（↑）に ";
    return text.append(SjisToUtf8(FindStr)).append(" が見つかりません！");
}

} // namespace searchmsg
