#include "platform/graphics/QtGraphics.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <string>
#include <unordered_map>

#include "platform/core/SysUtils.h"
#include "platform/graphics/Font.h"

QColor ColorToQColor(TColor color) {
  if (color == clNone || color == clDefault) return {};
  uint32_t rgb = static_cast<uint32_t>(ColorToRGB(color));
  return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                static_cast<int>((rgb >> 16) & 0xFF));
}

TColor QColorToColor(const QColor& color) {
  return static_cast<TColor>(static_cast<uint32_t>(color.red()) |
                             static_cast<uint32_t>(color.green()) << 8 |
                             static_cast<uint32_t>(color.blue()) << 16);
}

namespace {
bool LooksFixedPitch(const std::string& name) {
  std::string n = LowerCase(name);
  for (const char* word : {"courier", "mono", "consol", "fixedsys", "terminal", "lucida console"})
    if (n.find(word) != std::string::npos) return true;
  return false;
}

// Asking the font database costs a font-configuration lookup each time, and
// every paint of a control with a caption asks: remember the answers.
bool FamilyInstalled(const std::string& name) {
  static std::unordered_map<std::string, bool> known;
  auto it = known.find(name);
  if (it == known.end())
    it = known.emplace(name, QFontDatabase::hasFamily(QString::fromStdString(name))).first;
  return it->second;
}
}  // namespace

QFont FontToQFont(const TFont& font) {
  QFont q;
  bool fixed = font.Pitch() == fpFixed || LooksFixedPitch(font.Name());
  if (FamilyInstalled(font.Name())) {
    q.setFamily(QString::fromStdString(font.Name()));
  } else {
    q = QFontDatabase::systemFont(fixed ? QFontDatabase::FixedFont : QFontDatabase::GeneralFont);
  }
  q.setStyleHint(fixed ? QFont::TypeWriter : QFont::SansSerif);
  // A negative height is the character height, which is what Qt's pixel
  // size means; a positive one is the cell height with its internal leading.
  int height = font.Height();
  int pixels = height < 0 ? -height : height * 4 / 5;
  q.setPixelSize(pixels > 0 ? pixels : 1);
  TFontStyles style = font.Style();
  q.setBold(style.Contains(fsBold));
  q.setItalic(style.Contains(fsItalic));
  q.setUnderline(style.Contains(fsUnderline));
  q.setStrikeOut(style.Contains(fsStrikeOut));
  return q;
}
