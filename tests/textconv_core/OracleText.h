// ICU as an oracle for the character conversions: Shift-JIS text in and out
// as ICU strings.
#pragma once

#include <unicode/unistr.h>

#include <string>
#include <string_view>
#include <vector>

icu::UnicodeString Uni(std::string_view Sjis);
// Shift-JIS of an ICU string; Lossless is cleared when a character has no
// Shift-JIS form.
std::string SjisOfUni(const icu::UnicodeString& Text, bool* Lossless = nullptr);
std::string Utf8(const icu::UnicodeString& Text);

// The result of an ICU transliterator (by ID) on a Shift-JIS text.
icu::UnicodeString Transliterate(const char* Id, std::string_view Sjis);

// Every character of code page 932 from 0x20 on that has a Unicode form,
// one byte or two, alone in a string.
std::vector<std::string> Cp932Characters();
