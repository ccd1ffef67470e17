#pragma once
// Colours of the platform. A TColor is $00BBGGRR for an RGB colour; with the
// high bit set ($80000000 | index) it names a system colour that follows the
// desktop's palette and is resolved only when something is drawn.

#include <cstdint>
#include <functional>
#include <string>

using TColor = int32_t;

// System colour indexes, as GetSysColor takes them.
constexpr int COLOR_SCROLLBAR = 0;
constexpr int COLOR_BACKGROUND = 1;
constexpr int COLOR_ACTIVECAPTION = 2;
constexpr int COLOR_INACTIVECAPTION = 3;
constexpr int COLOR_MENU = 4;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWFRAME = 6;
constexpr int COLOR_MENUTEXT = 7;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_CAPTIONTEXT = 9;
constexpr int COLOR_ACTIVEBORDER = 10;
constexpr int COLOR_INACTIVEBORDER = 11;
constexpr int COLOR_APPWORKSPACE = 12;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_INACTIVECAPTIONTEXT = 19;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_3DDKSHADOW = 21;
constexpr int COLOR_3DLIGHT = 22;
constexpr int COLOR_INFOTEXT = 23;
constexpr int COLOR_INFOBK = 24;
constexpr int COLOR_HOTLIGHT = 26;
constexpr int COLOR_GRADIENTACTIVECAPTION = 27;
constexpr int COLOR_GRADIENTINACTIVECAPTION = 28;
constexpr int COLOR_MENUHILIGHT = 29;
constexpr int COLOR_MENUBAR = 30;

constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);

constexpr TColor clScrollBar = clSystemColor | COLOR_SCROLLBAR;
constexpr TColor clBackground = clSystemColor | COLOR_BACKGROUND;
constexpr TColor clActiveCaption = clSystemColor | COLOR_ACTIVECAPTION;
constexpr TColor clInactiveCaption = clSystemColor | COLOR_INACTIVECAPTION;
constexpr TColor clMenu = clSystemColor | COLOR_MENU;
constexpr TColor clWindow = clSystemColor | COLOR_WINDOW;
constexpr TColor clWindowFrame = clSystemColor | COLOR_WINDOWFRAME;
constexpr TColor clMenuText = clSystemColor | COLOR_MENUTEXT;
constexpr TColor clWindowText = clSystemColor | COLOR_WINDOWTEXT;
constexpr TColor clCaptionText = clSystemColor | COLOR_CAPTIONTEXT;
constexpr TColor clActiveBorder = clSystemColor | COLOR_ACTIVEBORDER;
constexpr TColor clInactiveBorder = clSystemColor | COLOR_INACTIVEBORDER;
constexpr TColor clAppWorkSpace = clSystemColor | COLOR_APPWORKSPACE;
constexpr TColor clHighlight = clSystemColor | COLOR_HIGHLIGHT;
constexpr TColor clHighlightText = clSystemColor | COLOR_HIGHLIGHTTEXT;
constexpr TColor clBtnFace = clSystemColor | COLOR_BTNFACE;
constexpr TColor clBtnShadow = clSystemColor | COLOR_BTNSHADOW;
constexpr TColor clGrayText = clSystemColor | COLOR_GRAYTEXT;
constexpr TColor clBtnText = clSystemColor | COLOR_BTNTEXT;
constexpr TColor clInactiveCaptionText = clSystemColor | COLOR_INACTIVECAPTIONTEXT;
constexpr TColor clBtnHighlight = clSystemColor | COLOR_BTNHIGHLIGHT;
constexpr TColor cl3DDkShadow = clSystemColor | COLOR_3DDKSHADOW;
constexpr TColor cl3DLight = clSystemColor | COLOR_3DLIGHT;
constexpr TColor clInfoText = clSystemColor | COLOR_INFOTEXT;
constexpr TColor clInfoBk = clSystemColor | COLOR_INFOBK;
constexpr TColor clHotLight = clSystemColor | COLOR_HOTLIGHT;
constexpr TColor clGradientActiveCaption = clSystemColor | COLOR_GRADIENTACTIVECAPTION;
constexpr TColor clGradientInactiveCaption = clSystemColor | COLOR_GRADIENTINACTIVECAPTION;
constexpr TColor clMenuHighlight = clSystemColor | COLOR_MENUHILIGHT;
constexpr TColor clMenuBar = clSystemColor | COLOR_MENUBAR;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clLtGray = 0xC0C0C0;
constexpr TColor clDkGray = 0x808080;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// The RGB value of a system colour (COLOR_ index) from the desktop's palette;
// without a running application the classic grey scheme answers.
uint32_t GetSysColor(int index);

// An RGB colour for drawing: system colours resolved, others unchanged.
int32_t ColorToRGB(TColor color);

// "clRed" for named colours, "$00BBGGRR" (eight hex digits) for the others.
std::string ColorToString(TColor color);
// A colour name or a number ("$00FF8000", "16711680"); anything else raises
// EConvertError.
TColor StringToColor(const std::string& text);
bool ColorToIdent(int32_t color, std::string& ident);
// Case-insensitive.
bool IdentToColor(const std::string& ident, int32_t& color);
// Calls proc with every colour name, in the platform's order: the sixteen
// standard colours, the four extra ones, then the system colours with clNone
// and clDefault in alphabetical order, as colour lists show them.
void GetColorValues(const std::function<void(const std::string&)>& proc);
