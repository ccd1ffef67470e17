#pragma once
// Published properties and methods, declared once per class in a static
// member, one line each:
//
//   static void Publish(TPublisher<TPanel>& p) {
//     p.Property("Caption", &TPanel::Caption, &TPanel::SetCaption).Type(TypeInfoTCaption());
//     p.Property("Color", &TPanel::Color, &TPanel::SetColor).Type(TypeInfoTColor()).Default(clBtnFace);
//     p.Property("Visible", &TPanel::Visible, &TPanel::SetVisible).Default(true);
//     p.Property("ComponentCount", &TPanel::ComponentCount);        // read-only
//     p.Property("Flat", &TPanel::Flat, &TPanel::SetFlat).Stored(&TPanel::IsFlatStored);
//     p.Event("OnClick", &TPanel::OnClick);
//     p.Method<&TForm1::Button1Click>("Button1Click");              // handlers of a form
//   }
//
// The table erases the typed getters and setters; the accessors of the
// property's kind are set (ordinals and Int64 as int64_t, floats as long
// double, strings, methods, objects). Inherited properties come first; a class
// that publishes an inherited name again replaces that entry in place.
// Included by Object.h; include that instead.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/rtti/Method.h"

// A property's Default when its declaration has none: always stored.
constexpr int32_t NoDefault = static_cast<int32_t>(0x80000000u);
// A property's Index when it is not an indexed property.
constexpr int32_t NoIndex = static_cast<int32_t>(0x80000000u);

struct TPropInfo {
  std::string Name;
  PTypeInfo PropType = nullptr;
  TClass DeclaringClass = nullptr;
  int32_t Default = NoDefault;
  int32_t Index = NoIndex;
  int16_t NameIndex = 0;
  // Stored: StoredProc when set, else the constant.
  bool StoredConst = true;
  std::function<bool(TObject*)> StoredProc;

  std::function<int64_t(TObject*)> GetOrd;
  std::function<void(TObject*, int64_t)> SetOrd;
  std::function<long double(TObject*)> GetFloat;
  std::function<void(TObject*, long double)> SetFloat;
  std::function<std::string(TObject*)> GetStr;
  std::function<void(TObject*, const std::string&)> SetStr;
  std::function<TMethod(TObject*)> GetMethod;
  std::function<void(TObject*, const TMethod&)> SetMethod;
  std::function<TObject*(TObject*)> GetObject;
  std::function<void(TObject*, TObject*)> SetObject;

  bool Writable() const {
    return SetOrd || SetFloat || SetStr || SetMethod || SetObject;
  }
};
using PPropInfo = const TPropInfo*;

// The published properties and methods of one class, inherited included.
class TPublishedTable;
template <class T>
const TPublishedTable& MorvanePublishedTable();

class TPublishedTable {
 public:
  struct TMethodEntry {
    std::string Name;
    const TMethodCode* Code;
  };

  // Declaration order, inherited first.
  const std::vector<PPropInfo>& Properties() const { return FProperties; }
  // Case-insensitive; nullptr when absent.
  PPropInfo FindProperty(const std::string& name) const;
  const std::vector<TMethodEntry>& Methods() const { return FMethods; }
  const TMethodCode* FindMethod(const std::string& name) const;
  const TMethodEntry* FindMethodByCode(const TMethodCode* code) const;

 private:
  template <class>
  friend class TPublisher;
  template <class>
  friend const TPublishedTable& MorvanePublishedTable();
  void Inherit(const TPublishedTable& parent);
  TPropInfo& Add(TPropInfo info);
  void AddMethod(std::string name, const TMethodCode* code);

  std::vector<std::shared_ptr<const TPropInfo>> FOwned;
  std::vector<PPropInfo> FProperties;
  std::vector<TMethodEntry> FMethods;
};

// What the accessors of a property of C++ type V look like.
template <class V>
struct TPropertyTraits;

template <class T>
class TPublisher {
 public:
  // Chained settings of the property just declared.
  class TDeclaration {
   public:
    explicit TDeclaration(TPropInfo& info) : FInfo(info) {}
    TDeclaration& Default(int32_t value) {
      FInfo.Default = value;
      return *this;
    }
    TDeclaration& Type(PTypeInfo typeInfo) {
      FInfo.PropType = typeInfo;
      return *this;
    }
    TDeclaration& Stored(bool stored) {
      FInfo.StoredConst = stored;
      FInfo.StoredProc = nullptr;
      return *this;
    }
    template <class Predicate>
      requires std::is_member_function_pointer_v<Predicate>
    TDeclaration& Stored(Predicate predicate) {
      FInfo.StoredProc = [predicate](TObject* o) {
        return static_cast<bool>(std::invoke(predicate, *ObjectAs<T>(o)));
      };
      return *this;
    }

   private:
    TPropInfo& FInfo;
  };

  TPublisher(TClass cls, TPublishedTable& table) : FClass(cls), FTable(table) {}

  template <class Getter>
  TDeclaration Property(const char* name, Getter get) {
    return Declare<Value<Getter>>(name, NoIndex, [get](T& o) { return std::invoke(get, o); },
                                  nullptr);
  }
  template <class Getter, class Setter>
  TDeclaration Property(const char* name, Getter get, Setter set) {
    using V = Value<Getter>;
    return Declare<V>(name, NoIndex, [get](T& o) { return std::invoke(get, o); },
                      [set](T& o, V v) { std::invoke(set, o, std::move(v)); });
  }
  // An indexed property: getter and setter take the index first.
  template <class Getter, class Setter>
  TDeclaration IndexedProperty(const char* name, int32_t index, Getter get, Setter set) {
    using V = std::decay_t<std::invoke_result_t<Getter, T&, int32_t>>;
    return Declare<V>(name, index, [get, index](T& o) { return std::invoke(get, o, index); },
                      [set, index](T& o, V v) { std::invoke(set, o, index, std::move(v)); });
  }
  // An event held in a data member.
  template <class C, class Signature>
  TDeclaration Event(const char* name, TEvent<Signature> C::*field) {
    using V = TEvent<Signature>;
    return Declare<V>(name, NoIndex, [field](T& o) { return o.*field; },
                      [field](T& o, V v) { o.*field = std::move(v); });
  }
  // A published method, to be found by name when a stream binds events.
  template <auto Member>
  void Method(const char* name) {
    FTable.AddMethod(name, &TMethodThunk<Member>::Code);
  }

 private:
  template <class Getter>
  using Value = std::decay_t<std::invoke_result_t<Getter, T&>>;

  template <class V, class Get, class Set>
  TDeclaration Declare(const char* name, int32_t index, Get get, Set set) {
    TPropInfo info;
    info.Name = name;
    info.PropType = TypeInfo<V>();
    info.DeclaringClass = FClass;
    info.Index = index;
    TPropertyTraits<V>::template Bind<T>(info, std::move(get), std::move(set));
    return TDeclaration(FTable.Add(std::move(info)));
  }

  TClass FClass;
  TPublishedTable& FTable;
};

// Ordinals: integers, chars, booleans and enumerations.
template <class V>
  requires(std::is_integral_v<V> || std::is_enum_v<V>)
struct TPropertyTraits<V> {
  template <class T, class Get, class Set>
  static void Bind(TPropInfo& info, Get get, Set set) {
    info.GetOrd = [get](TObject* o) { return static_cast<int64_t>(get(*ObjectAs<T>(o))); };
    if constexpr (!std::is_null_pointer_v<Set>)
      info.SetOrd = [set](TObject* o, int64_t v) { set(*ObjectAs<T>(o), static_cast<V>(v)); };
  }
};

template <class E, unsigned N>
struct TPropertyTraits<TSet<E, N>> {
  template <class T, class Get, class Set>
  static void Bind(TPropInfo& info, Get get, Set set) {
    info.GetOrd = [get](TObject* o) { return static_cast<int64_t>(get(*ObjectAs<T>(o)).ToOrdinal()); };
    if constexpr (!std::is_null_pointer_v<Set>)
      info.SetOrd = [set](TObject* o, int64_t v) {
        set(*ObjectAs<T>(o), TSet<E, N>::FromOrdinal(static_cast<uint32_t>(v)));
      };
  }
};

template <class V>
  requires std::is_floating_point_v<V>
struct TPropertyTraits<V> {
  template <class T, class Get, class Set>
  static void Bind(TPropInfo& info, Get get, Set set) {
    info.GetFloat = [get](TObject* o) { return static_cast<long double>(get(*ObjectAs<T>(o))); };
    if constexpr (!std::is_null_pointer_v<Set>)
      info.SetFloat = [set](TObject* o, long double v) { set(*ObjectAs<T>(o), static_cast<V>(v)); };
  }
};

template <>
struct TPropertyTraits<std::string> {
  template <class T, class Get, class Set>
  static void Bind(TPropInfo& info, Get get, Set set) {
    info.GetStr = [get](TObject* o) { return std::string(get(*ObjectAs<T>(o))); };
    if constexpr (!std::is_null_pointer_v<Set>)
      info.SetStr = [set](TObject* o, const std::string& v) { set(*ObjectAs<T>(o), v); };
  }
};

template <class Signature>
struct TPropertyTraits<TEvent<Signature>> {
  template <class T, class Get, class Set>
  static void Bind(TPropInfo& info, Get get, Set set) {
    info.GetMethod = [get](TObject* o) { return get(*ObjectAs<T>(o)).Method(); };
    if constexpr (!std::is_null_pointer_v<Set>)
      info.SetMethod = [set](TObject* o, const TMethod& m) {
        TEvent<Signature> event;
        event.SetMethod(m);
        set(*ObjectAs<T>(o), std::move(event));
      };
  }
};

// Object properties: pointers to classes of the platform.
template <class C>
  requires std::is_base_of_v<TObject, C>
struct TPropertyTraits<C*> {
  template <class T, class Get, class Set>
  static void Bind(TPropInfo& info, Get get, Set set) {
    info.GetObject = [get](TObject* o) -> TObject* { return get(*ObjectAs<T>(o)); };
    if constexpr (!std::is_null_pointer_v<Set>)
      info.SetObject = [set](TObject* o, TObject* v) { set(*ObjectAs<T>(o), ObjectAs<C>(v)); };
  }
};

template <class C>
  requires std::is_base_of_v<TObject, C>
struct TTypeInfoOf<C*> {
  static PTypeInfo Get() { return C::StaticClass()->ClassInfo(); }
};

template <class T>
const TPublishedTable& MorvanePublishedTable() {
  static const TPublishedTable table = [] {
    TPublishedTable built;
    built.Inherit(T::inherited::StaticClass()->Published());
    if constexpr (requires(TPublisher<T>& p) { T::Publish(p); }) {
      TPublisher<T> publisher(T::StaticClass(), built);
      T::Publish(publisher);
    }
    return built;
  }();
  return table;
}
template <>
const TPublishedTable& MorvanePublishedTable<TObject>();
