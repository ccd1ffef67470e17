#pragma once
// The root of the platform's classes and the metaclass records behind class
// references. Every class declares itself with MORVANE_CLASS in its body:
//
//   class TButton : public TWinControl {
//     MORVANE_CLASS(TButton, TWinControl)
//    public:
//     ...
//   };
//
// which gives it StaticClass(), an overridden ClassType() and a virtual
// constructor through its class reference (TClass->Create(owner)), because the
// system creates objects from class references everywhere. Published
// properties and methods come from an optional static member
//   static void Publish(TPublisher<TButton>& p);
// (see Published.h).

#include <string>
#include <type_traits>

#include "platform/rtti/Published.h"
#include "platform/rtti/TypeData.h"

// The metaclass record of one class. TClass points to it; there is exactly one
// per class, so class references compare by pointer.
struct TClassInfo {
  using TConstructProc = TObject* (*)(TObject* arg);
  using TPublishedProc = const TPublishedTable& (*)();

  TClassInfo(const char* name, TClass parent, TConstructProc construct, TPublishedProc published);
  TClassInfo(const TClassInfo&) = delete;
  TClassInfo& operator=(const TClassInfo&) = delete;

  const std::string& ClassName() const { return FTypeInfo.Name; }
  TClass ClassParent() const { return FParent; }
  bool InheritsFrom(TClass other) const;
  // The class's type information (kind tkClass).
  PTypeInfo ClassInfo() const { return &FTypeInfo; }
  // Published properties and methods, inherited first.
  const TPublishedTable& Published() const { return FPublished(); }
  // Whether the virtual constructor can create instances (not abstract).
  bool Creatable() const { return FConstruct != nullptr; }
  // The virtual constructor. arg is the constructor's argument of the class
  // family (the owner of a component, the collection of an item); classes
  // constructed without one ignore it. Raises EAbstractError for classes that
  // cannot be instantiated.
  TObject* Create(TObject* arg = nullptr) const;

  // The published method table: a handler's code by name (case-insensitive,
  // inherited included) and back; nullptr / "" when absent.
  void* MethodAddress(const std::string& name) const;
  std::string MethodName(const void* code) const;

 private:
  TClass FParent;
  TConstructProc FConstruct;
  TPublishedProc FPublished;
  TTypeInfo FTypeInfo;
};

class TObject {
 public:
  // The argument the virtual constructor passes on; families of classes with
  // constructor arguments (components, collection items) redeclare it.
  using TConstructorArg = void;

  TObject() = default;
  virtual ~TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;

  static TClass StaticClass();
  virtual TClass ClassType() const { return StaticClass(); }
  const std::string& ClassName() const { return ClassType()->ClassName(); }
  TClass ClassParent() const { return ClassType()->ClassParent(); }
  bool InheritsFrom(TClass cls) const { return ClassType()->InheritsFrom(cls); }
  void* MethodAddress(const std::string& name) const { return ClassType()->MethodAddress(name); }
  std::string MethodName(const void* code) const { return ClassType()->MethodName(code); }

  // Frees the object the platform's way: BeforeDestruction runs while the
  // whole object still exists, so that overrides called from it (a form's
  // Notification as its components go) are the derived ones; then delete.
  // A plain delete also works, but during ~TComponent only the base class's
  // virtual functions answer.
  void Free() {
    BeforeDestruction();
    delete this;
  }
  virtual void BeforeDestruction() {}
};

// The virtual constructor of T, or nullptr when T cannot be created from its
// class reference (abstract, or no constructor taking the family's argument).
template <class T>
TObject* MorvaneConstruct(TObject* arg) {
  using TArg = typename T::TConstructorArg;
  if constexpr (std::is_void_v<TArg>) {
    (void)arg;
    return new T();
  } else {
    return new T(dynamic_cast<TArg>(arg));
  }
}

template <class T>
constexpr TClassInfo::TConstructProc MorvaneConstructorOf() {
  using TArg = typename T::TConstructorArg;
  if constexpr (std::is_abstract_v<T>) {
    return nullptr;
  } else if constexpr (std::is_void_v<TArg>) {
    if constexpr (std::is_default_constructible_v<T>) return &MorvaneConstruct<T>;
    else return nullptr;
  } else {
    if constexpr (std::is_constructible_v<T, TArg>) return &MorvaneConstruct<T>;
    else return nullptr;
  }
}

#define MORVANE_CLASS(Name, Parent)                                                    \
 public:                                                                               \
  using inherited = Parent;                                                            \
  static TClass StaticClass() {                                                        \
    static const TClassInfo info(#Name, Parent::StaticClass(),                         \
                                 MorvaneConstructorOf<Name>(), &MorvanePublishedTable<Name>); \
    return &info;                                                                      \
  }                                                                                    \
  TClass ClassType() const override { return StaticClass(); }                          \
  template <class>                                                                     \
  friend const TPublishedTable& MorvanePublishedTable();                               \
                                                                                       \
 private:

// The class reference of T, e.g. ClassOf<TButton>().
template <class T>
TClass ClassOf() {
  return T::StaticClass();
}

// A checked downcast: nullptr stays nullptr, a wrong class raises EInvalidCast.
template <class T>
T* ObjectAs(TObject* object) {
  if (!object) return nullptr;
  if (auto* result = dynamic_cast<T*>(object)) return result;
  ThrowInvalidCast(object->ClassName(), T::StaticClass()->ClassName());
}
