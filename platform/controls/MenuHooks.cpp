#include "platform/controls/MenuHooks.h"

TMenuHooks& MenuHooks() {
  static TMenuHooks hooks;
  return hooks;
}
