#pragma once
// The modal responder: a test seam that answers modal forms (ShowModal),
// message boxes (MessageDlg) and the common dialogs without showing
// anything. A test makes one, queues the answers it expects to be asked
// for, and reads afterwards what was asked:
//
//   TModalResponder responder;
//   responder.Answer(mrYes);
//   responder.Answer(mrOk, [](TModalRequest& r) { fill in r.Form's edits });
//   ... code that shows a message box and a modal form ...
//   EXPECT_EQ(responder.Requests()[0].Text, "Save changes?");
//
// Menus and common dialogs take a choice with the answer:
//   responder.Choose({"&File", "&Open"});      // a popup menu's item, by path
//   responder.Choose({"/tmp/a.txt"});          // an open or save dialog's files
//   responder.Answer(mrCancel);                // the menu or dialog cancelled
//
// Something modal with no answer queued raises EInvalidOperation instead of
// waiting for a user, and so does anything modal on the offscreen platform
// while no responder exists: a test never hangs.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/controls/ControlTypes.h"
#include "platform/controls/MessageDialogs.h"

class TCustomForm;
class TComponent;

enum TModalRequestKind { mrkForm, mrkMessage, mrkDialog, mrkMenu };

// What was shown modally. Form and Dialog point to the live object only
// while the answer's callback runs; the recorded copies have them null.
struct TModalRequest {
  TModalRequestKind Kind = mrkForm;
  TCustomForm* Form = nullptr;
  TComponent* Dialog = nullptr;
  std::string ClassName;  // the form's or dialog's class
  std::string Caption;
  std::string Text;  // a message box's text
  TMsgDlgType DlgType = mtCustom;
  TMsgDlgButtons Buttons;
  int32_t HelpCtx = 0;
  // What a common dialog asked with: its filter and its options as text.
  std::string Filter;
  std::string Options;
  // The answer's choice, as the menu or dialog reads it: a menu item's
  // caption path; file names; a colour; a font's name and size.
  std::vector<std::string> Choice;
};

using TModalInspector = std::function<void(TModalRequest& request)>;

class TModalResponder {
 public:
  // Becomes the responder that answers; an earlier one answers again once
  // this one is gone.
  TModalResponder();
  ~TModalResponder();
  TModalResponder(const TModalResponder&) = delete;
  TModalResponder& operator=(const TModalResponder&) = delete;

  // Queues the next answer; inspect, when given, sees the request (and the
  // live form or dialog) before the answer is given.
  void Answer(TModalResult result, TModalInspector inspect = {});
  // Queues an answer that chooses something in a menu or dialog (see above).
  void Choose(std::vector<std::string> choice, TModalResult result = mrOk);
  // Everything asked so far, in order.
  const std::vector<TModalRequest>& Requests() const { return FRequests; }
  // Answers queued and not yet used.
  size_t Pending() const { return FAnswers.size(); }

  // For the platform: whether modal things are answered here instead of
  // shown; raises when nothing may be shown (offscreen without responder).
  static bool Answers();
  // Takes the next answer of the current responder and puts its choice in
  // request; raises EInvalidOperation naming the request when there is none.
  static TModalResult Respond(TModalRequest& request);

 private:
  struct TAnswer {
    TModalResult Result;
    TModalInspector Inspect;
    std::vector<std::string> Choice;
  };
  std::deque<TAnswer> FAnswers;
  std::vector<TModalRequest> FRequests;
  TModalResponder* FPrevious;
};
