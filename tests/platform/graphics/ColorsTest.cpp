#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>

#include "platform/core/Exceptions.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/QtGraphics.h"

namespace {
struct TColorText {
  TColor Color;
  const char* Text;
};

TEST(Colors, NamesAndNumbersBothWays) {
  const TColorText cases[] = {
      {clRed, "clRed"},          {clBtnFace, "clBtnFace"},   {clWindowText, "clWindowText"},
      {clNone, "clNone"},        {clDefault, "clDefault"},   {clCream, "clCream"},
      {0x00123456, "$00123456"}, {clSystemColor | 99, "$80000063"},
  };
  for (const TColorText& c : cases) {
    EXPECT_EQ(ColorToString(c.Color), c.Text);
    EXPECT_EQ(StringToColor(c.Text), c.Color) << c.Text;
  }
  EXPECT_EQ(StringToColor("CLBTNFACE"), clBtnFace);
  EXPECT_EQ(StringToColor("255"), clRed);
  // Silver and light grey are one value; the first name wins.
  EXPECT_EQ(ColorToString(clLtGray), "clSilver");
}

TEST(Colors, BadTextRaisesConvertError) {
  for (const char* text : {"clPink", "", "$1FFFFFFFF", "12abc"})
    EXPECT_THROW(StringToColor(text), EConvertError) << text;
}

TEST(Colors, ValuesListStandardColoursFirstAndEveryNameOnce) {
  std::vector<std::string> names;
  GetColorValues([&](const std::string& n) { names.push_back(n); });
  ASSERT_GE(names.size(), 20u);
  EXPECT_EQ(names[0], "clBlack");
  EXPECT_EQ(names[15], "clWhite");
  for (const std::string& n : names) {
    int32_t value;
    ASSERT_TRUE(IdentToColor(n, value)) << n;
    EXPECT_EQ(std::count(names.begin(), names.end(), n), 1) << n;
  }
  EXPECT_NE(std::find(names.begin(), names.end(), "clBtnFace"), names.end());
}

TEST(Colors, SystemColoursFollowThePalette) {
  QPalette saved = QApplication::palette();
  QPalette palette = saved;
  palette.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
  palette.setColor(QPalette::Active, QPalette::Highlight, QColor(200, 100, 50));
  QApplication::setPalette(palette);
  EXPECT_EQ(ColorToRGB(clBtnFace), 0x030201);
  EXPECT_EQ(ColorToRGB(clHighlight), 0x3264C8);
  EXPECT_EQ(ColorToQColor(clBtnFace), QColor(1, 2, 3));
  EXPECT_EQ(ColorToRGB(clRed), clRed);
  EXPECT_FALSE(ColorToQColor(clNone).isValid());
  QApplication::setPalette(saved);
}
}  // namespace
