#pragma once
// TPopupMenu: a menu that opens at a point, modally. A control whose
// PopupMenu it is opens it on a right click (AutoPopup) or the context-menu
// key; PopupComponent then names that control.
//
// Popup sends WM_ENTERMENULOOP to the menu's window (LoopWindow: its owner's,
// its PopupComponent's form's or the application's) before the menu runs and
// WM_EXITMENULOOP after, then clicks the chosen item. Under a
// modal responder (ModalResponder.h) the responder chooses instead: a request
// of kind mrkMenu whose Choice is the caption path of the item.

#include "platform/controls/menus/Menu.h"

enum TPopupAlignment { paLeft, paRight, paCenter };
MORVANE_ENUM_TYPEINFO(TPopupAlignment, paLeft, paRight, paCenter);

enum TTrackButton { tbRightButton, tbLeftButton };
MORVANE_ENUM_TYPEINFO(TTrackButton, tbRightButton, tbLeftButton);

enum TMenuAnimations { maLeftToRight, maRightToLeft, maTopToBottom, maBottomToTop, maNone };
MORVANE_ENUM_TYPEINFO(TMenuAnimations, maLeftToRight, maRightToLeft, maTopToBottom, maBottomToTop, maNone);
using TMenuAnimation = TSet<TMenuAnimations>;
MORVANE_SET_TYPEINFO(TMenuAnimation, TMenuAnimations);

class TPopupMenu : public TMenu {
  MORVANE_CLASS(TPopupMenu, TMenu)

 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  // Opens the menu with its corner (Alignment) at the screen point and
  // returns once it closed.
  virtual void Popup(int32_t x, int32_t y);

  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* value);
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool value) { FAutoPopup = value; }
  TPopupAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TPopupAlignment value) { FAlignment = value; }
  int32_t HelpContext() const { return FHelpContext; }
  void SetHelpContext(int32_t value) { FHelpContext = value; }
  TTrackButton TrackButton() const { return FTrackButton; }
  void SetTrackButton(TTrackButton value) { FTrackButton = value; }
  TMenuAnimation MenuAnimation() const { return FMenuAnimation; }
  void SetMenuAnimation(TMenuAnimation value) { FMenuAnimation = value; }

  TNotifyEvent OnPopup;
  TNotifyEvent OnClose;

  static void Publish(TPublisher<TPopupMenu>& p);

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  virtual void DoPopup();

 private:
  // Which item the user or the responder chose; null when cancelled.
  TMenuItem* RunMenu(int32_t x, int32_t y);
  TMenuItem* Choose(const std::vector<std::string>& path) const;

  TComponent* FPopupComponent = nullptr;
  bool FAutoPopup = true;
  TPopupAlignment FAlignment = paLeft;
  int32_t FHelpContext = 0;
  TTrackButton FTrackButton = tbRightButton;
  TMenuAnimation FMenuAnimation;
};
