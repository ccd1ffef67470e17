#include <gtest/gtest.h>

#include <memory>

#include "ExtCtrlsTestSupport.h"
#include "platform/graphics/Icon.h"

namespace {

TEST(Image, DestRectFollowsStretchCenterAndProportional) {
  struct TCase {
    bool Stretch, Center, Proportional;
    int32_t PictureW, PictureH;
    TRect Dest;  // in a 100 x 50 image
  };
  const TCase cases[] = {
      {false, false, false, 20, 10, Rect(0, 0, 20, 10)},
      {false, true, false, 20, 10, Rect(40, 20, 60, 30)},
      {true, false, false, 20, 10, Rect(0, 0, 100, 50)},
      {true, false, true, 20, 20, Rect(0, 0, 50, 50)},
      {true, true, true, 20, 20, Rect(25, 0, 75, 50)},
      {false, false, true, 400, 100, Rect(0, 0, 100, 25)},  // only shrinks what does not fit
      {false, false, true, 10, 10, Rect(0, 0, 10, 10)},
  };
  for (const TCase& c : cases) {
    TImage image(nullptr);
    image.SetBounds(0, 0, 100, 50);
    image.SetStretch(c.Stretch);
    image.SetCenter(c.Center);
    image.SetProportional(c.Proportional);
    image.Picture()->Bitmap()->SetSize(c.PictureW, c.PictureH);
    EXPECT_EQ(image.DestRect(), c.Dest) << c.Stretch << c.Center << c.Proportional << " "
                                        << c.PictureW << "x" << c.PictureH;
  }
}

TEST(Image, AutoSizeTakesThePictureSize) {
  TImage image(nullptr);
  image.SetAutoSize(true);
  std::unique_ptr<TBitmap> bitmap(SolidGlyph(16, {clRed, clRed}));
  image.Picture()->SetBitmap(bitmap.get());
  EXPECT_EQ(image.Width(), 32);
  EXPECT_EQ(image.Height(), 16);
}

TEST(Image, CanvasMakesABitmapOfTheImageSizeAndDrawingShows) {
  TShownForm shown;
  auto* image = Place<TImage>(shown.Form, 10, 10, 40, 30);
  image->Canvas()->Brush()->SetColor(clFuchsia);
  image->Canvas()->FillRect(Rect(0, 0, 40, 30));
  ASSERT_TRUE(dynamic_cast<TBitmap*>(image->Picture()->Graphic()));
  EXPECT_EQ(image->Picture()->Width(), 40);
  EXPECT_EQ(PixelAt(Snapshot(shown.Form), 30, 25), clFuchsia);
  auto* iconImage = Place<TImage>(shown.Form, 0, 0, 10, 10);
  iconImage->Picture()->Icon();
  EXPECT_THROW(iconImage->Canvas(), EInvalidOperation);
}

}  // namespace
