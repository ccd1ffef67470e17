#include "platform/controls/ModalResponder.h"

#include <QGuiApplication>

#include "platform/core/Exceptions.h"

namespace {

TModalResponder* Current = nullptr;

std::string Describe(const TModalRequest& request) {
  switch (request.Kind) {
    case mrkForm: return "the modal form " + request.ClassName + " \"" + request.Caption + "\"";
    case mrkMessage: return "the message box \"" + request.Text + "\"";
    case mrkDialog: return "the dialog " + request.ClassName + " \"" + request.Caption + "\"";
    case mrkMenu: return "the menu " + request.ClassName + " \"" + request.Caption + "\"";
  }
  return "a modal window";
}

}  // namespace

TModalResponder::TModalResponder() : FPrevious(Current) { Current = this; }

TModalResponder::~TModalResponder() {
  // Responders go in the reverse order of their making.
  if (Current == this) Current = FPrevious;
}

void TModalResponder::Answer(TModalResult result, TModalInspector inspect) {
  FAnswers.push_back({result, std::move(inspect), {}});
}

void TModalResponder::Choose(std::vector<std::string> choice, TModalResult result) {
  FAnswers.push_back({result, {}, std::move(choice)});
}

bool TModalResponder::Answers() {
  if (Current) return true;
  // Offscreen nobody could answer: say so rather than wait for ever.
  return QGuiApplication::platformName() == "offscreen";
}

TModalResult TModalResponder::Respond(TModalRequest& request) {
  if (!Current || Current->FAnswers.empty())
    throw EInvalidOperation("No answer is queued for " + Describe(request));
  TAnswer answer = std::move(Current->FAnswers.front());
  Current->FAnswers.pop_front();
  TModalResponder* responder = Current;
  request.Choice = std::move(answer.Choice);
  if (answer.Inspect) answer.Inspect(request);
  TModalRequest recorded = request;
  recorded.Form = nullptr;
  recorded.Dialog = nullptr;
  responder->FRequests.push_back(std::move(recorded));
  return answer.Result;
}
