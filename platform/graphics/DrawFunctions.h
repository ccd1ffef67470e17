#pragma once
// The drawing functions of the windowing system that work on a DC: text in a
// rectangle, 3D edges, frame controls (the combo box's drop-down button ...)
// and the focus rectangle; and Frame3D on a canvas. Colours of edges and
// controls are the system colours of the palette.
//
// DrawText draws with the DC's font and its pen's colour (a canvas selects
// its font and font colour into its DC when its Handle is asked for).

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"
#include "platform/windows/WinTypes.h"

class TCanvas;

constexpr UINT DT_TOP = 0x0000;
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_BOTTOM = 0x0008;
constexpr UINT DT_WORDBREAK = 0x0010;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_EXPANDTABS = 0x0040;
constexpr UINT DT_NOCLIP = 0x0100;
constexpr UINT DT_CALCRECT = 0x0400;
constexpr UINT DT_NOPREFIX = 0x0800;
constexpr UINT DT_PATH_ELLIPSIS = 0x4000;
constexpr UINT DT_END_ELLIPSIS = 0x8000;

// Draws count bytes of text (-1: up to the NUL) in rect by format and answers
// the height of the text. With DT_CALCRECT it draws nothing and widens or
// heightens rect to what the text needs.
int DrawText(HDC dc, const char* text, int count, RECT* rect, UINT format);

constexpr UINT BDR_RAISEDOUTER = 0x0001;
constexpr UINT BDR_SUNKENOUTER = 0x0002;
constexpr UINT BDR_RAISEDINNER = 0x0004;
constexpr UINT BDR_SUNKENINNER = 0x0008;
constexpr UINT BDR_OUTER = 0x0003;
constexpr UINT BDR_INNER = 0x000C;
constexpr UINT EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr UINT EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

constexpr UINT BF_LEFT = 0x0001;
constexpr UINT BF_TOP = 0x0002;
constexpr UINT BF_RIGHT = 0x0004;
constexpr UINT BF_BOTTOM = 0x0008;
constexpr UINT BF_TOPLEFT = BF_TOP | BF_LEFT;
constexpr UINT BF_TOPRIGHT = BF_TOP | BF_RIGHT;
constexpr UINT BF_BOTTOMLEFT = BF_BOTTOM | BF_LEFT;
constexpr UINT BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
constexpr UINT BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr UINT BF_MIDDLE = 0x0800;
constexpr UINT BF_SOFT = 0x1000;
constexpr UINT BF_ADJUST = 0x2000;
constexpr UINT BF_FLAT = 0x4000;
constexpr UINT BF_MONO = 0x8000;

// Draws the edge's outer and inner line on the sides in flags; with
// BF_ADJUST rect shrinks by what was drawn.
bool DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags);

constexpr UINT DFC_CAPTION = 1;
constexpr UINT DFC_MENU = 2;
constexpr UINT DFC_SCROLL = 3;
constexpr UINT DFC_BUTTON = 4;
constexpr UINT DFCS_SCROLLUP = 0x0000;
constexpr UINT DFCS_SCROLLDOWN = 0x0001;
constexpr UINT DFCS_SCROLLLEFT = 0x0002;
constexpr UINT DFCS_SCROLLRIGHT = 0x0003;
constexpr UINT DFCS_SCROLLCOMBOBOX = 0x0005;
constexpr UINT DFCS_BUTTONCHECK = 0x0000;
constexpr UINT DFCS_BUTTONRADIO = 0x0004;
constexpr UINT DFCS_BUTTONPUSH = 0x0010;
constexpr UINT DFCS_INACTIVE = 0x0100;
constexpr UINT DFCS_PUSHED = 0x0200;
constexpr UINT DFCS_CHECKED = 0x0400;
constexpr UINT DFCS_HOT = 0x1000;
constexpr UINT DFCS_FLAT = 0x4000;
constexpr UINT DFCS_MONO = 0x8000;

// Scroll arrows and the combo box's drop-down button (DFC_SCROLL), check
// boxes, radio buttons and push buttons (DFC_BUTTON). Other types answer false.
bool DrawFrameControl(HDC dc, RECT* rect, UINT type, UINT state);

// Inverts every other pixel of the rectangle's frame: drawing it again erases it.
bool DrawFocusRect(HDC dc, const RECT* rect);

// A frame of width lines: topColor above and left, bottomColor below and
// right (which also takes the top-right and bottom-left corners). rect
// shrinks by width on each side.
void Frame3D(TCanvas* canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);
