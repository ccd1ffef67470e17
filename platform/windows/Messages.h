#pragma once
// Messages of the windowing system: the standard values and parameter layouts,
// the platform controls' own notifications (CM_ ...), and the message records.
//
// TMessage is the record a window procedure of the controls layer receives.
// The per-message records (TWMMouse, TWMKey ...) are views on a TMessage that
// name its fields the way that message lays them out; they read from and write
// back to the message they view.

#include <functional>

#include "platform/windows/WinTypes.h"

// Standard window messages.
constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_MOVE = 0x0003;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_ACTIVATE = 0x0006;
constexpr UINT WM_SETFOCUS = 0x0007;
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_ENABLE = 0x000A;
constexpr UINT WM_SETREDRAW = 0x000B;
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_GETTEXT = 0x000D;
constexpr UINT WM_GETTEXTLENGTH = 0x000E;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_ERASEBKGND = 0x0014;
constexpr UINT WM_SHOWWINDOW = 0x0018;
constexpr UINT WM_ACTIVATEAPP = 0x001C;
constexpr UINT WM_CANCELMODE = 0x001F;
constexpr UINT WM_SETCURSOR = 0x0020;
constexpr UINT WM_MOUSEACTIVATE = 0x0021;
constexpr UINT WM_GETMINMAXINFO = 0x0024;
constexpr UINT WM_WINDOWPOSCHANGING = 0x0046;
constexpr UINT WM_WINDOWPOSCHANGED = 0x0047;
constexpr UINT WM_CONTEXTMENU = 0x007B;
constexpr UINT WM_NCCREATE = 0x0081;
constexpr UINT WM_NCDESTROY = 0x0082;
constexpr UINT WM_NCHITTEST = 0x0084;
constexpr UINT WM_KEYFIRST = 0x0100;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_SYSKEYUP = 0x0105;
constexpr UINT WM_SYSCHAR = 0x0106;
constexpr UINT WM_KEYLAST = 0x0108;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_HSCROLL = 0x0114;
constexpr UINT WM_VSCROLL = 0x0115;
constexpr UINT WM_INITMENUPOPUP = 0x0117;
constexpr UINT WM_MENUSELECT = 0x011F;
constexpr UINT WM_ENTERIDLE = 0x0121;
constexpr UINT WM_MOUSEFIRST = 0x0200;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;
constexpr UINT WM_MBUTTONDBLCLK = 0x0209;
constexpr UINT WM_MOUSEWHEEL = 0x020A;
constexpr UINT WM_MOUSELAST = 0x020A;
constexpr UINT WM_PARENTNOTIFY = 0x0210;
constexpr UINT WM_ENTERMENULOOP = 0x0211;
constexpr UINT WM_EXITMENULOOP = 0x0212;
constexpr UINT WM_CAPTURECHANGED = 0x0215;
constexpr UINT WM_ENTERSIZEMOVE = 0x0231;
constexpr UINT WM_EXITSIZEMOVE = 0x0232;
constexpr UINT WM_MOUSELEAVE = 0x02A3;
constexpr UINT WM_CUT = 0x0300;
constexpr UINT WM_COPY = 0x0301;
constexpr UINT WM_PASTE = 0x0302;
constexpr UINT WM_CLEAR = 0x0303;
constexpr UINT WM_USER = 0x0400;
constexpr UINT WM_APP = 0x8000;

// Notifications of the platform's controls, in their own range.
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_GOTFOCUS = CM_BASE + 2;
constexpr UINT CM_LOSTFOCUS = CM_BASE + 3;
constexpr UINT CM_CANCELMODE = CM_BASE + 4;  // LParam: the control the user turned to
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr UINT CM_HITTEST = CM_BASE + 10;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
constexpr UINT CM_CTL3DCHANGED = CM_BASE + 16;
constexpr UINT CM_PARENTCTL3DCHANGED = CM_BASE + 17;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_MENUCHANGED = CM_BASE + 21;
constexpr UINT CM_APPKEYDOWN = CM_BASE + 22;
constexpr UINT CM_APPSYSCOMMAND = CM_BASE + 23;
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 24;  // WParam: group index, LParam: the button
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr UINT CM_ENTER = CM_BASE + 26;
constexpr UINT CM_EXIT = CM_BASE + 27;
constexpr UINT CM_DESIGNHITTEST = CM_BASE + 28;
constexpr UINT CM_ICONCHANGED = CM_BASE + 29;
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 30;
constexpr UINT CM_INVOKEHELP = CM_BASE + 31;
constexpr UINT CM_WINDOWHOOK = CM_BASE + 32;
constexpr UINT CM_RELEASE = CM_BASE + 33;
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 34;
constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 36;
constexpr UINT CM_WININICHANGE = CM_BASE + 37;
constexpr UINT CM_FONTCHANGE = CM_BASE + 38;
constexpr UINT CM_TIMECHANGE = CM_BASE + 39;
constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 40;
constexpr UINT CM_UIACTIVATE = CM_BASE + 41;
constexpr UINT CM_UIDEACTIVATE = CM_BASE + 42;
constexpr UINT CM_DOCWINDOWACTIVATE = CM_BASE + 43;
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 44;
constexpr UINT CM_GETDATALINK = CM_BASE + 45;
constexpr UINT CM_CHILDKEY = CM_BASE + 46;
constexpr UINT CM_DRAG = CM_BASE + 47;
constexpr UINT CM_HINTSHOW = CM_BASE + 48;
constexpr UINT CM_DIALOGHANDLE = CM_BASE + 49;
constexpr UINT CM_ISTOOLCONTROL = CM_BASE + 50;
constexpr UINT CM_RECREATEWND = CM_BASE + 51;
constexpr UINT CM_INVALIDATE = CM_BASE + 52;
constexpr UINT CM_SYSFONTCHANGED = CM_BASE + 53;
constexpr UINT CM_CONTROLCHANGE = CM_BASE + 54;
constexpr UINT CM_CHANGED = CM_BASE + 55;
// Notifications a control receives back from its own native window.
constexpr UINT CN_BASE = 0xBC00;

// Parameter values.
constexpr int HTERROR = -2;
constexpr int HTTRANSPARENT = -1;
constexpr int HTNOWHERE = 0;
constexpr int HTCLIENT = 1;
constexpr int HTCAPTION = 2;
constexpr WORD WA_INACTIVE = 0;
constexpr WORD WA_ACTIVE = 1;
constexpr WORD WA_CLICKACTIVE = 2;
constexpr WPARAM SIZE_RESTORED = 0;
constexpr WPARAM SIZE_MINIMIZED = 1;
constexpr WPARAM SIZE_MAXIMIZED = 2;
constexpr WORD SB_LINEUP = 0;
constexpr WORD SB_LINEDOWN = 1;
constexpr WORD SB_PAGEUP = 2;
constexpr WORD SB_PAGEDOWN = 3;
constexpr WORD SB_THUMBPOSITION = 4;
constexpr WORD SB_THUMBTRACK = 5;
constexpr WORD SB_TOP = 6;
constexpr WORD SB_BOTTOM = 7;
constexpr WORD SB_ENDSCROLL = 8;
constexpr int WHEEL_DELTA = 120;

// The message a window procedure of the controls layer receives.
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;

  WORD WParamLo() const { return LOWORD(WParam); }
  WORD WParamHi() const { return HIWORD(WParam); }
  WORD LParamLo() const { return LOWORD(static_cast<uintptr_t>(LParam)); }
  WORD LParamHi() const { return HIWORD(static_cast<uintptr_t>(LParam)); }
  WORD ResultLo() const { return LOWORD(static_cast<uintptr_t>(Result)); }
  WORD ResultHi() const { return HIWORD(static_cast<uintptr_t>(Result)); }
};

// A replaceable window procedure of the controls layer (TControl::WindowProc).
using TWndMethod = std::function<void(TMessage&)>;

// A queued message as the message loop and the get-message hook see it.
struct MSG {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  DWORD time = 0;
  POINT pt;
};
using TMsg = MSG;

// What the call-window-procedure hook is shown of a sent message.
struct CWPSTRUCT {
  LPARAM lParam = 0;
  WPARAM wParam = 0;
  UINT message = 0;
  HWND hwnd = nullptr;
};
using TCWPStruct = CWPSTRUCT;

struct WINDOWPOS {
  HWND hwnd = nullptr;
  HWND hwndInsertAfter = nullptr;
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
  UINT flags = 0;
};
using TWindowPos = WINDOWPOS;

struct MINMAXINFO {
  POINT ptReserved;
  POINT ptMaxSize;
  POINT ptMaxPosition;
  POINT ptMinTrackSize;
  POINT ptMaxTrackSize;
};
using TMinMaxInfo = MINMAXINFO;

struct CREATESTRUCT {
  void* lpCreateParams = nullptr;
  HINSTANCE hInstance = nullptr;
  HMENU hMenu = nullptr;
  HWND hwndParent = nullptr;
  int cy = 0;
  int cx = 0;
  int y = 0;
  int x = 0;
  LONG style = 0;
  const char* lpszName = nullptr;
  const char* lpszClass = nullptr;
  DWORD dwExStyle = 0;
};
using TCreateStruct = CREATESTRUCT;

// Base of the per-message views.
class TMessageView {
 public:
  explicit TMessageView(TMessage& message) : M(message) {}
  UINT Msg() const { return M.Msg; }
  LRESULT Result() const { return M.Result; }
  void SetResult(LRESULT r) { M.Result = r; }
  TMessage& Message() { return M; }

 protected:
  TMessage& M;
};

// Mouse messages: MK_ flags in WParam, client coordinates in LParam.
class TWMMouse : public TMessageView {
 public:
  using TMessageView::TMessageView;
  WPARAM Keys() const { return M.WParam; }
  int16_t XPos() const { return static_cast<int16_t>(M.LParamLo()); }
  int16_t YPos() const { return static_cast<int16_t>(M.LParamHi()); }
  TSmallPoint Pos() const { return {XPos(), YPos()}; }
};
using TWMLButtonDown = TWMMouse;
using TWMLButtonUp = TWMMouse;
using TWMLButtonDblClk = TWMMouse;
using TWMRButtonDown = TWMMouse;
using TWMRButtonUp = TWMMouse;
using TWMMouseMove = TWMMouse;

// Wheel: MK_ flags in the low word of WParam, the signed delta in the high
// word, screen coordinates in LParam.
class TWMMouseWheel : public TMessageView {
 public:
  using TMessageView::TMessageView;
  WORD Keys() const { return M.WParamLo(); }
  int16_t WheelDelta() const { return static_cast<int16_t>(M.WParamHi()); }
  int16_t XPos() const { return static_cast<int16_t>(M.LParamLo()); }
  int16_t YPos() const { return static_cast<int16_t>(M.LParamHi()); }
};

// Keys: the virtual-key code (or the character for WM_CHAR) in WParam and the
// key data in LParam (repeat count in bits 0-15, scan code in 16-23, Alt held
// in bit 29, previous state in bit 30, transition in bit 31).
class TWMKey : public TMessageView {
 public:
  using TMessageView::TMessageView;
  WORD CharCode() const { return M.WParamLo(); }
  void SetCharCode(WORD code) { M.WParam = code; }
  LONG KeyData() const { return static_cast<LONG>(M.LParam); }
};
using TWMKeyDown = TWMKey;
using TWMKeyUp = TWMKey;
using TWMChar = TWMKey;
using TWMSysKeyDown = TWMKey;

class TWMWindowPosMsg : public TMessageView {
 public:
  using TMessageView::TMessageView;
  WINDOWPOS* WindowPos() const { return reinterpret_cast<WINDOWPOS*>(M.LParam); }
};
using TWMWindowPosChanging = TWMWindowPosMsg;
using TWMWindowPosChanged = TWMWindowPosMsg;

class TWMGetMinMaxInfo : public TMessageView {
 public:
  using TMessageView::TMessageView;
  MINMAXINFO* MinMaxInfo() const { return reinterpret_cast<MINMAXINFO*>(M.LParam); }
};

// WM_SETCURSOR: the window under the pointer in WParam, the hit-test code in
// the low word of LParam and the mouse message that caused it in the high word.
class TWMSetCursor : public TMessageView {
 public:
  using TMessageView::TMessageView;
  HWND CursorWnd() const { return reinterpret_cast<HWND>(M.WParam); }
  int16_t HitTest() const { return static_cast<int16_t>(M.LParamLo()); }
  WORD MouseMsg() const { return M.LParamHi(); }
};

// WM_PAINT and WM_ERASEBKGND: a device context to paint into may come in WParam.
class TWMPaint : public TMessageView {
 public:
  using TMessageView::TMessageView;
  HDC DC() const { return reinterpret_cast<HDC>(M.WParam); }
  void SetDC(HDC dc) { M.WParam = reinterpret_cast<WPARAM>(dc); }
};
using TWMEraseBkgnd = TWMPaint;

class TWMActivate : public TMessageView {
 public:
  using TMessageView::TMessageView;
  WORD Active() const { return M.WParamLo(); }
  bool Minimized() const { return M.WParamHi() != 0; }
  HWND ActiveWindow() const { return reinterpret_cast<HWND>(M.LParam); }
};

class TWMSize : public TMessageView {
 public:
  using TMessageView::TMessageView;
  WPARAM SizeType() const { return M.WParam; }
  WORD Width() const { return M.LParamLo(); }
  WORD Height() const { return M.LParamHi(); }
};

class TWMMove : public TMessageView {
 public:
  using TMessageView::TMessageView;
  int16_t XPos() const { return static_cast<int16_t>(M.LParamLo()); }
  int16_t YPos() const { return static_cast<int16_t>(M.LParamHi()); }
};

class TWMTimer : public TMessageView {
 public:
  using TMessageView::TMessageView;
  WPARAM TimerID() const { return M.WParam; }
  TIMERPROC TimerProc() const { return reinterpret_cast<TIMERPROC>(M.LParam); }
};

class TWMScroll : public TMessageView {
 public:
  using TMessageView::TMessageView;
  WORD ScrollCode() const { return M.WParamLo(); }
  int16_t Pos() const { return static_cast<int16_t>(M.WParamHi()); }
  HWND ScrollBar() const { return reinterpret_cast<HWND>(M.LParam); }
};
using TWMHScroll = TWMScroll;
using TWMVScroll = TWMScroll;

class TWMShowWindow : public TMessageView {
 public:
  using TMessageView::TMessageView;
  bool Show() const { return M.WParam != 0; }
  LPARAM Status() const { return M.LParam; }
};

// Messages without parameters: WM_CLOSE, WM_CANCELMODE, WM_DESTROY, menu loops.
using TWMNoParams = TMessageView;
using TWMClose = TMessageView;
using TWMCancelMode = TMessageView;
using TWMDestroy = TMessageView;
