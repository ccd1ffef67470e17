#pragma once
// TPageControl: a tab control whose tabs are its pages (TTabSheet children).
// Only the active page shows, filling the display area. Pages stream as the
// page control's children in page order; ActivePage is a component
// reference, resolved once the whole form has been read.
//
// TTabSheet: one page. Making a page control its parent makes it a page of
// it (at the end); its bounds always follow the display area.

#include <vector>

#include "platform/controls/tabs/TabControl.h"

class TPageControl;

class TTabSheet : public TWinControl {
  MORVANE_CLASS(TTabSheet, TWinControl)

 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;

  TPageControl* PageControl() const { return FPageControl; }
  void SetPageControl(TPageControl* value);
  // The page's place among all pages of its page control (-1 without one).
  int32_t PageIndex() const;
  void SetPageIndex(int32_t value);
  // The page's tab among the visible tabs, or -1 when its tab is hidden.
  int32_t TabIndex() const;
  bool TabVisible() const { return FTabVisible; }
  void SetTabVisible(bool value);
  int32_t ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int32_t value) { FImageIndex = value; }

  void SetParent(TWinControl* value) override;
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;

  static void Publish(TPublisher<TTabSheet>& p);
  MORVANE_MESSAGE_TABLE(TTabSheet)

 protected:
  void CMTextChanged(TMessage& message);

 private:
  friend class TPageControl;
  TPageControl* FPageControl = nullptr;
  bool FTabVisible = true;
  int32_t FImageIndex = 0;
};

class TPageControl : public TCustomTabControl {
  MORVANE_CLASS(TPageControl, TCustomTabControl)

 public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;

  int32_t PageCount() const { return static_cast<int32_t>(FPages.size()); }
  // Raises EListError for an index out of range.
  TTabSheet* Pages(int32_t index) const;
  TTabSheet* ActivePage() const { return FActivePage; }
  // Shows page (one of this control's pages, or null for none).
  void SetActivePage(TTabSheet* page);
  int32_t ActivePageIndex() const;
  void SetActivePageIndex(int32_t value);
  // The next (or previous) page after current whose tab is visible, going
  // round; with checkTabVisible false hidden tabs count too. Null if none.
  TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const;
  // Moves to the next page like a click on its tab would (asking CanChange).
  void SelectNextPage(bool goForward);

  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void SetChildOrder(TComponent* child, int32_t order) override;

  static void Publish(TPublisher<TPageControl>& p);

 protected:
  void GetTabCaptions(TStrings* captions) const override;
  void TabPicked(int32_t index) override;
  void AlignControls(TControl* control, TRect& rect) override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void MovePage(TTabSheet* page, int32_t index);
  // Re-reads the tabs and the tab index from the pages.
  void PagesChanged();
  TTabSheet* PageOfTab(int32_t tabIndex) const;
  std::vector<TTabSheet*> FPages;
  TTabSheet* FActivePage = nullptr;
};
