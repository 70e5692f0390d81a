// How unlike real text a reading of some bytes is, for bytes that are
// well-formed both as UTF-8 and as Shift-JIS. Each character read costs
// nothing when it is what text of that kind is made of (kana, common kanji,
// Latin letters inside Latin words, the usual signs) and more the rarer it
// is there: rare kanji and scripts that no text for this program holds, a
// half-width kana that no Japanese word spells so, a Latin letter alone.
#pragma once

#include <string_view>

// Bytes must be well-formed UTF-8.
int Utf8ReadingCost(std::string_view Bytes);
// Bytes must be Shift-JIS whose every character has a Unicode form.
int SjisReadingCost(std::string_view Bytes);
