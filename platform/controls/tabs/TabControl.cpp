#include "platform/controls/tabs/TabControl.h"

#include <QFontMetrics>
#include <QTabBar>
#include <algorithm>

#include "platform/graphics/DrawFunctions.h"
#include "platform/graphics/QtGraphics.h"
#include "platform/windows/QtWindows.h"

namespace {

// Room between the control's edge, the tab row and the display area: the
// frame around the display area is drawn in it.
constexpr int32_t kMargin = 2;
constexpr int32_t kFrame = 2;

QTabBar::Shape ShapeFor(TTabPosition position) {
  switch (position) {
    case tpBottom: return QTabBar::RoundedSouth;
    case tpLeft: return QTabBar::RoundedWest;
    case tpRight: return QTabBar::RoundedEast;
    case tpTop: break;
  }
  return QTabBar::RoundedNorth;
}

}  // namespace

PTypeInfo TypeInfoTTabChangingEvent() {
  static const TTypeInfo info =
      MakeMethodTypeInfo("TTabChangingEvent", "Sender: TObject; var AllowChange: Boolean");
  return &info;
}

TCustomTabControl::TCustomTabControl(TComponent* owner)
    : TCustomControl(owner), FTabs(new TStringList) {
  FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks};
  FColor = clBtnFace;
  FTabStop = true;
  FTabs->OnChange = [this](TObject* sender) { TabsChanged(sender); };
  SetBounds(0, 0, 289, 193);
}

TCustomTabControl::~TCustomTabControl() { delete FTabs; }

void TCustomTabControl::SetTabIndex(int32_t value) {
  TStringList captions;
  GetTabCaptions(&captions);
  if (value < -1 || value >= captions.Count()) return;
  FTabIndex = value;
  UpdateTabs();
}

void TCustomTabControl::SetTabWidth(int16_t value) {
  FTabWidth = std::max<int16_t>(0, value);
  UpdateTabs();
}

void TCustomTabControl::SetTabHeight(int16_t value) {
  FTabHeight = std::max<int16_t>(0, value);
  Realign();
  Invalidate();
}

void TCustomTabControl::SetHotTrack(bool value) {
  FHotTrack = value;
  UpdateTabs();
}

void TCustomTabControl::SetTabPosition(TTabPosition value) {
  FTabPosition = value;
  Realign();
  Invalidate();
}

void TCustomTabControl::SetStyle(TTabStyle value) {
  FStyle = value;
  UpdateTabs();
}

int32_t TCustomTabControl::TabRowHeight() const {
  if (FTabHeight > 0) return FTabHeight;
  return QFontMetrics(FontToQFont(*Font())).height() + 8;
}

TRect TCustomTabControl::DisplayRect() const {
  TRect r = ClientRect();
  int32_t row = TabRowHeight() + kMargin;
  switch (FTabPosition) {
    case tpTop: r.Top += row; break;
    case tpBottom: r.Bottom -= row; break;
    case tpLeft: r.Left += row; break;
    case tpRight: r.Right -= row; break;
  }
  InflateRect(r, -(kMargin + kFrame), -(kMargin + kFrame));
  if (r.Right < r.Left) r.Right = r.Left;
  if (r.Bottom < r.Top) r.Bottom = r.Top;
  return r;
}

TRect TCustomTabControl::TabRect(int32_t index) const {
  if (!FTabBar || index < 0 || index >= FTabBar->count()) return TRect();
  QRect r = FTabBar->tabRect(index).translated(FTabBar->pos());
  return Rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}

int32_t TCustomTabControl::IndexOfTabAt(int32_t x, int32_t y) const {
  if (!FTabBar) return -1;
  return FTabBar->tabAt(QPoint(x, y) - FTabBar->pos());
}

bool TCustomTabControl::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

void TCustomTabControl::Change() {
  if (OnChange) OnChange(this);
}

void TCustomTabControl::TabPicked(int32_t index) { FTabIndex = index; }

void TCustomTabControl::GetTabCaptions(TStrings* captions) const { captions->Assign(FTabs); }

void TCustomTabControl::TabsChanged(TObject*) {
  if (FTabIndex >= FTabs->Count()) FTabIndex = FTabs->Count() - 1;
  if (FTabIndex < 0 && FTabs->Count() > 0) FTabIndex = 0;
  UpdateTabs();
}

void TCustomTabControl::UpdateTabs() {
  if (!FTabBar) return;
  FSyncing = true;
  TStringList captions;
  GetTabCaptions(&captions);
  while (FTabBar->count() > captions.Count()) FTabBar->removeTab(FTabBar->count() - 1);
  for (int32_t i = 0; i < captions.Count(); ++i) {
    QString text = QString::fromStdString(captions[i]);
    if (i < FTabBar->count())
      FTabBar->setTabText(i, text);
    else
      FTabBar->addTab(text);
  }
  FTabBar->setDrawBase(FStyle == tsTabs);
  FTabBar->setDocumentMode(FStyle == tsFlatButtons);
  FTabBar->setCurrentIndex(FTabIndex);
  FTabBar->setFont(FontToQFont(*Font()));
  if (FTabWidth > 0)
    FTabBar->setStyleSheet(QString("QTabBar::tab { width: %1px; }").arg(FTabWidth));
  else
    FTabBar->setStyleSheet(QString());
  FTabBar->setAttribute(Qt::WA_Hover, FHotTrack);
  FSyncing = false;
  PlaceTabBar();
}

void TCustomTabControl::TabBarChanged(int index) {
  if (FSyncing || index == FTabIndex) return;
  if (CanChange()) {
    TabPicked(index);
    Change();
    return;
  }
  FSyncing = true;
  FTabBar->setCurrentIndex(FTabIndex);
  FSyncing = false;
}

void TCustomTabControl::PlaceTabBar() {
  if (!FTabBar) return;
  TRect c = ClientRect();
  int32_t row = TabRowHeight();
  FTabBar->setShape(ShapeFor(FTabPosition));
  switch (FTabPosition) {
    case tpTop: FTabBar->setGeometry(kMargin, kMargin, c.Width() - 2 * kMargin, row); break;
    case tpBottom:
      FTabBar->setGeometry(kMargin, c.Height() - kMargin - row, c.Width() - 2 * kMargin, row);
      break;
    case tpLeft: FTabBar->setGeometry(kMargin, kMargin, row, c.Height() - 2 * kMargin); break;
    case tpRight:
      FTabBar->setGeometry(c.Width() - kMargin - row, kMargin, row, c.Height() - 2 * kMargin);
      break;
  }
}

void TCustomTabControl::CreateWnd() {
  inherited::CreateWnd();
  FTabBar = new QTabBar(WindowWidget(FHandle));
  FTabBar->setExpanding(false);
  FTabBar->setUsesScrollButtons(true);
  FTabBar->setFocusPolicy(Qt::NoFocus);
  QObject::connect(FTabBar, &QTabBar::currentChanged, [this](int index) { TabBarChanged(index); });
  UpdateTabs();
  FTabBar->show();
}

void TCustomTabControl::DestroyWnd() {
  FTabBar = nullptr;  // the window deletes it with itself
  inherited::DestroyWnd();
}

void TCustomTabControl::AlignControls(TControl* control, TRect& rect) {
  PlaceTabBar();
  rect = DisplayRect();
  inherited::AlignControls(control, rect);
}

void TCustomTabControl::Resize() {
  PlaceTabBar();
  inherited::Resize();
}

void TCustomTabControl::Paint() {
  TRect frame = DisplayRect();
  InflateRect(frame, kFrame, kFrame);
  DrawEdge(Canvas()->Handle(), &frame, EDGE_RAISED, BF_RECT);
}

void TTabControl::Publish(TPublisher<TTabControl>& p) {
  PublishAlign(p);
  PublishAnchors(p);
  PublishEnabled(p);
  PublishFont(p);
  PublishTabsLayout(p);
  p.Property("Tabs", &TTabControl::Tabs, &TTabControl::SetTabs);
  // After Tabs, so that a stream sets the index once the tabs exist.
  p.Property("TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex).Default(-1);
  PublishTabsBehaviour(p);
}
