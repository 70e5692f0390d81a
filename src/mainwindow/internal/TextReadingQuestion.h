// What reading a text file found, told before a page or a document is made
// of it, through the dialog hook.
#pragma once

#include "TextReading.h"

#include <string_view>

// Tells the user what Judgement found of the file Subject names
// (JudgementNotice), or, when its text would be the bytes as they stand in
// neither encoding, asks whether to take them; IfDeclined (UTF-8) says what
// a No does. True when the text is to be used.
bool MayTakeText(const TTextJudgement& Judgement, std::string_view Subject, std::string_view IfDeclined);
