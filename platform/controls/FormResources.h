#pragma once
// Form resources: the text form of a form class's component stream,
// registered by class name, read when a form of that class is created with
// CreateForm. The library's own windows and the programs' forms are written
// this way:
//
//   RegisterFormResource("TAboutBox", R"(object AboutBox: TAboutBox
//     Caption = 'About'
//     object OKButton: TButton ... end
//   end)");
//   auto* box = CreateForm<TAboutBox>(Application);

#include <string>

#include "platform/classes/Component.h"

class TCustomForm;

// Names compare without regard to case; registering a class again replaces
// its text.
void RegisterFormResource(const std::string& className, std::string text);
void UnregisterFormResource(const std::string& className);
// nullptr when the class has no form resource.
const std::string* FindFormResource(const std::string& className);

// Reads into instance the form resources of its class and of its ancestors
// (the oldest first, up to but not including stopAt); answers whether any
// was found. Raises EParserError or EReadError for a bad resource.
bool InitInheritedComponent(TComponent* instance, TClass stopAt);

// Makes a form of class cls (the platform's Create): constructs it, reads
// its resources and fires OnCreate. A form whose resource fails to read is
// freed and the error raised.
TCustomForm* CreateFormOfClass(TClass cls, TComponent* owner);
template <class T>
T* CreateForm(TComponent* owner) {
  return static_cast<T*>(CreateFormOfClass(T::StaticClass(), owner));
}
