#include "platform/rtti/Object.h"

#include "platform/core/Exceptions.h"

TClassInfo::TClassInfo(const char* name, TClass parent, TConstructProc construct,
                       TPublishedProc published)
    : FParent(parent), FConstruct(construct), FPublished(published) {
  FTypeInfo.Kind = tkClass;
  FTypeInfo.Name = name;
  FTypeInfo.Data.ClassType = this;
}

bool TClassInfo::InheritsFrom(TClass other) const {
  for (TClass c = this; c; c = c->FParent)
    if (c == other) return true;
  return false;
}

TObject* TClassInfo::Create(TObject* arg) const {
  if (!FConstruct) throw EAbstractError("Cannot create an instance of " + ClassName());
  return FConstruct(arg);
}

void* TClassInfo::MethodAddress(const std::string& name) const {
  return const_cast<TMethodCode*>(Published().FindMethod(name));
}

std::string TClassInfo::MethodName(const void* code) const {
  auto* entry = Published().FindMethodByCode(static_cast<const TMethodCode*>(code));
  return entry ? entry->Name : std::string();
}

TClass TObject::StaticClass() {
  static const TClassInfo info("TObject", nullptr, MorvaneConstructorOf<TObject>(),
                               &MorvanePublishedTable<TObject>);
  return &info;
}

template <>
const TPublishedTable& MorvanePublishedTable<TObject>() {
  static const TPublishedTable empty;
  return empty;
}

void ThrowInvalidCast(const std::string& fromClass, const std::string& toClass) {
  throw EInvalidCast("Invalid class typecast: " + fromClass + " is not a " + toClass);
}

void ThrowIncompatibleMethod() {
  throw EInvalidCast("Invalid typecast: the method does not match the event's parameters");
}
