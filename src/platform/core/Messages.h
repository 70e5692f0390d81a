// The message numbers and codes the program's parts send one another: the
// main window scrolls an editor with WM_VSCROLL, an editor answers the
// edit-control messages through its Perform, and so on. They keep the
// values such messages conventionally have, so that code written against
// those numbers reads the same here.
#pragma once

#include <cstdint>

// Messages.
constexpr uint32_t WM_SETTEXT = 0x000C;
constexpr uint32_t WM_GETTEXT = 0x000D;
constexpr uint32_t WM_GETTEXTLENGTH = 0x000E;
constexpr uint32_t WM_HSCROLL = 0x0114;
constexpr uint32_t WM_VSCROLL = 0x0115;
constexpr uint32_t WM_CUT = 0x0300;
constexpr uint32_t WM_COPY = 0x0301;
constexpr uint32_t WM_PASTE = 0x0302;
constexpr uint32_t WM_CLEAR = 0x0303;
constexpr uint32_t WM_UNDO = 0x0304;
// The first number free for a window's own messages.
constexpr uint32_t WM_USER = 0x0400;

// Edit-control messages.
constexpr uint32_t EM_GETSEL = 0x00B0;
constexpr uint32_t EM_SETSEL = 0x00B1;
constexpr uint32_t EM_SCROLLCARET = 0x00B7;
constexpr uint32_t EM_GETMODIFY = 0x00B8;
constexpr uint32_t EM_SETMODIFY = 0x00B9;
constexpr uint32_t EM_GETLINECOUNT = 0x00BA;
constexpr uint32_t EM_LINEINDEX = 0x00BB;
constexpr uint32_t EM_LINELENGTH = 0x00C1;
constexpr uint32_t EM_REPLACESEL = 0x00C2;
constexpr uint32_t EM_GETLINE = 0x00C4;
constexpr uint32_t EM_CANUNDO = 0x00C6;
constexpr uint32_t EM_UNDO = 0x00C7;
constexpr uint32_t EM_LINEFROMCHAR = 0x00C9;
constexpr uint32_t EM_EMPTYUNDOBUFFER = 0x00CD;
constexpr uint32_t EM_GETFIRSTVISIBLELINE = 0x00CE;
constexpr uint32_t EM_SETREADONLY = 0x00CF;
constexpr uint32_t EM_POSFROMCHAR = 0x00D6;
constexpr uint32_t EM_CHARFROMPOS = 0x00D7;

// Scroll codes: the first parameter of WM_HSCROLL and WM_VSCROLL (the low
// 16 bits; SB_THUMBPOSITION and SB_THUMBTRACK carry the position in the
// high 16 bits).
constexpr uint32_t SB_LINEUP = 0;
constexpr uint32_t SB_LINELEFT = 0;
constexpr uint32_t SB_LINEDOWN = 1;
constexpr uint32_t SB_LINERIGHT = 1;
constexpr uint32_t SB_PAGEUP = 2;
constexpr uint32_t SB_PAGELEFT = 2;
constexpr uint32_t SB_PAGEDOWN = 3;
constexpr uint32_t SB_PAGERIGHT = 3;
constexpr uint32_t SB_THUMBPOSITION = 4;
constexpr uint32_t SB_THUMBTRACK = 5;
constexpr uint32_t SB_TOP = 6;
constexpr uint32_t SB_LEFT = 6;
constexpr uint32_t SB_BOTTOM = 7;
constexpr uint32_t SB_RIGHT = 7;
constexpr uint32_t SB_ENDSCROLL = 8;
