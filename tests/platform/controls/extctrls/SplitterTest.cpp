#include <gtest/gtest.h>

#include "ExtCtrlsTestSupport.h"
#include "platform/windows/XorLayer.h"

namespace {

// A form 300 wide: a panel aligned left, 100 wide, the splitter right of it,
// and a client-aligned panel filling the rest.
struct TSplitFixture {
  TShownForm Shown{300, 200};
  TPanel* Left;
  TSplitter* Splitter;
  int Moved = 0;
  TSplitFixture() {
    Left = Place<TPanel>(Shown.Form, 0, 0, 100, 10);
    Left->SetAlign(alLeft);
    Splitter = Place<TSplitter>(Shown.Form, 100, 0, 3, 10);
    Splitter->SetAlign(alLeft);
    Place<TPanel>(Shown.Form, 200, 0, 10, 10)->SetAlign(alClient);
    Splitter->OnMoved = [this](TObject*) { ++Moved; };
  }
  int32_t SplitterX() const { return Splitter->Left() + 1; }
};

TEST(Splitter, DraggingResizesTheNeighbourWithinMinSize) {
  struct TCase {
    int Dx;
    int32_t Width;
  };
  // Right of the splitter the client panel must keep MinSize (30) too.
  const TCase cases[] = {{50, 150}, {-40, 60}, {-95, 30}, {400, 300 - 3 - 30}};
  for (const TCase& c : cases) {
    TSplitFixture f;
    int32_t clientWidth = f.Shown.Form->ClientWidth();
    int32_t expected = c.Width > 200 ? clientWidth - 3 - 30 : c.Width;
    QPoint start(f.SplitterX(), 50);
    PressAt(f.Shown.Form, start);
    MoveTo(f.Shown.Form, start + QPoint(c.Dx, 0), Qt::LeftButton);
    EXPECT_TRUE(f.Splitter->LineVisible());
    EXPECT_EQ(f.Left->Width(), 100) << "rsPattern sizes on release";
    ReleaseAt(f.Shown.Form, start + QPoint(c.Dx, 0));
    EXPECT_FALSE(f.Splitter->LineVisible());
    EXPECT_EQ(f.Left->Width(), expected) << c.Dx;
    EXPECT_EQ(f.Splitter->Left(), expected) << "the splitter follows its neighbour";
    EXPECT_EQ(f.Moved, 1);
  }
}

TEST(Splitter, TheLineIsDrawnOnTheXorLayerAndErasedOnRelease) {
  TSplitFixture f;
  QWidget* window = WidgetOf(f.Shown.Form)->window();
  auto layerHas = [&](int x, int y) {
    QImage mask = XorLayerMask(window);
    QPoint p = WidgetOf(f.Shown.Form)->mapTo(window, QPoint(x, y));
    return mask.valid(p) && (mask.pixel(p) & 0x00FFFFFFu) != 0;
  };
  QPoint start(f.SplitterX(), 50);
  PressAt(f.Shown.Form, start);
  EXPECT_TRUE(layerHas(101, 50));
  MoveTo(f.Shown.Form, start + QPoint(40, 0), Qt::LeftButton);
  EXPECT_FALSE(layerHas(101, 50));  // moved: the old line was erased by drawing it again
  EXPECT_TRUE(layerHas(141, 50));
  ReleaseAt(f.Shown.Form, start + QPoint(40, 0));
  EXPECT_FALSE(layerHas(141, 50));
  EXPECT_EQ(f.Left->Width(), 140);
}

TEST(Splitter, RsUpdateResizesWhileDraggingAndOnCanResizeCanRefuse) {
  TSplitFixture f;
  f.Splitter->SetResizeStyle(rsUpdate);
  QPoint start(f.SplitterX(), 50);
  PressAt(f.Shown.Form, start);
  MoveTo(f.Shown.Form, start + QPoint(20, 0), Qt::LeftButton);
  EXPECT_EQ(f.Left->Width(), 120);
  EXPECT_FALSE(f.Splitter->LineVisible());
  f.Splitter->OnCanResize = [](TObject*, int32_t& size, bool& accept) { accept = size < 130; };
  MoveTo(f.Shown.Form, start + QPoint(40, 0), Qt::LeftButton);
  EXPECT_EQ(f.Left->Width(), 120);
  ReleaseAt(f.Shown.Form, start + QPoint(40, 0));
  EXPECT_EQ(f.Left->Width(), 120);
}

TEST(Splitter, WorksForEveryAlignment) {
  struct TCase {
    TAlign Align;
    TRect Placed;  // on the inner side of the 80-pixel neighbour, so alignment keeps it there
    QPoint Drag;
    bool Grows;  // the neighbour grows with this drag
  };
  const TCase cases[] = {{alLeft, Rect(90, 0, 93, 10), {20, 0}, true},
                         {alRight, Rect(200, 0, 203, 10), {-20, 0}, true},
                         {alTop, Rect(0, 90, 10, 93), {0, 20}, true},
                         {alBottom, Rect(0, 200, 10, 203), {0, -20}, true},
                         {alRight, Rect(200, 0, 203, 10), {20, 0}, false}};
  for (const TCase& c : cases) {
    TShownForm shown(300, 300);
    auto* neighbour = Place<TPanel>(shown.Form, 0, 0, 80, 80);
    neighbour->SetAlign(c.Align);
    auto* splitter = Place<TSplitter>(shown.Form, c.Placed.Left, c.Placed.Top, c.Placed.Width(),
                                      c.Placed.Height());
    splitter->SetAlign(c.Align);
    bool vertical = c.Align == alLeft || c.Align == alRight;
    int32_t before = vertical ? neighbour->Width() : neighbour->Height();
    QPoint start(splitter->Left() + splitter->Width() / 2, splitter->Top() + splitter->Height() / 2);
    PressAt(shown.Form, start);
    MoveTo(shown.Form, start + c.Drag, Qt::LeftButton);
    ReleaseAt(shown.Form, start + c.Drag);
    int32_t after = vertical ? neighbour->Width() : neighbour->Height();
    EXPECT_EQ(after, before + (c.Grows ? 20 : -20)) << c.Align;
  }
}

}  // namespace
