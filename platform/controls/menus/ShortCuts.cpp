#include "platform/controls/menus/ShortCuts.h"

#include <string_view>

#include "platform/core/SysUtils.h"

namespace {

struct TKeyName {
  uint16_t Key;
  const char* Name;
};

constexpr TKeyName KeyNames[] = {
    {VK_BACK, "BkSp"}, {VK_TAB, "Tab"},   {VK_ESCAPE, "Esc"},  {VK_RETURN, "Enter"},
    {VK_SPACE, "Space"}, {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"}, {VK_END, "End"},
    {VK_HOME, "Home"}, {VK_LEFT, "Left"}, {VK_UP, "Up"},       {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"}, {VK_INSERT, "Ins"}, {VK_DELETE, "Del"}};

constexpr uint16_t VkF1 = 0x70;

std::string KeyToText(uint16_t key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
  if (key >= VkF1 && key < VkF1 + 12) return "F" + IntToStr(key - VkF1 + 1);
  for (const TKeyName& k : KeyNames)
    if (k.Key == key) return k.Name;
  return {};
}

struct TModifierName {
  TShortCut Bit;
  const char* Name;
};
constexpr TModifierName Modifiers[] = {{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}};

}  // namespace

TShortCut ShortCut(uint16_t key, TShiftState shift) {
  if (key & 0xFF00) return scNone;
  TShortCut result = key;
  if (shift.Contains(ssShift)) result |= scShift;
  if (shift.Contains(ssCtrl)) result |= scCtrl;
  if (shift.Contains(ssAlt)) result |= scAlt;
  return result;
}

void ShortCutToKey(TShortCut shortCut, uint16_t& key, TShiftState& shift) {
  key = shortCut & 0xFF;
  shift.Clear();
  if (shortCut & scShift) shift.Include(ssShift);
  if (shortCut & scCtrl) shift.Include(ssCtrl);
  if (shortCut & scAlt) shift.Include(ssAlt);
}

std::string ShortCutToText(TShortCut shortCut) {
  const std::string key = KeyToText(shortCut & 0xFF);
  if (key.empty()) return {};
  std::string text;
  for (const TModifierName& m : Modifiers)
    if (shortCut & m.Bit) text += m.Name;
  return text + key;
}

TShortCut TextToShortCut(const std::string& text) {
  std::string_view rest = text;
  TShortCut modifiers = 0;
  // A modifier is recognised only while a key name follows it, so "+" alone
  // stays unknown and "Ctrl+" names nothing.
  for (bool found = true; found;) {
    found = false;
    for (const TModifierName& m : Modifiers) {
      const std::string_view name = m.Name;
      if (rest.size() > name.size() && SameText(rest.substr(0, name.size()), name)) {
        modifiers |= m.Bit;
        rest.remove_prefix(name.size());
        found = true;
      }
    }
  }
  for (uint16_t key = 1; key < 0x100; ++key) {
    const std::string name = KeyToText(key);
    if (!name.empty() && SameText(name, rest)) return static_cast<TShortCut>(key | modifiers);
  }
  return scNone;
}

PTypeInfo TypeInfoTShortCut() {
  static const TTypeInfo info = MakeOrdinalTypeInfo(tkInteger, "TShortCut", otUWord, 0, 65535);
  return &info;
}
