#include "platform/controls/stdctrls/StdCtrlsUnit.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/controls/ControlsUnit.h"
#include "platform/controls/stdctrls/StdCtrls.h"

void InitializeStdCtrls() {
  InitializeControls();
  RegisterClasses({TEdit::StaticClass(), TMemo::StaticClass(), TButton::StaticClass(), TCheckBox::StaticClass(),
                   TRadioButton::StaticClass(), TGroupBox::StaticClass(), TRadioGroup::StaticClass(),
                   TLabel::StaticClass(), TScrollBar::StaticClass(), TListBox::StaticClass(),
                   TComboBox::StaticClass()});
}
