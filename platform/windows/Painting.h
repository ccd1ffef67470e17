#pragma once
// Painting and device contexts.
//
// A window paints when Qt paints its widget: the window gets WM_PAINT, and
// BeginPaint hands out a DC that paints onto the widget inside that paint
// event. DefWindowProc of WM_PAINT lets a native widget paint itself the Qt way
// into the same event, so a window procedure may paint before and after it.
//
// GetDC and GetWindowDC outside painting give a DC on the layer above the
// top-level window's contents. What is drawn there with an XOR raster mode
// (R2_XORPEN, R2_NOT, PatBlt with PATINVERT or DSTINVERT) stays in the layer
// until it is drawn again, which erases it; what is drawn in copy mode shows
// until the windows below repaint that spot. Neither repaints the windows.

#include "platform/windows/WinTypes.h"

struct PAINTSTRUCT {
  HDC hdc = nullptr;
  bool fErase = false;
  RECT rcPaint;
  bool fRestore = false;
  bool fIncUpdate = false;
};
using TPaintStruct = PAINTSTRUCT;

// Outside a paint event BeginPaint answers a DC that draws nowhere and an
// empty paint rectangle: the window has nothing to update.
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint);
bool EndPaint(HWND hwnd, const PAINTSTRUCT* paint);
HDC GetDC(HWND hwnd);
HDC GetWindowDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC dc);
bool DeleteDC(HDC dc);
HWND WindowFromDC(HDC dc);

bool InvalidateRect(HWND hwnd, const RECT* rect, bool erase);
bool ValidateRect(HWND hwnd, const RECT* rect);
bool GetUpdateRect(HWND hwnd, RECT* rect, bool erase);
bool UpdateWindow(HWND hwnd);
constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_INTERNALPAINT = 0x0002;
constexpr UINT RDW_ERASE = 0x0004;
constexpr UINT RDW_VALIDATE = 0x0008;
constexpr UINT RDW_NOINTERNALPAINT = 0x0010;
constexpr UINT RDW_NOERASE = 0x0020;
constexpr UINT RDW_NOCHILDREN = 0x0040;
constexpr UINT RDW_ALLCHILDREN = 0x0080;
constexpr UINT RDW_UPDATENOW = 0x0100;
constexpr UINT RDW_ERASENOW = 0x0200;
constexpr UINT RDW_FRAME = 0x0400;
constexpr UINT RDW_NOFRAME = 0x0800;
bool RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags);
// One window at a time stops repainting until LockWindowUpdate(0).
bool LockWindowUpdate(HWND hwnd);

// Raster modes.
constexpr int R2_BLACK = 1;
constexpr int R2_NOT = 6;
constexpr int R2_XORPEN = 7;
constexpr int R2_NOTXORPEN = 10;
constexpr int R2_COPYPEN = 13;
constexpr int R2_WHITE = 16;
// PatBlt operations.
constexpr DWORD PATCOPY = 0x00F00021;
constexpr DWORD PATINVERT = 0x005A0049;
constexpr DWORD DSTINVERT = 0x00550009;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;
// Region kinds answered by the clip functions.
constexpr int RGN_ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

bool SetViewportOrgEx(HDC dc, int x, int y, POINT* old);
bool GetViewportOrgEx(HDC dc, POINT* origin);
bool OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* old);
int SaveDC(HDC dc);
bool RestoreDC(HDC dc, int savedDC);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
// Only region 0 is known here: it removes the clipping set on the DC.
int SelectClipRgn(HDC dc, HRGN region);
int GetClipBox(HDC dc, RECT* rect);
int SetROP2(HDC dc, int mode);
int GetROP2(HDC dc);
COLORREF SetDCPenColor(HDC dc, COLORREF color);
COLORREF SetDCBrushColor(HDC dc, COLORREF color);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
bool MoveToEx(HDC dc, int x, int y, POINT* old);
// Draws up to, not including, the end point.
bool LineTo(HDC dc, int x, int y);
// Outline with the pen, inside with the brush; right and bottom exclusive.
bool Rectangle(HDC dc, int left, int top, int right, int bottom);
bool PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
