// System colours follow the application's palette, so that what the designer
// draws matches the native controls next to it.

#include <QApplication>
#include <QPalette>

#include "platform/graphics/Colors.h"

namespace {
struct TSystemColorSource {
  QPalette::ColorGroup Group;
  QPalette::ColorRole Role;
  uint32_t Classic;  // $00BBGGRR without an application
};

TSystemColorSource SourceOf(int index) {
  using P = QPalette;
  switch (index) {
    case COLOR_SCROLLBAR: return {P::Active, P::Button, 0xC8D0D4};
    case COLOR_BACKGROUND: return {P::Active, P::Dark, 0xA56E3A};
    case COLOR_ACTIVECAPTION: return {P::Active, P::Highlight, 0x6A240A};
    case COLOR_INACTIVECAPTION: return {P::Active, P::Mid, 0x808080};
    case COLOR_MENU: return {P::Active, P::Window, 0xC8D0D4};
    case COLOR_WINDOW: return {P::Active, P::Base, 0xFFFFFF};
    case COLOR_WINDOWFRAME: return {P::Active, P::Shadow, 0x000000};
    case COLOR_MENUTEXT: return {P::Active, P::WindowText, 0x000000};
    case COLOR_WINDOWTEXT: return {P::Active, P::Text, 0x000000};
    case COLOR_CAPTIONTEXT: return {P::Active, P::HighlightedText, 0xFFFFFF};
    case COLOR_ACTIVEBORDER: return {P::Active, P::Button, 0xC8D0D4};
    case COLOR_INACTIVEBORDER: return {P::Active, P::Button, 0xC8D0D4};
    case COLOR_APPWORKSPACE: return {P::Active, P::Dark, 0x808080};
    case COLOR_HIGHLIGHT: return {P::Active, P::Highlight, 0x6A240A};
    case COLOR_HIGHLIGHTTEXT: return {P::Active, P::HighlightedText, 0xFFFFFF};
    case COLOR_BTNFACE: return {P::Active, P::Button, 0xC8D0D4};
    case COLOR_BTNSHADOW: return {P::Active, P::Dark, 0x808080};
    case COLOR_GRAYTEXT: return {P::Disabled, P::Text, 0x808080};
    case COLOR_BTNTEXT: return {P::Active, P::ButtonText, 0x000000};
    case COLOR_INACTIVECAPTIONTEXT: return {P::Disabled, P::WindowText, 0xC8D0D4};
    case COLOR_BTNHIGHLIGHT: return {P::Active, P::Light, 0xFFFFFF};
    case COLOR_3DDKSHADOW: return {P::Active, P::Shadow, 0x404040};
    case COLOR_3DLIGHT: return {P::Active, P::Midlight, 0xC8D0D4};
    case COLOR_INFOTEXT: return {P::Active, P::ToolTipText, 0x000000};
    case COLOR_INFOBK: return {P::Active, P::ToolTipBase, 0xE1FFFF};
    case COLOR_HOTLIGHT: return {P::Active, P::Link, 0x800000};
    case COLOR_GRADIENTACTIVECAPTION: return {P::Active, P::Highlight, 0xF0CAA6};
    case COLOR_GRADIENTINACTIVECAPTION: return {P::Active, P::Midlight, 0xC0C0C0};
    case COLOR_MENUHILIGHT: return {P::Active, P::Highlight, 0x6A240A};
    case COLOR_MENUBAR: return {P::Active, P::Window, 0xC8D0D4};
    default: return {P::Active, P::NoRole, 0x000000};
  }
}
}  // namespace

uint32_t GetSysColor(int index) {
  TSystemColorSource source = SourceOf(index);
  if (source.Role == QPalette::NoRole || !qobject_cast<QApplication*>(QCoreApplication::instance()))
    return source.Classic;
  QColor c = QApplication::palette().color(source.Group, source.Role);
  return static_cast<uint32_t>(c.red()) | static_cast<uint32_t>(c.green()) << 8 |
         static_cast<uint32_t>(c.blue()) << 16;
}
