#include "platform/controls/ControlsUnit.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/GraphicsUnit.h"
#include "platform/rtti/IntConsts.h"

void InitializeControls() {
  if (Application) return;
  InitializeGraphics();
  RegisterIntegerConsts(TypeInfoTCursor(), IdentToCursor, CursorToIdent);
  RegisterClasses({TForm::StaticClass()});
  Screen = new TScreen(nullptr);
  Application = new TApplication(nullptr);
  Application->Initialize();
}

void FinalizeControls() {
  if (!Application) return;
  TApplication* application = Application;
  application->Free();
  Application = nullptr;
  Screen->Free();
  Screen = nullptr;
  UnregisterIntegerConsts(TypeInfoTCursor());
}
