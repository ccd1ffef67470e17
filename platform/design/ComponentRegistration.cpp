#include "platform/design/ComponentRegistration.h"

#include "platform/core/Exceptions.h"

TRegisterComponentsProc RegisterComponentsProc;
TRegisterNoIconProc RegisterNoIconProc;
TRegisterNonActiveXProc RegisterNonActiveXProc;

namespace {
[[noreturn]] void ThrowInvalidRegistration(const char* procedure) {
  throw EComponentError(std::string("Invalid component registration: ") + procedure +
                        " has no handler; only a design environment can register components");
}
}  // namespace

void RegisterComponents(const std::string& Page, const TComponentClasses& ComponentClasses) {
  if (!RegisterComponentsProc) ThrowInvalidRegistration("RegisterComponents");
  RegisterComponentsProc(Page, ComponentClasses);
}

void RegisterNoIcon(const TComponentClasses& ComponentClasses) {
  if (!RegisterNoIconProc) ThrowInvalidRegistration("RegisterNoIcon");
  RegisterNoIconProc(ComponentClasses);
}

void RegisterNonActiveX(const TComponentClasses& ComponentClasses, TActiveXRegType AxRegType) {
  if (!RegisterNonActiveXProc) ThrowInvalidRegistration("RegisterNonActiveX");
  RegisterNonActiveXProc(ComponentClasses, AxRegType);
}
