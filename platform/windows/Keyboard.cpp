// The key state the pump keeps from the input it has seen.

#include "platform/windows/Keyboard.h"

#include <cstring>

#include "platform/windows/WindowsInternal.h"

namespace {

BYTE KeyStates[256] = {};

void SetDownBit(WORD key, bool down) {
  BYTE& s = KeyStates[key & 0xFF];
  s = static_cast<BYTE>(down ? (s | 0x80) : (s & ~0x80));
}

}  // namespace

void SetKeyDown(WORD virtKey, bool down) {
  BYTE& s = KeyStates[virtKey & 0xFF];
  if (down && !(s & 0x80)) s ^= 0x01;  // each new press toggles (Caps Lock ...)
  SetDownBit(virtKey, down);
}

void SetModifierState(bool shift, bool ctrl, bool alt) {
  SetDownBit(VK_SHIFT, shift);
  SetDownBit(VK_CONTROL, ctrl);
  SetDownBit(VK_MENU, alt);
  if (!shift) SetDownBit(VK_LSHIFT, false), SetDownBit(VK_RSHIFT, false);
  if (!ctrl) SetDownBit(VK_LCONTROL, false), SetDownBit(VK_RCONTROL, false);
  if (!alt) SetDownBit(VK_LMENU, false), SetDownBit(VK_RMENU, false);
}

void SetMouseButtonState(bool left, bool right, bool middle) {
  SetDownBit(VK_LBUTTON, left);
  SetDownBit(VK_RBUTTON, right);
  SetDownBit(VK_MBUTTON, middle);
}

int16_t GetKeyState(int virtKey) {
  BYTE s = KeyStates[virtKey & 0xFF];
  return static_cast<int16_t>(((s & 0x80) ? 0x8000 : 0) | (s & 0x01));
}

int16_t GetAsyncKeyState(int virtKey) { return GetKeyState(virtKey); }

bool GetKeyboardState(BYTE* keyState) {
  if (!keyState) return false;
  std::memcpy(keyState, KeyStates, sizeof KeyStates);
  return true;
}

TShiftState KeyDataToShiftState(LONG keyData) {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s += ssShift;
  if (GetKeyState(VK_CONTROL) < 0) s += ssCtrl;
  if (keyData & KF_ALTDOWN_MASK) s += ssAlt;
  return s;
}

TShiftState KeysToShiftState(WORD keys) {
  TShiftState s;
  if (keys & MK_SHIFT) s += ssShift;
  if (keys & MK_CONTROL) s += ssCtrl;
  if (keys & MK_LBUTTON) s += ssLeft;
  if (keys & MK_RBUTTON) s += ssRight;
  if (keys & MK_MBUTTON) s += ssMiddle;
  if (GetKeyState(VK_MENU) < 0) s += ssAlt;
  return s;
}
