#include "platform/controls/menus/PopupMenu.h"

#include <QMenu>
#include <memory>

#include "platform/controls/ModalResponder.h"
#include "platform/controls/menus/MenuWidgets.h"
#include "platform/core/Exceptions.h"
#include "platform/windows/Windows.h"

namespace {

// Sends WM_ENTERMENULOOP now and WM_EXITMENULOOP when the menu is done, even
// when it ends by an exception. The window may go while the menu runs.
class TMenuLoop {
 public:
  explicit TMenuLoop(HWND window) : FWindow(window) {
    if (FWindow) SendMessage(FWindow, WM_ENTERMENULOOP, 1, 0);
  }
  ~TMenuLoop() {
    if (FWindow && IsWindow(FWindow)) SendMessage(FWindow, WM_EXITMENULOOP, 1, 0);
  }
  TMenuLoop(const TMenuLoop&) = delete;
  TMenuLoop& operator=(const TMenuLoop&) = delete;

 private:
  HWND FWindow;
};

}  // namespace

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::SetPopupComponent(TComponent* value) {
  if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
  FPopupComponent = value;
  if (value) value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FPopupComponent) FPopupComponent = nullptr;
}

void TPopupMenu::DoPopup() {
  if (OnPopup) OnPopup(this);
}

void TPopupMenu::Popup(int32_t x, int32_t y) {
  DoPopup();
  TMenuItem* chosen;
  {
    TMenuLoop loop(LoopWindow(FPopupComponent));
    chosen = RunMenu(x, y);
  }
  if (OnClose) OnClose(this);
  // The item runs after the menu closed, as a posted command would; an
  // OnPopup or OnClose handler may have removed it meanwhile.
  if (chosen && ContainsItem(chosen)) chosen->Click();
}

TMenuItem* TPopupMenu::RunMenu(int32_t x, int32_t y) {
  if (TModalResponder::Answers()) {
    TModalRequest request;
    request.Kind = mrkMenu;
    request.ClassName = ClassName();
    request.Caption = Name();
    for (int32_t i = 0; i < Items()->Count(); ++i)
      if (Items()->Items(i)->Visible())
        request.Text += (request.Text.empty() ? "" : "|") + Items()->Items(i)->Caption();
    if (TModalResponder::Respond(request) != mrOk || request.Choice.empty()) return nullptr;
    return Choose(request.Choice);
  }
  auto menu = std::make_unique<QMenu>();
  FillMenu(menu.get(), Items());
  menu->adjustSize();
  QPoint at(x, y);
  if (FAlignment == paRight) at.rx() -= menu->sizeHint().width();
  if (FAlignment == paCenter) at.rx() -= menu->sizeHint().width() / 2;
  return ActionItem(menu->exec(at));
}

TMenuItem* TPopupMenu::Choose(const std::vector<std::string>& path) const {
  TMenuItem* item = Items();
  for (const std::string& caption : path) {
    TMenuItem* next = item->Find(caption);
    if (!next || !next->Visible())
      throw EMenuError("The menu " + Name() + " has no item \"" + caption + "\"");
    // A user cannot open a disabled submenu or choose a disabled item.
    if (!next->Enabled() || next->IsLine()) return nullptr;
    item = next;
  }
  return item->Count() == 0 ? item : nullptr;
}

void TPopupMenu::Publish(TPublisher<TPopupMenu>& p) {
  p.Property("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment).Default(paLeft);
  p.Property("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(true);
  p.Property("HelpContext", &TPopupMenu::HelpContext, &TPopupMenu::SetHelpContext)
      .Type(TypeInfoTHelpContext())
      .Default(0);
  p.Property("MenuAnimation", &TPopupMenu::MenuAnimation, &TPopupMenu::SetMenuAnimation).Default(0);
  p.Property("TrackButton", &TPopupMenu::TrackButton, &TPopupMenu::SetTrackButton).Default(tbRightButton);
  p.Event("OnClose", &TPopupMenu::OnClose);
  p.Event("OnPopup", &TPopupMenu::OnPopup);
}
