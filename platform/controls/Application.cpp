#include "platform/controls/Application.h"

#include <QApplication>
#include <QFileInfo>

#include "platform/controls/Form.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/windows/Windows.h"

TApplication* Application = nullptr;

TApplication::TApplication(TComponent* owner) : TComponent(owner) {}

TApplication::~TApplication() {
  DestroyComponents();
  if (FHandle) DestroyWindow(FHandle);
  SetMessageExceptionHandler(nullptr);
}

void TApplication::Initialize() {
  SetMessageExceptionHandler([this](std::exception_ptr exception) { HandleExceptionPtr(exception, this); });
}

void TApplication::AdoptForm(TCustomForm* form) {
  if (!FMainForm && form) {
    form->HandleNeeded();
    FMainForm = form;
    // A main form owned elsewhere must still be forgotten when it goes.
    if (form->Owner() != this) form->FreeNotification(this);
  }
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == FMainForm) FMainForm = nullptr;
}

void TApplication::CreateForm(TClass formClass, TCustomForm*& reference) {
  reference = nullptr;
  reference = CreateFormOfClass(formClass, this);
  AdoptForm(reference);
}

void TApplication::Run() {
  if (FMainForm) FMainForm->SetVisible(true);
  while (!FTerminated) HandleMessage();
}

void TApplication::ProcessMessages() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  // Windows whose handlers were running when they were destroyed go now.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TApplication::HandleMessage() {
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  bool done = true;
  if (OnIdle) OnIdle(this, done);
}

std::string TApplication::ExeName() const {
  return QCoreApplication::applicationFilePath().toStdString();
}

HWND TApplication::Handle() {
  if (!FHandle) {
    WNDCLASS cls;
    if (!GetClassInfo(nullptr, "TApplication", &cls)) {
      cls = WNDCLASS();
      cls.lpfnWndProc = &DefWindowProc;
      cls.lpszClassName = "TApplication";
      RegisterClass(&cls);
    }
    FHandle = CreateWindowEx(0, "TApplication", Title().c_str(), WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             nullptr, nullptr);
  }
  return FHandle;
}

std::string TApplication::Title() const {
  if (!FTitle.empty()) return FTitle;
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
}

void TApplication::HandleException(TObject* sender) {
  if (std::exception_ptr exception = std::current_exception()) HandleExceptionPtr(exception, sender);
}

void TApplication::HandleExceptionPtr(std::exception_ptr exception, TObject* sender) {
  if (HWND capture = GetCapture()) SendMessage(capture, WM_CANCELMODE, 0, 0);
  auto report = [&](Exception& e) {
    if (OnException)
      OnException(sender, &e);
    else
      ShowException(&e);
  };
  try {
    std::rethrow_exception(exception);
  } catch (EAbort&) {
  } catch (Exception& e) {
    report(e);
  } catch (std::exception& e) {
    Exception wrapped(e.what());
    report(wrapped);
  } catch (...) {
    Exception wrapped("Unknown exception");
    report(wrapped);
  }
}

void TApplication::ShowException(Exception* e) {
  std::string msg = e->Message();
  if (!msg.empty() && static_cast<unsigned char>(msg.back()) > '.') msg += '.';
  MessageDlg(msg, mtError, TMsgDlgButtons{mbOK}, 0);
}
