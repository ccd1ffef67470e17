// The component level of TWriter: writes components, their published
// properties, collections, references and children as a binary component
// stream, leaving out what equals the default (or the ancestor's value).

#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/Writer.h"
#include "platform/classes/UnicodeText.h"
#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"
#include "platform/rtti/IntConsts.h"
#include "platform/rtti/TypInfo.h"

namespace {
bool IsDateType(PTypeInfo type) {
  return type == TypeInfoTDateTime() || type == TypeInfoTDate() || type == TypeInfoTTime();
}

// Gives the writer back its property path and ancestor on every way out.
class TPathScope {
 public:
  explicit TPathScope(TWriter& writer)
      : FWriter(writer), FPath(writer.PropPath()), FAncestor(writer.Ancestor()) {}
  ~TPathScope() {
    FWriter.SetPropPath(FPath);
    FWriter.SetAncestor(FAncestor);
  }
  TPathScope(const TPathScope&) = delete;
  TPathScope& operator=(const TPathScope&) = delete;

 private:
  TWriter& FWriter;
  std::string FPath;
  TPersistent* FAncestor;
};

// Collections are equal when they stream the same, as the classic writer
// decides it.
bool CollectionsEqual(TCollection* a, TCollection* b, TComponent* root) {
  if (a->ClassType() != b->ClassType() || a->Count() != b->Count()) return false;
  auto streamed = [root](TCollection* collection) {
    TStringStream stream;
    TWriter writer(stream, 1024);
    writer.SetRoot(root);
    writer.WriteCollection(collection);
    writer.FlushBuffer();
    return stream.DataString();
  };
  return streamed(a) == streamed(b);
}

TPersistent* AncestorObject(TPersistent* ancestor, PPropInfo info) {
  if (!ancestor || !ancestor->InheritsFrom(info->DeclaringClass)) return nullptr;
  return dynamic_cast<TPersistent*>(GetObjectProp(ancestor, info));
}
}  // namespace

void TWriter::WriteRootComponent(TComponent* root) { WriteDescendent(root, nullptr); }

void TWriter::WriteDescendent(TComponent* root, TComponent* ancestor) {
  FRootAncestor = ancestor;
  SetAncestor(ancestor);
  SetRoot(root);
  WriteSignature();
  WriteComponent(root);
}

TComponent* TWriter::FindChildAncestor(TComponent* child) const {
  if (!FRootAncestor || child == Root()) return nullptr;
  return FRootAncestor->FindComponent(child->Name());
}

void TWriter::WriteComponent(TComponent* component) {
  TPathScope scope(*this);
  if (component != Root()) SetAncestor(FindChildAncestor(component));
  component->FComponentState.Include(csWriting);
  try {
    component->WriteState(this);
  } catch (...) {
    component->FComponentState.Exclude(csWriting);
    throw;
  }
  component->FComponentState.Exclude(csWriting);
}

void TWriter::WriteData(TComponent* instance) {
  TFilerFlags flags;
  if (Ancestor() && instance != Root()) flags.Include(ffInherited);
  if (instance->ComponentState().Contains(csInline)) flags.Include(ffInline);
  WritePrefix(flags, 0);
  WriteStr(instance->ClassName());
  WriteStr(instance->Name());
  WriteProperties(instance);
  WriteListEnd();
  instance->GetChildren([this](TComponent* child) { WriteComponent(child); }, Root());
  WriteListEnd();
}

void TWriter::WriteProperties(TPersistent* instance) {
  for (PPropInfo info : GetPropList(instance))
    if (IsStoredProp(instance, info)) WriteProperty(instance, info);
  instance->DefineProperties(this);
}

std::string TWriter::ComponentReference(TComponent* component) const {
  TComponent* lookup = LookupRoot();
  if (component->Owner() == lookup) return component->Name();
  if (component == lookup) return "Owner";
  if (component->Owner() && !component->Owner()->Name().empty() && !component->Name().empty())
    return component->Owner()->Name() + "." + component->Name();
  if (!component->Name().empty()) return component->Name() + ".Owner";
  return {};
}

void TWriter::WriteProperty(TPersistent* instance, const TPropInfo* info) {
  PTypeInfo type = info->PropType;
  // Read-only properties are not streamed, except objects written in place.
  if (!info->Writable() && type->Kind != tkClass) return;
  TPersistent* ancestor = Ancestor();
  bool hasAncestor = ancestor && ancestor->InheritsFrom(info->DeclaringClass);
  switch (type->Kind) {
    case tkInteger: case tkChar: case tkWChar: case tkEnumeration: case tkSet: {
      int64_t value = GetOrdProp(instance, info);
      if (hasAncestor ? value == GetOrdProp(ancestor, info)
                      : info->Default != NoDefault && value == info->Default)
        return;
      WritePropName(info->Name);
      std::string ident;
      TIntToIdent intToIdent = type->Kind == tkInteger ? FindIntToIdent(type) : TIntToIdent();
      if (intToIdent && intToIdent(static_cast<int32_t>(value), ident))
        WriteIdent(ident);
      else if (type->Kind == tkInteger)
        WriteInteger(value);
      else if (type->Kind == tkChar)
        WriteChar(static_cast<char>(value));
      else if (type->Kind == tkWChar)
        WriteWideString(Utf16ToUtf8(std::u16string(1, static_cast<char16_t>(value))));
      else if (type->Kind == tkEnumeration)
        WriteIdent(GetEnumName(type, value));
      else
        WriteSet(SetToNames(type, value));
      return;
    }
    case tkInt64: {
      int64_t value = GetInt64Prop(instance, info);
      if (value == (hasAncestor ? GetInt64Prop(ancestor, info) : 0)) return;
      WritePropName(info->Name);
      WriteInteger(value);
      return;
    }
    case tkFloat: {
      long double value = GetFloatProp(instance, info);
      if (value == (hasAncestor ? GetFloatProp(ancestor, info) : 0.0L)) return;
      WritePropName(info->Name);
      switch (type->Data.FloatType) {
        case ftSingle: WriteSingle(static_cast<float>(value)); break;
        case ftCurr: WriteCurrency(static_cast<double>(value)); break;
        default:
          if (IsDateType(type))
            WriteDate(static_cast<double>(value));
          else
            WriteFloat(value);
      }
      return;
    }
    case tkString: case tkLString: case tkWString: {
      std::string value = GetStrProp(instance, info);
      if (value == (hasAncestor ? GetStrProp(ancestor, info) : std::string())) return;
      WritePropName(info->Name);
      if (type->Kind == tkWString)
        WriteWideString(value);
      else
        WriteString(value);
      return;
    }
    case tkMethod: {
      TMethod value = GetMethodProp(instance, info);
      TMethod ancestorValue = hasAncestor ? GetMethodProp(ancestor, info) : TMethod{};
      if (value.Code == ancestorValue.Code) return;
      if (!value.Code) {
        WritePropName(info->Name);
        WriteValue(vaNil);
        return;
      }
      std::string name = LookupRoot() ? LookupRoot()->MethodName(value.Code) : std::string();
      if (name.empty() && OnFindMethodName) OnFindMethodName(*this, value, name);
      if (name.empty()) return;
      WritePropName(info->Name);
      WriteIdent(name);
      return;
    }
    case tkClass:
      WriteObjectProp(instance, info, hasAncestor ? ancestor : nullptr);
      return;
    default:
      return;
  }
}

void TWriter::WriteObjectProp(TPersistent* instance, const TPropInfo* info, TPersistent* ancestor) {
  TObject* object = GetObjectProp(instance, info);
  TPersistent* ancestorValue = AncestorObject(ancestor, info);
  auto* component = dynamic_cast<TComponent*>(object);
  bool subComponent = component && component->ComponentStyle().Contains(csSubComponent);
  if (!object) {
    if (ancestorValue && info->Writable()) {
      WritePropName(info->Name);
      WriteValue(vaNil);
    }
    return;
  }
  if (component && !subComponent) {
    if (!info->Writable()) return;
    auto* ancestorComponent = dynamic_cast<TComponent*>(ancestorValue);
    if (ancestorComponent && SameText(ancestorComponent->Name(), component->Name())) return;
    std::string reference = ComponentReference(component);
    if (reference.empty()) return;
    WritePropName(info->Name);
    WriteIdent(reference);
    return;
  }
  auto* persistent = dynamic_cast<TPersistent*>(object);
  if (!persistent) return;
  if (auto* collection = dynamic_cast<TCollection*>(persistent)) {
    auto* ancestorCollection = dynamic_cast<TCollection*>(ancestorValue);
    if (ancestorCollection && CollectionsEqual(collection, ancestorCollection, Root())) return;
    WritePropName(info->Name);
    WriteCollection(collection);
    return;
  }
  // An object written in place: its properties under "Prop." in the path,
  // compared with the ancestor's object of the same property.
  TPathScope scope(*this);
  SetPropPath(PropPath() + info->Name + ".");
  SetAncestor(ancestorValue);
  WriteProperties(persistent);
}

void TWriter::WriteCollection(TCollection* collection) {
  WriteValue(vaCollection);
  {
    TPathScope scope(*this);
    SetPropPath("");
    SetAncestor(nullptr);
    for (int32_t i = 0; collection && i < collection->Count(); ++i) {
      WriteListBegin();
      WriteProperties(collection->Items(i));
      WriteListEnd();
    }
  }
  WriteListEnd();
}
