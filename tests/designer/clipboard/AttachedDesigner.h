#pragma once
// A shown form with a designer attached and a recording inspector, for the
// tests of placing, the clipboard and the form stream.

#include <gtest/gtest.h>

#include <ostream>

#include "DesignerTestSupport.h"

inline void PrintTo(const TRect& R, std::ostream* Out) {
  *Out << "(" << R.Left << "," << R.Top << ")-(" << R.Right << "," << R.Bottom << ")";
}

class AttachedDesigner : public ::testing::Test {
 protected:
  void SetUp() override {
    Inspector = new TRecordingInspector();
    Designer = new TObjectEditor();
    Designer->Inspector = Inspector;
    Designer->SetEditControl(Window.Form);
    ProcessEvents();
    Inspector->ClearCalls();
  }
  void TearDown() override {
    Designer->SetEditControl(nullptr);
    Designer->Free();
    Inspector->Free();
  }

  // The selected items' names, in selection order.
  std::string SelectedNames() const {
    std::string Names;
    for (TControl* Item : Designer->Selection)
      Names += (Names.empty() ? "" : ",") + Item->Name();
    return Names;
  }

  TDesignedForm Window;
  TForm* Form() const { return Window.Form; }
  TRecordingInspector* Inspector = nullptr;
  TObjectEditor* Designer = nullptr;
};
