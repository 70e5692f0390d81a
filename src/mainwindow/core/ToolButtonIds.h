// The toolbar buttons, toolbar by toolbar. See CommandId.h.
#pragma once

#include "CommandId.h"

namespace Cmd {

// clang-format off
VELK_COMMAND_ID(sbPageNew);
VELK_COMMAND_ID(sbOpen);
VELK_COMMAND_ID(sbSave);
VELK_COMMAND_ID(sbLoadTreeText);
VELK_COMMAND_ID(sbTextOutput);
VELK_COMMAND_ID(sbIns);
VELK_COMMAND_ID(sbAdd);
VELK_COMMAND_ID(sbAddChild);
VELK_COMMAND_ID(sbPageDel);
VELK_COMMAND_ID(sbMoveUp);
VELK_COMMAND_ID(sbMoveDown);
VELK_COMMAND_ID(sbPageUp);
VELK_COMMAND_ID(sbPageDown);
VELK_COMMAND_ID(sbPageDevide);
VELK_COMMAND_ID(sbPageUnify);
VELK_COMMAND_ID(sbPrevPage);
VELK_COMMAND_ID(sbNextPage);
VELK_COMMAND_ID(sbPageUndo);
VELK_COMMAND_ID(sbPageRedo);
VELK_COMMAND_ID(sbSplitTargetNode);
VELK_COMMAND_ID(sbImage);
VELK_COMMAND_ID(sbSubIcon);
VELK_COMMAND_ID(sbCopy);
VELK_COMMAND_ID(sbCut);
VELK_COMMAND_ID(sbPaste);
VELK_COMMAND_ID(sbUndo);
VELK_COMMAND_ID(sbRedo);
VELK_COMMAND_ID(sbFind);
VELK_COMMAND_ID(sbFoward);
VELK_COMMAND_ID(sbBack);
VELK_COMMAND_ID(sbFindList);
VELK_COMMAND_ID(sbFListClose);
VELK_COMMAND_ID(sbGoEditor);
VELK_COMMAND_ID(sbToEditor);
VELK_COMMAND_ID(sbMark);
VELK_COMMAND_ID(sbLineNo);
VELK_COMMAND_ID(sbRTN);
VELK_COMMAND_ID(sbReturn);
VELK_COMMAND_ID(sbHenkan);
VELK_COMMAND_ID(sbSeikei);
VELK_COMMAND_ID(sbDelete);
VELK_COMMAND_ID(sbLeftStr);
VELK_COMMAND_ID(sbCenterStr);
VELK_COMMAND_ID(sbRigthStr);
// clang-format on

} // namespace Cmd
