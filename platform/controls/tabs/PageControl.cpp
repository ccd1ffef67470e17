#include "platform/controls/tabs/PageControl.h"

#include <algorithm>

#include "platform/controls/ControlPublishing.h"
#include "platform/core/Exceptions.h"

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                                csDoubleClicks};
  FVisible = false;  // only the active page shows
}

TTabSheet::~TTabSheet() {
  if (FPageControl) FPageControl->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* value) { SetParent(value); }

void TTabSheet::SetParent(TWinControl* value) {
  inherited::SetParent(value);
  // A parent that frees its children takes them out of its lists first, so
  // the page control may still hold this page although the parent is gone.
  auto* pageControl = dynamic_cast<TPageControl*>(FParent);
  if (pageControl == FPageControl) return;
  if (FPageControl) FPageControl->RemovePage(this);
  if (pageControl) pageControl->InsertPage(this);
}

void TTabSheet::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  if (FPageControl) {
    TRect r = FPageControl->DisplayRect();
    inherited::SetBounds(r.Left, r.Top, r.Width(), r.Height());
    return;
  }
  inherited::SetBounds(left, top, width, height);
}

int32_t TTabSheet::PageIndex() const {
  if (!FPageControl) return -1;
  auto& pages = FPageControl->FPages;
  return static_cast<int32_t>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int32_t value) {
  if (FPageControl) FPageControl->MovePage(this, value);
}

int32_t TTabSheet::TabIndex() const {
  if (!FPageControl || !FTabVisible) return -1;
  int32_t index = 0;
  for (TTabSheet* page : FPageControl->FPages) {
    if (page == this) return index;
    if (page->FTabVisible) ++index;
  }
  return -1;
}

void TTabSheet::SetTabVisible(bool value) {
  if (FTabVisible == value) return;
  FTabVisible = value;
  if (FPageControl) FPageControl->PagesChanged();
}

void TTabSheet::CMTextChanged(TMessage& message) {
  if (FPageControl) FPageControl->PagesChanged();
  DispatchFrom(inherited::ClassMessageTable(), message);
}

void TTabSheet::Messages(TMessageMap<TTabSheet>& m) {
  m.On<&TTabSheet::CMTextChanged>(CM_TEXTCHANGED);
}

void TTabSheet::Publish(TPublisher<TTabSheet>& p) {
  // The page control places its pages: their bounds are never written.
  p.Property("Left", &TControl::Left, &TControl::SetLeft).Stored(false);
  p.Property("Top", &TControl::Top, &TControl::SetTop).Stored(false);
  p.Property("Width", &TControl::Width, &TControl::SetWidth).Stored(false);
  p.Property("Height", &TControl::Height, &TControl::SetHeight).Stored(false);
  PublishCaption(p);
  PublishEnabled(p);
  PublishFont(p);
  p.Property("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex).Default(0);
  p.Property("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex).Stored(false);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  PublishShowHint(p);
  p.Property("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible).Default(true);
  p.Event("OnEnter", &TTabSheet::OnEnter);
  p.Event("OnExit", &TTabSheet::OnExit);
  p.Event("OnHide", &TTabSheet::OnHide);
  PublishOnMouseDown(p);
  PublishOnMouseMove(p);
  PublishOnMouseUp(p);
  PublishOnResize(p);
  p.Event("OnShow", &TTabSheet::OnShow);
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() {
  for (TTabSheet* page : FPages) page->FPageControl = nullptr;
}

TTabSheet* TPageControl::Pages(int32_t index) const {
  if (index < 0 || index >= PageCount())
    throw EListError("Page index out of bounds (" + std::to_string(index) + ")");
  return FPages[static_cast<size_t>(index)];
}

int32_t TPageControl::ActivePageIndex() const { return FActivePage ? FActivePage->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int32_t value) {
  SetActivePage(value >= 0 && value < PageCount() ? FPages[static_cast<size_t>(value)] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->FPageControl != this) return;
  if (page != FActivePage) {
    TTabSheet* old = FActivePage;
    FActivePage = page;
    if (page) {
      page->SetBounds(0, 0, 0, 0);  // the display area
      page->BringToFront();
      page->SetVisible(true);
      if (page->OnShow) page->OnShow(page);
    }
    if (old) {
      old->SetVisible(false);
      if (old->OnHide) old->OnHide(old);
    }
  }
  PagesChanged();
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const {
  auto count = static_cast<int32_t>(FPages.size());
  if (count == 0) return nullptr;
  auto found = std::find(FPages.begin(), FPages.end(), current);
  int32_t start = found != FPages.end() ? static_cast<int32_t>(found - FPages.begin())
                                       : (goForward ? count - 1 : 0);
  for (int32_t step = 1; step <= count; ++step) {
    int32_t i = ((start + (goForward ? step : -step)) % count + count) % count;
    TTabSheet* page = FPages[static_cast<size_t>(i)];
    if (!checkTabVisible || page->TabVisible()) return page;
  }
  return nullptr;
}

void TPageControl::SelectNextPage(bool goForward) {
  TTabSheet* page = FindNextPage(FActivePage, goForward, true);
  if (!page || page == FActivePage || !CanChange()) return;
  SetActivePage(page);
  Change();
}

void TPageControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (TTabSheet* page : FPages)
    if (page->Owner() == root) proc(page);
  for (int32_t i = 0; i < ControlCount(); ++i) {
    TControl* control = Controls(i);
    if (control->Owner() == root && !dynamic_cast<TTabSheet*>(control)) proc(control);
  }
}

void TPageControl::SetChildOrder(TComponent* child, int32_t order) {
  if (auto* page = dynamic_cast<TTabSheet*>(child); page && page->FPageControl == this) {
    MovePage(page, order);
    return;
  }
  inherited::SetChildOrder(child, order);
}

void TPageControl::GetTabCaptions(TStrings* captions) const {
  captions->Clear();
  for (TTabSheet* page : FPages)
    if (page->TabVisible()) captions->Add(page->Caption());
}

void TPageControl::TabPicked(int32_t index) { SetActivePage(PageOfTab(index)); }

TTabSheet* TPageControl::PageOfTab(int32_t tabIndex) const {
  for (TTabSheet* page : FPages)
    if (page->TabVisible() && tabIndex-- == 0) return page;
  return nullptr;
}

void TPageControl::AlignControls(TControl* control, TRect& rect) {
  for (TTabSheet* page : FPages) page->SetBounds(0, 0, 0, 0);
  inherited::AlignControls(control, rect);
}

void TPageControl::InsertPage(TTabSheet* page) {
  FPages.push_back(page);
  page->FPageControl = this;
  page->SetBounds(0, 0, 0, 0);
  // A page read from a stream waits for ActivePage; one added by a program
  // shows when it is the first.
  if (!FActivePage && !ComponentState().Contains(csLoading) &&
      !page->ComponentState().Contains(csLoading))
    SetActivePage(page);
  else
    PagesChanged();
}

void TPageControl::RemovePage(TTabSheet* page) {
  auto found = std::find(FPages.begin(), FPages.end(), page);
  if (found == FPages.end()) return;
  TTabSheet* next = nullptr;
  if (page == FActivePage) {
    next = FindNextPage(page, true, true);
    if (next == page) next = nullptr;
    FActivePage = nullptr;
  }
  FPages.erase(found);
  page->FPageControl = nullptr;
  if (ComponentState().Contains(csDestroying)) return;
  if (next)
    SetActivePage(next);
  else
    PagesChanged();
}

void TPageControl::MovePage(TTabSheet* page, int32_t index) {
  auto found = std::find(FPages.begin(), FPages.end(), page);
  if (found == FPages.end()) return;
  FPages.erase(found);
  index = std::clamp(index, 0, static_cast<int32_t>(FPages.size()));
  FPages.insert(FPages.begin() + index, page);
  PagesChanged();
}

void TPageControl::PagesChanged() {
  FTabIndex = FActivePage ? FActivePage->TabIndex() : -1;
  UpdateTabs();
}

void TPageControl::Publish(TPublisher<TPageControl>& p) {
  p.Property("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage);
  PublishAlign(p);
  PublishAnchors(p);
  PublishEnabled(p);
  PublishFont(p);
  PublishTabsLayout(p);
  PublishTabsBehaviour(p);
}
