#pragma once
// Keyboard shortcuts of menu items and actions: a virtual-key code in the low
// byte and the modifiers in the high bits, written as text "Ctrl+Shift+F5".
// Menu items and actions carry them; the menus unit owns them.

#include <cstdint>
#include <string>

#include "platform/rtti/TypeData.h"
#include "platform/windows/Keyboard.h"

using TShortCut = uint16_t;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

TShortCut ShortCut(uint16_t key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, uint16_t& key, TShiftState& shift);

// "Shift+", "Ctrl+" and "Alt+" (in that order) before the key's name: a letter
// or digit, F1..F12, or one of BkSp Tab Esc Enter Space PgUp PgDn End Home
// Left Up Right Down Ins Del. Empty for 0 and for keys without a name.
std::string ShortCutToText(TShortCut shortCut);
// The same text back; modifiers in any order and letter case. 0 when the text
// names no shortcut.
TShortCut TextToShortCut(const std::string& text);

// The type information of shortcut properties.
PTypeInfo TypeInfoTShortCut();
