#pragma once
// TScrollBar: a native scroll bar as a control. The user's actions come in
// as OnScroll (which may move the position it reports) and then, when the
// position changed, OnChange. Max is the largest position plus PageSize - 1,
// as on the platform.

#include "platform/controls/ScrollingWinControl.h"
#include "platform/controls/WinControl.h"

enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
MORVANE_ENUM_TYPEINFO(TScrollCode, scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop,
                      scBottom, scEndScroll);

using TScrollEvent = TEvent<void(TObject* Sender, TScrollCode ScrollCode, int32_t& ScrollPos)>;
MORVANE_EVENT_TYPEINFO(TScrollEvent, "Sender: TObject; ScrollCode: TScrollCode; var ScrollPos: Integer");

class TScrollBar : public TWinControl {
  MORVANE_CLASS(TScrollBar, TWinControl)

 public:
  explicit TScrollBar(TComponent* owner);

  TScrollBarKind Kind() const { return FKind; }
  void SetKind(TScrollBarKind value);
  int32_t Min() const { return FMin; }
  void SetMin(int32_t value) { SetParams(FPosition, value, FMax); }
  int32_t Max() const { return FMax; }
  void SetMax(int32_t value) { SetParams(FPosition, FMin, value); }
  int32_t Position() const { return FPosition; }
  void SetPosition(int32_t value) { SetParams(value, FMin, FMax); }
  int32_t PageSize() const { return FPageSize; }
  void SetPageSize(int32_t value);
  int32_t SmallChange() const { return FSmallChange; }
  void SetSmallChange(int32_t value);
  int32_t LargeChange() const { return FLargeChange; }
  void SetLargeChange(int32_t value);
  // Raises EInvalidOperation when min > max.
  void SetParams(int32_t position, int32_t min, int32_t max);

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;
  static void Publish(TPublisher<TScrollBar>& p);

 protected:
  QWidget* CreateNativeWidget(const TCreateParams& params, QWidget* parent) override;
  virtual void Change();
  virtual void Scroll(TScrollCode code, int32_t& position);
  void UpdateWidget();

 private:
  void UserAction(int action);
  TScrollBarKind FKind = sbHorizontal;
  int32_t FMin = 0;
  int32_t FMax = 100;
  int32_t FPosition = 0;
  int32_t FPageSize = 0;
  int32_t FSmallChange = 1;
  int32_t FLargeChange = 1;
  bool FUpdating = false;
};
