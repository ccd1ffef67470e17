#pragma once
// TPersistent: objects that can be assigned to one another and streamed.
// Published properties are streamed through type information; anything else
// a class wants in a stream it defines in DefineProperties.

#include <string>

#include "platform/rtti/Object.h"

class TFiler;

class TPersistent : public TObject {
  MORVANE_CLASS(TPersistent, TObject)

 public:
  // Copies source into this object. The default asks source to AssignTo this
  // object, which fails with EConvertError "Cannot assign a TFoo to a TBar".
  virtual void Assign(TPersistent* source);
  // The dotted path of this object as the designer and the filer name it,
  // e.g. "Form1.Button1" or "Form1.Button1.Font".
  virtual std::string GetNamePath() const;
  // The object this one belongs to, for GetNamePath; nullptr by default.
  virtual TPersistent* GetOwner() const { return nullptr; }
  // Declares values streamed besides published properties (TFiler::DefineProperty).
  virtual void DefineProperties(TFiler* filer);

 protected:
  // Copies this object into dest; the default raises the assignment error.
  virtual void AssignTo(TPersistent* dest);

 private:
  [[noreturn]] void AssignError(TPersistent* source);
};
