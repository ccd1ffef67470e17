#pragma once
// TTestForm: the class of the forms the editor makes, a plain form. Its name
// gives new forms their names: TestForm1, TestForm2 ...

#include "platform/controls/Forms.h"

class TTestForm : public TForm {
  MORVANE_CLASS(TTestForm, TForm)

 public:
  explicit TTestForm(TComponent* AOwner) : TForm(AOwner) {}
};
