// The kanji most Japanese text is written in: those for common use.
#pragma once

bool IsCommonKanji(char32_t C);
