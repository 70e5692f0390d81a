#include "CommentMarker.h"

#include "SubIni.h"

std::string CommentMarker(int EditMode, bool CommentType, std::string_view QMark)
{
    switch (EditMode) {
    case 1: // Delphi
    case 3: // C/C++
        return "//";
    case 4: // VB
        return "'";
    default: return CommenterFor(CommentType, QMark);
    }
}
