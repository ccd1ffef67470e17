#include <gtest/gtest.h>

#include <QImage>
#include <cstdio>

#include "GraphicsTestSupport.h"
#include "platform/classes/ComponentStreams.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Metafile.h"

namespace {
// Reads one binary property given as hex into a fresh holder.
void ReadProperty(TGraphicsHolder& holder, const std::string& property, const std::string& hex) {
  TextToComponent("object Holder: TGraphicsHolder\n  " + property + " = {\n    " + hex +
                      "}\nend\n",
                  &holder);
}

TEST(Picture, ReadsTheDataOfRealFormFiles) {
  struct {
    const char* File;
    const char* Property;
    const char* Class;
    int Width, Height;
    TPixelFormat Format;
    int ClearPixels;  // icons: the pixels their AND mask leaves out
  } cases[] = {
      {"010_Unit1.dfm", "Picture.Data", "TBitmap", 16, 16, pf24bit, 0},
      {"028_U_bigcursor.dfm", "Picture.Data", "TBitmap", 128, 128, pf4bit, 0},
      {"032_U_MensaTiles.dfm", "Picture.Data", "TBitmap", 355, 179, pf1bit, 0},
      {"044_SynEditOptionsDialog.dfm", "Picture.Data", "TBitmap", 5, 5, pf4bit, 0},
      {"013_Unit2.dfm", "Picture.Data", "TIcon", 32, 32, pfDevice, 831},
      {"009_Unit4.dfm", "Glyph.Data", "TBitmap", 16, 14, pf8bit, 0},
      {"007_Unit1.dfm", "Icon.Data", "TIcon", 32, 32, pfDevice, 0},
  };
  for (const auto& c : cases) {
    std::string hex = CorpusBinaryProperty(c.File, c.Property);
    ASSERT_FALSE(hex.empty()) << c.File;
    TGraphicsHolder holder(nullptr);
    ReadProperty(holder, c.Property, hex);
    TGraphic* g = std::string(c.Property) == "Glyph.Data"  ? static_cast<TGraphic*>(holder.Glyph())
                  : std::string(c.Property) == "Icon.Data" ? static_cast<TGraphic*>(holder.Icon())
                                                           : holder.Picture()->Graphic();
    ASSERT_NE(g, nullptr) << c.File;
    EXPECT_EQ(g->ClassName(), c.Class) << c.File;
    EXPECT_EQ(g->Width(), c.Width) << c.File;
    EXPECT_EQ(g->Height(), c.Height) << c.File;
    if (auto* b = dynamic_cast<TBitmap*>(g)) {
      EXPECT_EQ(b->PixelFormat(), c.Format) << c.File;
    }
    if (auto* i = dynamic_cast<TIcon*>(g)) {
      const QImage& image = i->Image();
      int clear = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) clear += qAlpha(image.pixel(x, y)) == 0;
      EXPECT_EQ(clear, c.ClearPixels) << c.File;
    }

    // What we write reads back to the same pixels.
    TGraphicsHolder again(nullptr);
    TextToComponent(ComponentToText(&holder), &again);
    TGraphic* h = std::string(c.Property) == "Glyph.Data"  ? static_cast<TGraphic*>(again.Glyph())
                  : std::string(c.Property) == "Icon.Data" ? static_cast<TGraphic*>(again.Icon())
                                                           : again.Picture()->Graphic();
    ASSERT_NE(h, nullptr) << c.File;
    if (auto* b = dynamic_cast<TBitmap*>(g))
      EXPECT_EQ(PixelsOf(*b), PixelsOf(*dynamic_cast<TBitmap*>(h))) << c.File;
    else
      EXPECT_EQ(dynamic_cast<TIcon*>(g)->Image(), dynamic_cast<TIcon*>(h)->Image()) << c.File;
  }
}

TEST(Picture, DataIsTheClassNameThenTheGraphicsOwnLayout) {
  TGraphicsHolder holder(nullptr);
  holder.SetName("Holder");
  MakeBitmap(*holder.Picture()->Bitmap(), 1, 1, clRed);
  holder.Picture()->Bitmap()->SetPixelFormat(pf24bit);
  std::string text = ComponentToText(&holder);
  // "TBitmap" as a short string, the 58-byte file's size, then "BM" and its size.
  EXPECT_NE(text.find("  Picture.Data = {\n    07544269746D61703A000000424D3A000000"), std::string::npos)
      << text;
  EXPECT_EQ(text.find("Glyph.Data"), std::string::npos);
}

TEST(Picture, UnknownGraphicClassesInDataAreRefused) {
  TGraphicsHolder holder(nullptr);
  EXPECT_THROW(ReadProperty(holder, "Picture.Data",
                            CorpusBinaryProperty("048_Form.Base.Dialog.dfm", "Picture.Data")),
               Exception);
  EXPECT_EQ(holder.Picture()->Graphic(), nullptr);
}

TEST(Picture, FilterListsTheRegisteredFormatsNewestFirst) {
  EXPECT_EQ(GraphicFilter(ClassOf<TGraphic>()),
            "All (*.bmp;*.ico;*.emf;*.wmf)|*.bmp;*.ico;*.emf;*.wmf|Bitmaps (*.bmp)|*.bmp|"
            "Icons (*.ico)|*.ico|Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf");
  EXPECT_EQ(GraphicFilter(ClassOf<TBitmap>()), "All (*.bmp)|*.bmp|Bitmaps (*.bmp)|*.bmp");
  EXPECT_EQ(GraphicFileMask(ClassOf<TMetafile>()), "*.emf;*.wmf");
  EXPECT_EQ(GraphicExtension(ClassOf<TBitmap>()), "bmp");
  EXPECT_EQ(GraphicExtension(ClassOf<TMetafile>()), "emf");

  TPicture::RegisterFileFormat("DIB", "Device-independent bitmaps", ClassOf<TBitmap>());
  EXPECT_EQ(GraphicFilter(ClassOf<TBitmap>()),
            "All (*.dib;*.bmp)|*.dib;*.bmp|Device-independent bitmaps (*.dib)|*.dib|"
            "Bitmaps (*.bmp)|*.bmp");
  TPicture::UnregisterGraphicClass(ClassOf<TBitmap>());
  EXPECT_EQ(GraphicFileMask(ClassOf<TGraphic>()), "*.ico;*.emf;*.wmf");
  TPicture::RegisterFileFormat("bmp", "Bitmaps", ClassOf<TBitmap>());
}

TEST(Picture, FilesLoadByExtensionAndFailuresKeepThePicture) {
  TPicture picture;
  MakeBitmap(*picture.Bitmap(), 3, 2, clLime);
  std::string bmp = testing::TempDir() + "morvane_picture.bmp";
  std::string wmf = testing::TempDir() + "morvane_picture.wmf";
  std::string xyz = testing::TempDir() + "morvane_picture.xyz";
  picture.SaveToFile(bmp);
  TFileStream(wmf, fmCreate).WriteBuffer("\xD7\xCD\xC6\x9A", 4);
  TFileStream(xyz, fmCreate).WriteBuffer("whatever", 8);

  TPicture loaded;
  loaded.LoadFromFile(bmp);
  ASSERT_NE(dynamic_cast<TBitmap*>(loaded.Graphic()), nullptr);
  EXPECT_EQ(PixelsOf(*loaded.Bitmap()), PixelsOf(*picture.Bitmap()));

  struct {
    std::string File, Message;
  } failures[] = {
      {wmf, "Metafiles cannot be shown here: there is no metafile renderer"},
      {xyz, "Unknown picture file extension (.xyz)"},
  };
  for (const auto& f : failures) {
    try {
      loaded.LoadFromFile(f.File);
      ADD_FAILURE() << f.File;
    } catch (const EInvalidGraphic& e) {
      EXPECT_EQ(e.Message(), f.Message);
    }
    EXPECT_EQ(loaded.Width(), 3);
    EXPECT_EQ(loaded.Graphic()->ClassName(), "TBitmap");
  }
  for (const std::string& f : {bmp, wmf, xyz}) std::remove(f.c_str());
}

TEST(Picture, GraphicsComeOnDemandAndAnnounceTheirChanges) {
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  EXPECT_EQ(picture.Width(), 0);
  TBitmap* bitmap = picture.Bitmap();
  EXPECT_EQ(picture.Bitmap(), bitmap);
  MakeBitmap(*bitmap, 4, 5, clRed);
  EXPECT_EQ(picture.Height(), 5);
  int before = changes;
  bitmap->Canvas()->SetPixels(0, 0, clBlue);
  EXPECT_GT(changes, before);

  TPicture copy;
  copy.Assign(&picture);
  EXPECT_NE(copy.Graphic(), picture.Graphic());
  EXPECT_EQ(PixelsOf(*copy.Bitmap()), PixelsOf(*bitmap));
  copy.Icon();
  EXPECT_EQ(copy.Graphic()->ClassName(), "TIcon");
  EXPECT_TRUE(copy.Graphic()->Empty());
  copy.Assign(nullptr);
  EXPECT_EQ(copy.Graphic(), nullptr);
}

TEST(Icon, OneImageRoundTripsWithItsAlpha) {
  QImage image(16, 16, QImage::Format_ARGB32);
  image.fill(qRgba(0, 0, 0, 0));
  for (int i = 0; i < 16; ++i) image.setPixel(i, i, qRgba(200, 10, 20, 255));
  TIcon icon;
  icon.SetImage(image);
  TStringStream s;
  icon.SaveToStream(s);
  TIcon read;
  s.SetPosition(0);
  read.LoadFromStream(s);
  EXPECT_EQ(read.Width(), 16);
  EXPECT_EQ(read.Image(), image);
  EXPECT_THROW(read.SetWidth(3), EInvalidGraphicOperation);

  std::string bytes = s.DataString();
  for (size_t cut : {size_t{0}, size_t{5}, size_t{21}, bytes.size() - 1}) {
    TStringStream bad(bytes.substr(0, cut));
    EXPECT_THROW(read.LoadFromStream(bad), EInvalidGraphic) << cut;
    EXPECT_EQ(read.Image(), image);
  }
}
}  // namespace
