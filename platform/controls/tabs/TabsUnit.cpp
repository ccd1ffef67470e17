#include "platform/controls/tabs/TabsUnit.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/controls/tabs/PageControl.h"
#include "platform/controls/tabs/TabControl.h"

void InitializeTabs() {
  RegisterClasses({TTabControl::StaticClass(), TPageControl::StaticClass(), TTabSheet::StaticClass()});
}
