#include "SaveQuestion.h"

bool MayReplaceDocument(const TSaveQuestion& Question, bool Forced)
{
    if (Forced) {
        Question.ForceSave();
        return !Question.Modified();
    }
    if (!Question.Modified())
        return true;
    switch (Question.Ask()) {
    case TSaveAnswer::No: return true;
    case TSaveAnswer::Cancel: return false;
    case TSaveAnswer::Yes: break;
    }
    Question.Save();
    return !Question.Modified();
}
