// A text file as the program takes it in: what the encoding rule found
// (TextFileEncoding.h), the text as Shift-JIS, and what the user must learn
// of it before a page or a document is made of it. The callers tell it, or
// ask when the text would be the bytes as they stand.
#pragma once

#include "TextFileEncoding.h"

#include <string>
#include <string_view>

struct TTextReading {
    TTextJudgement Judgement{};
    // The text as Shift-JIS (SjisOfText); empty when the bytes are no text.
    std::string Text{};
    // Characters Shift-JIS cannot hold, each now "?".
    int Unmapped = 0;
};

TTextReading ReadText(std::string_view Bytes, TTextEncoding Expected = TTextEncoding::ShiftJis,
                      TEncodingKnown Known = TEncodingKnown::Likely);
// A text file read by ReadText. Raises EFOpenError, naming the file, when it
// cannot be read or is no text (saying what it is).
TTextReading ReadTextFile(const std::string& FileName);

// The subject of the sentences below for a file: ファイル "<its name as it
// reads>" and a blank, as the program's messages name files.
std::string FileSubject(const std::string& FileName);
// What the user must learn of Judgement, in sentences whose subject is
// Subject (UTF-8): what is wrong with the bytes and what was made of them,
// or why they are refused; empty when there is nothing to tell.
std::string JudgementNotice(const TTextJudgement& Judgement, std::string_view Subject);
// The text is the bytes as they stand, though they are in neither encoding:
// the user chooses between it and nothing.
bool TakesBytesAsTheyStand(const TTextJudgement& Judgement);
