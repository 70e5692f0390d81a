// The main window's own menu items, beside the command table's commands:
// the menus of the bar, the popup menus, the submenus, the fixed items and
// the separators. See CommandId.h.
#pragma once

#include "CommandIds.h"

#include <array>

namespace Cmd {

// clang-format off
// Popup menus beside the command table's.
VELK_COMMAND_ID(ImagePopupMenu);
VELK_COMMAND_ID(UndoPopup);
VELK_COMMAND_ID(RedoPopup);
VELK_COMMAND_ID(TabPopup);
VELK_COMMAND_ID(CmBoxPopupMenu);
VELK_COMMAND_ID(dmyPopupMenu);

// Submenus.
VELK_COMMAND_ID(FlHistory);
VELK_COMMAND_ID(FlHistoryTr);
VELK_COMMAND_ID(TreePageMoveMenu);
VELK_COMMAND_ID(TreeFoldMenu);
VELK_COMMAND_ID(TreeAreaMenu);
VELK_COMMAND_ID(pTreeSubIcon);
VELK_COMMAND_ID(EdDateTimeMenu);
VELK_COMMAND_ID(EdLineMenu);
VELK_COMMAND_ID(EdLinkMenu);
VELK_COMMAND_ID(EdAlignMenu);
VELK_COMMAND_ID(EdSetMarkMenu);
VELK_COMMAND_ID(EdJumpMarkMenu);
VELK_COMMAND_ID(OpWebTextMenu);
VELK_COMMAND_ID(OpEditMode);
VELK_COMMAND_ID(OpToolbarMenu);
VELK_COMMAND_ID(pEdStrCv);
VELK_COMMAND_ID(pEdStrSeikei);
VELK_COMMAND_ID(pEdStrSeikeiKakomu);
VELK_COMMAND_ID(pEdStrDel);

// Fixed items.
VELK_COMMAND_ID(FlHtmlSave);
VELK_COMMAND_ID(FlExit);
VELK_COMMAND_ID(TreeSort);
VELK_COMMAND_ID(TreeChildSort);
VELK_COMMAND_ID(TreeTipHelp);
VELK_COMMAND_ID(pTreeLoadTexToMakePage);
VELK_COMMAND_ID(pTreeNodeTextCopy);
VELK_COMMAND_ID(pTreeURListClear);
VELK_COMMAND_ID(TrImage0);
VELK_COMMAND_ID(TabClose);
VELK_COMMAND_ID(ReLoad);
VELK_COMMAND_ID(EdDateCustom);
VELK_COMMAND_ID(EdOverWrite);
VELK_COMMAND_ID(EdSecondCut);
VELK_COMMAND_ID(EdIndent);
VELK_COMMAND_ID(EdUnIndent);
VELK_COMMAND_ID(FdGoTop);
VELK_COMMAND_ID(FdGoBottom);
VELK_COMMAND_ID(WeOpTopRtnDel);
VELK_COMMAND_ID(WeOphyphen);
VELK_COMMAND_ID(WeOpTopSpcDel);
VELK_COMMAND_ID(WeOpHKToZK);
VELK_COMMAND_ID(WeOpHs2ToZs);
VELK_COMMAND_ID(WeOpLogicLine);
VELK_COMMAND_ID(subText);
VELK_COMMAND_ID(subDelphi);
VELK_COMMAND_ID(subHSP);
VELK_COMMAND_ID(subCplus);
VELK_COMMAND_ID(subVB);
VELK_COMMAND_ID(subUSR);
VELK_COMMAND_ID(subHTML);
VELK_COMMAND_ID(OpCheckKakko);
VELK_COMMAND_ID(OpAssociation);
VELK_COMMAND_ID(OpLoadColor);
VELK_COMMAND_ID(OpSaveColor);
VELK_COMMAND_ID(OpLoadSubIcon);
VELK_COMMAND_ID(OpTbFileShow);
VELK_COMMAND_ID(OpTbTreeShow);
VELK_COMMAND_ID(OpTbEditShow);
VELK_COMMAND_ID(OpTbFontShow);
VELK_COMMAND_ID(OpTbStringShow);
VELK_COMMAND_ID(OpSubMoveLink);
VELK_COMMAND_ID(OpSubStrAdmin);
VELK_COMMAND_ID(pEdGoTop);
VELK_COMMAND_ID(pEdGoBottom);
VELK_COMMAND_ID(pEdSetMark);
VELK_COMMAND_ID(pEdJumpMark);
VELK_COMMAND_ID(HpSample);
VELK_COMMAND_ID(HpVersion);
VELK_COMMAND_ID(pEdKeisen);
VELK_COMMAND_ID(pEdComment);
VELK_COMMAND_ID(pEdStrCvTabToComma);
VELK_COMMAND_ID(pEdStrCvKanaToHira);
VELK_COMMAND_ID(pEdStrCvHiraToKana);
VELK_COMMAND_ID(pEdStrReverse);
VELK_COMMAND_ID(pEdAlpNumTopUpper);
VELK_COMMAND_ID(pEdSpcDel);
VELK_COMMAND_ID(pEdZenSpcZenDel);
VELK_COMMAND_ID(pEdTop2LineRtnDel);
VELK_COMMAND_ID(pEdZenRtnZenDel);
VELK_COMMAND_ID(OpMoveWindow);
VELK_COMMAND_ID(FlTextSave);
VELK_COMMAND_ID(FlTextNoSave);
VELK_COMMAND_ID(FlPageTextSave);
VELK_COMMAND_ID(FlPageUnderTextSave);
VELK_COMMAND_ID(FlPageUnderNoTextSave);
VELK_COMMAND_ID(FlPageTreeTextSave);
VELK_COMMAND_ID(FlPageTabTextOut);
VELK_COMMAND_ID(FlPageIndentText);
VELK_COMMAND_ID(FlPageTextSavePart);
VELK_COMMAND_ID(FlTitleSave);
VELK_COMMAND_ID(FlTitleIndentSave);
VELK_COMMAND_ID(FlTitleTreeSave);
VELK_COMMAND_ID(FlTitleTreeNumberSave);

// The row marks, set and jumped to.
VELK_COMMAND_ID(SetMark0);
VELK_COMMAND_ID(SetMark1);
VELK_COMMAND_ID(SetMark2);
VELK_COMMAND_ID(SetMark3);
VELK_COMMAND_ID(SetMark4);
VELK_COMMAND_ID(SetMark5);
VELK_COMMAND_ID(SetMark6);
VELK_COMMAND_ID(SetMark7);
VELK_COMMAND_ID(SetMark8);
VELK_COMMAND_ID(SetMark9);
VELK_COMMAND_ID(Jump0);
VELK_COMMAND_ID(Jump1);
VELK_COMMAND_ID(Jump2);
VELK_COMMAND_ID(Jump3);
VELK_COMMAND_ID(Jump4);
VELK_COMMAND_ID(Jump5);
VELK_COMMAND_ID(Jump6);
VELK_COMMAND_ID(Jump7);
VELK_COMMAND_ID(Jump8);
VELK_COMMAND_ID(Jump9);

// Separators.
VELK_COMMAND_ID(N1);
VELK_COMMAND_ID(N2);
VELK_COMMAND_ID(N3);
VELK_COMMAND_ID(N5);
VELK_COMMAND_ID(N6);
VELK_COMMAND_ID(N16);
VELK_COMMAND_ID(N8);
VELK_COMMAND_ID(N9);
VELK_COMMAND_ID(N17);
VELK_COMMAND_ID(N10);
VELK_COMMAND_ID(N11);
VELK_COMMAND_ID(N12);
VELK_COMMAND_ID(N18);
VELK_COMMAND_ID(N13);
VELK_COMMAND_ID(N14);
VELK_COMMAND_ID(N15);
VELK_COMMAND_ID(N4);
VELK_COMMAND_ID(N7);
// clang-format on

// The items of row mark 0 to 9.
inline constexpr std::array SetMarkItems{SetMark0, SetMark1, SetMark2, SetMark3, SetMark4,
                                         SetMark5, SetMark6, SetMark7, SetMark8, SetMark9};
inline constexpr std::array JumpItems{Jump0, Jump1, Jump2, Jump3, Jump4, Jump5, Jump6, Jump7, Jump8, Jump9};

} // namespace Cmd
