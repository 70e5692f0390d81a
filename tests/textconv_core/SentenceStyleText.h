// The sentence-style conversions on texts written in UTF-8: converted in
// Shift-JIS and compared in UTF-8 again, so failures read as Japanese.
#pragma once

#include "DaHenkan.h"
#include "DesuHenkan.h"
#include "TestText.h"

inline std::string DesuToDa(std::string_view Utf8, bool SkipQuotes = false)
{
    return U(textconv::ConvertDesuToDa(S(Utf8), SkipQuotes));
}

inline std::string DaToDesu(std::string_view Utf8, bool SkipQuotes = false, const textconv::YesNoQuestion& Ask = {})
{
    return U(textconv::ConvertDaToDesu(S(Utf8), SkipQuotes, Ask));
}

// The Shift-JIS conversions with no quote skipping and no questions.
inline std::string ToDa(std::string_view Sjis) { return textconv::ConvertDesuToDa(Sjis, false); }
inline std::string ToDesu(std::string_view Sjis) { return textconv::ConvertDaToDesu(Sjis, false, {}); }
