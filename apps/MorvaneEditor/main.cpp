// MorvaneEditor: the designer application. Starts the platform and the
// designer library in their order, makes the main window and runs the loop.
//   MorvaneEditor [form file]

#include <QApplication>

#include "apps/MorvaneEditor/MorvaneMain.h"
#include "apps/MorvaneEditor/ProgramParams.h"
#include "designer/ObjEdit.h"
#include "platform/controls/Application.h"
#include "platform/controls/Controls.h"
#include "platform/controls/dialogs/DialogsUnit.h"
#include "platform/controls/extctrls/ExtCtrlsUnit.h"
#include "platform/controls/grids/GridsUnit.h"
#include "platform/controls/menus/MenusUnit.h"
#include "platform/controls/stdctrls/StdCtrlsUnit.h"
#include "platform/controls/tabs/TabsUnit.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  SetProgramParams(argc, argv);
  InitializeControls();
  InitializeStdCtrls();
  InitializeExtCtrls();
  InitializeTabs();
  InitializeGrids();
  InitializeMenus();
  InitializeDialogs();
  InitializeObjIntf();
  InitializeObjEdit();
  RegisterMorvaneMain();
  int result = 0;
  try {
    Application->Initialize();
    Application->SetTitle("Morvane Editor");
    TAppBuilder* AppBuilder = nullptr;
    Application->CreateForm(AppBuilder);
    Application->Run();
  } catch (...) {
    Application->HandleException(nullptr);
    result = 1;
  }
  FinalizeObjEdit();
  FinalizeObjIntf();
  FinalizeControls();
  return result;
}
