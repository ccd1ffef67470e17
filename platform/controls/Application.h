#pragma once
// TApplication (the Application global): the program's main loop on Qt's
// event loop, its main form, and the handler of exceptions that nobody
// caught: by default an error box with the exception's message.

#include <exception>
#include <string>

#include "platform/classes/Component.h"
#include "platform/controls/FormResources.h"
#include "platform/core/Exceptions.h"
#include "platform/windows/WinTypes.h"

class TCustomForm;

using TExceptionEvent = TEvent<void(TObject* Sender, Exception* E)>;
MORVANE_EVENT_TYPEINFO(TExceptionEvent, "Sender: TObject; E: Exception");
// Not published, and of the same C++ type as TCloseQueryEvent, whose type
// information it would share.
using TIdleEvent = TEvent<void(TObject* Sender, bool& Done)>;

class TApplication : public TComponent {
  MORVANE_CLASS(TApplication, TComponent)

 public:
  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  // Routes exceptions that escape window procedures to HandleException.
  void Initialize();
  // Makes a form of class T owned by the application, with its resources
  // read (CreateForm of FormResources.h); the first becomes the main form.
  template <class T>
  void CreateForm(T*& reference) {
    reference = nullptr;
    reference = ::CreateForm<T>(this);
    AdoptForm(reference);
  }
  void CreateForm(TClass formClass, TCustomForm*& reference);
  // Shows the main form and handles messages until Terminate.
  void Run();
  TCustomForm* MainForm() const { return FMainForm; }
  // Handles every message waiting, then returns.
  void ProcessMessages();
  // Waits for messages when there are none, handles them, then runs the idle
  // handling once.
  void HandleMessage();
  void Terminate() { FTerminated = true; }
  bool Terminated() const { return FTerminated; }

  std::string ExeName() const;
  // The application's hidden window (made on first use).
  HWND Handle();
  std::string Title() const;
  void SetTitle(const std::string& value) { FTitle = value; }

  // Call inside a catch block: the exception goes to OnException, or is
  // shown by ShowException. EAbort is silent.
  void HandleException(TObject* sender);
  void HandleExceptionPtr(std::exception_ptr exception, TObject* sender);
  // An error box with the message (a full stop added), through MessageDlg.
  void ShowException(Exception* e);

  TExceptionEvent OnException;
  TIdleEvent OnIdle;

  // Forgets the main form when it is freed.
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void AdoptForm(TCustomForm* form);
  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
  HWND FHandle = nullptr;
  std::string FTitle;
};

extern TApplication* Application;
