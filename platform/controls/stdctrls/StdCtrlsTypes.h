#pragma once
// The small types of the standard controls: alignments, edit case, scroll
// styles, check states, list and combo styles, label layout, and the styles
// and messages of edit windows.

#include "platform/controls/ControlTypes.h"
#include "platform/controls/Form.h"
#include "platform/rtti/TypInfo.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
MORVANE_ENUM_TYPEINFO(TAlignment, taLeftJustify, taRightJustify, taCenter);
// The first two values of TAlignment: the side a check box's box is on.
using TLeftRight = TAlignment;
PTypeInfo TypeInfoTLeftRight();

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
MORVANE_ENUM_TYPEINFO(TEditCharCase, ecNormal, ecUpperCase, ecLowerCase);

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
MORVANE_ENUM_TYPEINFO(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth);

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
MORVANE_ENUM_TYPEINFO(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed);

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
MORVANE_ENUM_TYPEINFO(TListBoxStyle, lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable);

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
MORVANE_ENUM_TYPEINFO(TComboBoxStyle, csDropDown, csSimple, csDropDownList, csOwnerDrawFixed,
                      csOwnerDrawVariable);

enum TTextLayout { tlTop, tlCenter, tlBottom };
MORVANE_ENUM_TYPEINFO(TTextLayout, tlTop, tlCenter, tlBottom);

// Edit window styles (the low word of the window style).
constexpr DWORD ES_LEFT = 0x0000;
constexpr DWORD ES_CENTER = 0x0001;
constexpr DWORD ES_RIGHT = 0x0002;
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD ES_UPPERCASE = 0x0008;
constexpr DWORD ES_LOWERCASE = 0x0010;
constexpr DWORD ES_PASSWORD = 0x0020;
constexpr DWORD ES_AUTOVSCROLL = 0x0040;
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
constexpr DWORD ES_NOHIDESEL = 0x0100;
constexpr DWORD ES_READONLY = 0x0800;
constexpr DWORD ES_WANTRETURN = 0x1000;

// Edit window messages.
constexpr UINT EM_GETSEL = 0x00B0;      // WParam, LParam: DWORD* start, end (may be null)
constexpr UINT EM_SETSEL = 0x00B1;      // WParam: start, LParam: end (-1: to the end)
constexpr UINT EM_GETRECT = 0x00B2;     // LParam: RECT* receiving the text rectangle
constexpr UINT EM_SETRECT = 0x00B3;     // LParam: RECT* (null: the whole client area)
constexpr UINT EM_SETRECTNP = 0x00B4;   // as EM_SETRECT, without repainting
constexpr UINT EM_SCROLLCARET = 0x00B7;
constexpr UINT EM_GETMODIFY = 0x00B8;
constexpr UINT EM_SETMODIFY = 0x00B9;
constexpr UINT EM_REPLACESEL = 0x00C2;  // LParam: const char*
constexpr UINT EM_LIMITTEXT = 0x00C5;
constexpr UINT EM_SETREADONLY = 0x00CF;
