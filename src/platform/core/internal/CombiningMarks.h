// Marks written apart from their letters, as Macs write file text
// (decomposed: か followed by the voiced mark U+3099), joined to them as
// the composed form (NFC) has it, before the text becomes Shift-JIS.
#pragma once

#include <string>

// Text with every letter followed by a mark it composes with made the one
// character of both (か U+3099 is が): kana with the voiced and semi-voiced
// marks, and the other characters Shift-JIS holds that decompose (≠, Ё, Й,
// ё, й). Shift-JIS holds no accented Latin letter, so this is the composed
// form of every character the conversion keeps.
void ComposeMarks(std::u16string& Text);
