#include "platform/controls/FormResources.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <vector>

#include "platform/classes/ComponentStreams.h"
#include "platform/classes/ObjectText.h"
#include "platform/controls/Form.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"

namespace {

std::string Key(const std::string& name) {
  std::string key = name;
  std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::toupper(c); });
  return key;
}

std::map<std::string, std::string>& Resources() {
  static std::map<std::string, std::string> resources;
  return resources;
}

}  // namespace

void RegisterFormResource(const std::string& className, std::string text) {
  Resources()[Key(className)] = std::move(text);
}

void UnregisterFormResource(const std::string& className) { Resources().erase(Key(className)); }

const std::string* FindFormResource(const std::string& className) {
  auto it = Resources().find(Key(className));
  return it == Resources().end() ? nullptr : &it->second;
}

bool InitInheritedComponent(TComponent* instance, TClass stopAt) {
  std::vector<const std::string*> texts;
  for (TClass cls = instance->ClassType(); cls && cls != stopAt; cls = cls->ClassParent())
    if (const std::string* text = FindFormResource(cls->ClassName())) texts.push_back(text);
  for (auto it = texts.rbegin(); it != texts.rend(); ++it) {
    TStringStream input(**it);
    TMemoryStream binary;
    ObjectTextToBinary(input, binary);
    binary.SetPosition(0);
    ReadComponent(binary, instance);
  }
  return !texts.empty();
}

TCustomForm* CreateFormOfClass(TClass cls, TComponent* owner) {
  if (!cls || !cls->InheritsFrom(TCustomForm::StaticClass()))
    throw EInvalidCast("Cannot create a form of class " + (cls ? cls->ClassName() : std::string("nil")) +
                       ": it is not a form class");
  auto* form = static_cast<TCustomForm*>(CreateComponent(cls, owner));
  try {
    InitInheritedComponent(form, TCustomForm::StaticClass());
    form->DoCreate();
  } catch (...) {
    form->Free();
    throw;
  }
  return form;
}
