#pragma once
// The clipboard, shared with the desktop's through Qt.
//
// CF_TEXT data is a memory block holding the text (UTF-8) and a NUL; CF_BITMAP
// data is a bitmap handle. Data handed to SetClipboardData belongs to the
// clipboard from then on; data answered by GetClipboardData belongs to it too
// and stays valid until the clipboard is emptied or changes.

#include "platform/windows/WinTypes.h"

constexpr UINT CF_TEXT = 1;
constexpr UINT CF_BITMAP = 2;

// Fails while the clipboard is open already.
bool OpenClipboard(HWND owner);
bool CloseClipboard();
bool EmptyClipboard();
HANDLE GetClipboardData(UINT format);
HANDLE SetClipboardData(UINT format, HANDLE data);
bool IsClipboardFormatAvailable(UINT format);

// Bitmap handles hold an image (QtWindows.h makes and reads them).
bool DeleteObject(HBITMAP bitmap);
