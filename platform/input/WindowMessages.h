// Window messages, hook codes and window styles the input service deals in,
// with Windows' names and values (from Windows' headers on Windows).
#pragma once

#include "platform/com/com.h"

#ifndef _WIN32
#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_CLOSE 0x0010
#define WM_NCDESTROY 0x0082
#define WM_KEYFIRST 0x0100
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSKEYUP 0x0105
#define WM_KEYLAST 0x0109
#define WM_COMMAND 0x0111
#define WM_USER 0x0400
#define WM_APP 0x8000

#define WH_KEYBOARD 2
#define HC_ACTION 0
#define HC_NOREMOVE 3

// Flags of the key data's high word.
#define KF_EXTENDED 0x0100
#define KF_ALTDOWN 0x2000
#define KF_REPEAT 0x4000
#define KF_UP 0x8000

#define WS_POPUP 0x80000000L
#define WS_EX_TOOLWINDOW 0x00000080L
#endif
