#pragma once
// The Qt application of the designer benchmarks: offscreen unless a platform
// is chosen, with the controls and the designer started. Made once per program.

#include <QApplication>

#include "designer/ObjEdit.h"
#include "platform/controls/Forms.h"
#include "platform/controls/extctrls/ExtCtrlsUnit.h"
#include "platform/controls/stdctrls/StdCtrlsUnit.h"

inline QApplication& StartDesignerApplication(const char* programName) {
  static int argc = 1;
  static char* argv[] = {const_cast<char*>(programName), nullptr};
  static QApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    auto* made = new QApplication(argc, argv);
    InitializeControls();
    InitializeStdCtrls();
    InitializeExtCtrls();
    InitializeObjIntf();
    InitializeObjEdit();
    return made;
  }();
  return *app;
}
