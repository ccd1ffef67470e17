#pragma once
// TEdit: the edit box placed on forms, publishing TCustomEdit's properties.

#include "platform/controls/stdctrls/CustomEdit.h"

class TEdit : public TCustomEdit {
  MORVANE_CLASS(TEdit, TCustomEdit)

 public:
  explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
  static void Publish(TPublisher<TEdit>& p);
};
