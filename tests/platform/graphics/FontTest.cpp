#include <gtest/gtest.h>

#include <QFont>

#include "GraphicsTestSupport.h"
#include "platform/classes/ComponentStreams.h"
#include "platform/graphics/QtGraphics.h"

namespace {
TEST(Font, StreamsAsSubPropertiesWithIdentifiersAndDefaultsLeftOut) {
  TGraphicsHolder holder(nullptr);
  holder.SetName("Holder");
  EXPECT_EQ(ComponentToText(&holder),
            "object Holder: TGraphicsHolder\n"
            "  Font.Charset = DEFAULT_CHARSET\n"
            "  Font.Color = clWindowText\n"
            "  Font.Height = -11\n"
            "  Font.Name = 'MS Sans Serif'\n"
            "  Font.Style = []\n"
            "end\n");
}

TEST(Font, ReadsBackWhatAFormFileSays) {
  TGraphicsHolder holder(nullptr);
  TextToComponent(
      "object Holder: TGraphicsHolder\n"
      "  Color = clBtnFace\n"
      "  Font.Charset = ANSI_CHARSET\n"
      "  Font.Color = clRed\n"
      "  Font.Height = -13\n"
      "  Font.Name = 'Tahoma'\n"
      "  Font.Pitch = fpFixed\n"
      "  Font.Style = [fsBold, fsUnderline]\n"
      "end\n",
      &holder);
  TFont* f = holder.Font();
  EXPECT_EQ(holder.Color(), clBtnFace);
  EXPECT_EQ(f->Charset(), ANSI_CHARSET);
  EXPECT_EQ(f->Color(), clRed);
  EXPECT_EQ(f->Height(), -13);
  EXPECT_EQ(f->Size(), 10);
  EXPECT_EQ(f->Name(), "Tahoma");
  EXPECT_EQ(f->Pitch(), fpFixed);
  EXPECT_EQ(f->Style(), (TFontStyles{fsBold, fsUnderline}));
  std::string text = ComponentToText(&holder);
  EXPECT_NE(text.find("  Color = clBtnFace\n"), std::string::npos);
  EXPECT_NE(text.find("  Font.Pitch = fpFixed\n"), std::string::npos);
  EXPECT_NE(text.find("  Font.Style = [fsBold, fsUnderline]\n"), std::string::npos);
}

TEST(Font, SizeAndHeightConvertAtTheResolution) {
  struct {
    int PixelsPerInch, Size, Height;
  } cases[] = {{96, 8, -11}, {96, 10, -13}, {96, 12, -16}, {120, 8, -13}, {72, 9, -9}};
  for (const auto& c : cases) {
    TFont f;
    f.SetPixelsPerInch(c.PixelsPerInch);
    f.SetSize(c.Size);
    EXPECT_EQ(f.Height(), c.Height) << c.PixelsPerInch << " " << c.Size;
    EXPECT_EQ(f.Size(), c.Size);
  }
}

TEST(Font, ChangesAreAnnouncedOncePerRealChange) {
  TFont f;
  int changes = 0;
  f.OnChange = [&](TObject*) { ++changes; };
  f.SetName("Arial");
  f.SetName("Arial");
  f.SetStyle({fsItalic});
  TFont other;
  f.Assign(&other);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(f.Name(), DefaultFontName);
  EXPECT_TRUE(f.Style().Empty());
}

TEST(Font, DrawsWithAnInstalledFamilyButKeepsItsName) {
  TFont f;
  f.SetName("No Such Family At All");
  f.SetHeight(-20);
  f.SetStyle({fsBold, fsItalic});
  QFont q = FontToQFont(f);
  EXPECT_EQ(f.Name(), "No Such Family At All");
  EXPECT_EQ(q.pixelSize(), 20);
  EXPECT_TRUE(q.bold());
  EXPECT_TRUE(q.italic());
}
}  // namespace
