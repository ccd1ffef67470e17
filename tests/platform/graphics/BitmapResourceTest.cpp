#include <gtest/gtest.h>

#include "GraphicsTestSupport.h"
#include "platform/core/Exceptions.h"
#include "platform/windows/Modules.h"

namespace {
TEST(BitmapResource, LoadsByNameWithoutRegardToCase) {
  TBitmap b;
  b.LoadFromResourceName(HInstance(), "TESTGLYPH");
  ASSERT_EQ(b.Width(), 4);
  ASSERT_EQ(b.Height(), 3);
  std::vector<TColor> pixels = PixelsOf(b);
  EXPECT_EQ(pixels.front(), clRed);
  EXPECT_EQ(pixels.back(), clBlue);
  EXPECT_EQ(pixels[1], clWhite);
}

TEST(BitmapResource, MissingResourcesRaiseResNotFound) {
  TBitmap b;
  MakeBitmap(b, 2, 2, clLime);
  EXPECT_THROW(b.LoadFromResourceName(HInstance(), "NoSuchGlyph"), EResNotFound);
  EXPECT_THROW(b.LoadFromResourceID(HInstance(), 4711), EResNotFound);
  EXPECT_EQ(b.Width(), 2);
}
}  // namespace
