#pragma once
// Methods and events. A method is the pair (Code, Data) the design-time
// contract speaks of: Code identifies the handler, Data the object it runs on.
// For a published member function Code is a static record per function (so
// that the same handler always has the same Code), for a lambda a shared
// trampoline record with the lambda's state as Data.
// Included by Object.h; include that instead.

#include <functional>
#include <memory>
#include <string>
#include <typeinfo>

#include "platform/rtti/TypeData.h"

class TObject;
template <class T>
T* ObjectAs(TObject* object);

struct TMethod {
  void* Code = nullptr;
  void* Data = nullptr;
  friend bool operator==(const TMethod&, const TMethod&) = default;
};

// What a method's Code points to: a function calling the handler on Data and
// the signature it was made for, checked when a method is assigned to an event.
struct TMethodCode {
  using TGenericProc = void (*)();
  TGenericProc Invoke;
  const std::type_info* Signature;
};

[[noreturn]] void ThrowInvalidCast(const std::string& fromClass, const std::string& toClass);
[[noreturn]] void ThrowIncompatibleMethod();

// The Code record of a member function of a class: TMethodThunk<&TForm1::Click>.
template <auto Member>
struct TMethodThunk;

template <class C, class R, class... A, R (C::*Member)(A...)>
struct TMethodThunk<Member> {
  static R Call(void* data, A... args) {
    return (ObjectAs<C>(static_cast<TObject*>(data))->*Member)(std::forward<A>(args)...);
  }
  static inline const TMethodCode Code{reinterpret_cast<TMethodCode::TGenericProc>(&Call),
                                       &typeid(R(A...))};
};

template <class Signature>
class TEvent;

// An event: holds a member function or a lambda, or nothing.
template <class R, class... A>
class TEvent<R(A...)> {
 public:
  using TSignature = R(A...);

  TEvent() = default;
  template <class F>
    requires(std::is_invocable_r_v<R, F&, A...> && !std::is_same_v<std::decay_t<F>, TEvent>)
  TEvent(F&& handler)
      : FLambda(std::make_shared<TLambda>(std::function<R(A...)>(std::forward<F>(handler)))) {
    FMethod = {const_cast<TMethodCode*>(&LambdaCode), FLambda.get()};
  }

  // Binds a member function: OnClick.Bind<&TForm1::Button1Click>(form).
  template <auto Member, class C>
  void Bind(C* instance) {
    FLambda.reset();
    FMethod = {const_cast<TMethodCode*>(&TMethodThunk<Member>::Code),
               static_cast<TObject*>(instance)};
  }

  bool Assigned() const { return FMethod.Code != nullptr; }
  explicit operator bool() const { return Assigned(); }
  void Clear() { *this = TEvent(); }

  R operator()(A... args) const {
    auto* code = static_cast<const TMethodCode*>(FMethod.Code);
    auto* call = reinterpret_cast<R (*)(void*, A...)>(code->Invoke);
    return call(FMethod.Data, std::forward<A>(args)...);
  }

  TMethod Method() const { return FMethod; }
  // Assigns a method read from type information or another event. Its Code
  // must have been made for this signature, or EInvalidCast is raised.
  void SetMethod(const TMethod& method) {
    if (!method.Code) {
      Clear();
      return;
    }
    auto* code = static_cast<const TMethodCode*>(method.Code);
    if (*code->Signature != typeid(R(A...))) ThrowIncompatibleMethod();
    FLambda = code == &LambdaCode ? static_cast<TLambda*>(method.Data)->shared_from_this()
                                  : nullptr;
    FMethod = method;
  }

  friend bool operator==(const TEvent& a, const TEvent& b) { return a.FMethod == b.FMethod; }

 private:
  struct TLambda : std::enable_shared_from_this<TLambda> {
    explicit TLambda(std::function<R(A...)> f) : Handler(std::move(f)) {}
    std::function<R(A...)> Handler;
  };
  static R CallLambda(void* data, A... args) {
    return static_cast<TLambda*>(data)->Handler(std::forward<A>(args)...);
  }
  static inline const TMethodCode LambdaCode{
      reinterpret_cast<TMethodCode::TGenericProc>(&CallLambda), &typeid(R(A...))};

  TMethod FMethod;
  std::shared_ptr<TLambda> FLambda;
};

// Declares an event type's information next to it:
// MORVANE_EVENT_TYPEINFO(TKeyEvent, "Sender: TObject; var Key: Word; Shift: TShiftState");
#define MORVANE_EVENT_TYPEINFO(EventName, Parameters) \
  MORVANE_TYPEINFO_SPECIALIZATION(EventName, MakeMethodTypeInfo(#EventName, Parameters))
#define MORVANE_FUNCTION_EVENT_TYPEINFO(EventName, Parameters, ResultType) \
  MORVANE_TYPEINFO_SPECIALIZATION(EventName,                               \
                                  MakeMethodTypeInfo(#EventName, Parameters, ResultType))

using TNotifyEvent = TEvent<void(TObject* Sender)>;
MORVANE_EVENT_TYPEINFO(TNotifyEvent, "Sender: TObject");
