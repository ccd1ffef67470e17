#include "ExtCtrlsTestSupport.h"

#include <gtest/gtest.h>

namespace {
class TExtCtrlsEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { InitializeExtCtrls(); }
};

[[maybe_unused]] ::testing::Environment* const Environment =
    ::testing::AddGlobalTestEnvironment(new TExtCtrlsEnvironment);
}  // namespace

TBitmap* SolidGlyph(int32_t size, std::initializer_list<TColor> colors) {
  auto* bitmap = new TBitmap;
  bitmap->SetSize(size * static_cast<int32_t>(colors.size()), size);
  TCanvas* canvas = bitmap->Canvas();
  int32_t x = 0;
  for (TColor color : colors) {
    canvas->Brush()->SetColor(clOlive);
    canvas->FillRect(Rect(x, 0, x + size, size));
    canvas->Brush()->SetColor(color);
    canvas->FillRect(Rect(x + 1, 1, x + size - 1, size - 1));
    x += size;
  }
  return bitmap;
}

void PressAt(TWinControl* parent, QPoint local) {
  SendMouse(parent, QEvent::MouseButtonPress, local, Qt::LeftButton, Qt::LeftButton);
}

void ReleaseAt(TWinControl* parent, QPoint local) {
  SendMouse(parent, QEvent::MouseButtonRelease, local, Qt::LeftButton, Qt::NoButton);
}

void MoveTo(TWinControl* parent, QPoint local, Qt::MouseButtons buttons) {
  SendMouse(parent, QEvent::MouseMove, local, Qt::NoButton, buttons);
}
