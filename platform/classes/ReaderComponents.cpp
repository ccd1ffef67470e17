// The component level of TReader: builds components, their properties,
// collections and references from the values of a binary component stream.

#include <algorithm>

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/Reader.h"
#include "platform/classes/UnicodeText.h"
#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"
#include "platform/rtti/IntConsts.h"
#include "platform/rtti/TypInfo.h"

namespace {
[[noreturn]] void InvalidPropertyValue() { throw EReadError("Invalid property value"); }

std::string InstanceName(TPersistent* instance) {
  if (auto* component = dynamic_cast<TComponent*>(instance)) return component->Name();
  return instance->GetNamePath();
}

// Gives the reader back its owner and parent on every way out.
class TOwnerScope {
 public:
  explicit TOwnerScope(TReader& reader)
      : FReader(reader), FOwner(reader.Owner()), FParent(reader.Parent()) {}
  ~TOwnerScope() {
    FReader.SetOwner(FOwner);
    FReader.SetParent(FParent);
  }
  TOwnerScope(const TOwnerScope&) = delete;
  TOwnerScope& operator=(const TOwnerScope&) = delete;

 private:
  TReader& FReader;
  TComponent* FOwner;
  TComponent* FParent;
};

// Sets a component state flag for as long as it lives; the flag is cleared
// on every way out, exceptions included.
class TStateScope {
 public:
  TStateScope(TComponentState& state, TComponentStateItem item) : FState(state), FItem(item) {
    FState.Include(item);
  }
  ~TStateScope() { FState.Exclude(FItem); }
  TStateScope(const TStateScope&) = delete;
  TStateScope& operator=(const TStateScope&) = delete;

 private:
  TComponentState& FState;
  TComponentStateItem FItem;
};
}  // namespace

bool TReader::HandleError(const std::string& message) {
  bool handled = false;
  if (OnError) OnError(*this, message, handled);
  return handled;
}

void TReader::BeginReferences() {
  FLoaded.clear();
  FFixups.clear();
  FReferencesActive = true;
  FFixupsActive = true;
}

void TReader::FixupReferences() {
  ResolveFixups();
  for (TComponent* component : FLoaded) component->Loaded();
}

void TReader::EndReferences() {
  FLoaded.clear();
  FFixups.clear();
  FReferencesActive = false;
  FFixupsActive = false;
}

void TReader::ResolveFixups() {
  std::vector<TFixup> fixups;
  fixups.swap(FFixups);
  for (TFixup& fixup : fixups) {
    std::string name = fixup.Name;
    if (OnReferenceName) OnReferenceName(*this, name);
    // A reference to something not loaded stays nil, as a reference to a
    // root that is not there is not an error of this stream.
    if (TComponent* target = FindNestedComponent(LookupRoot() ? LookupRoot() : Root(), name))
      SetObjectProp(fixup.Instance, fixup.PropInfo, target);
  }
}

void TReader::ClearLoadingStates() {
  for (TComponent* component : FLoaded) component->FComponentState.Exclude(csLoading);
}

const TClassInfo* TReader::FindComponentClass(const std::string& className) {
  TClass cls = GetClass(className);
  if (!cls && OnFindComponentClass) OnFindComponentClass(*this, className, cls);
  if (!cls || !cls->InheritsFrom(TComponent::StaticClass()))
    throw EClassNotFound("Class " + className + " not found");
  return cls;
}

void* TReader::FindMethod(TComponent* root, const std::string& methodName) {
  void* address = root ? root->MethodAddress(methodName) : nullptr;
  bool error = address == nullptr;
  if (OnFindMethod) OnFindMethod(*this, methodName, address, error);
  if (error) throw EMethodNotFound("Method " + methodName + " not found");
  return address;
}

TComponent* TReader::ReadRootComponent(TComponent* root) {
  ReadSignature();
  TFilerFlags flags;
  int32_t childPos = 0;
  ReadPrefix(flags, childPos);
  std::string className = ReadStr();
  std::string name = ReadStr();
  bool created = root == nullptr;
  TComponent* result = root;
  bool ownLists = !FReferencesActive;
  if (ownLists) BeginReferences();
  try {
    if (created) {
      result = CreateComponent(FindComponentClass(className), nullptr);
      result->FComponentState.Include(csLoading);
      result->SetName(name);
    } else if (!result->ComponentState().Contains(csDesigning)) {
      result->FComponentState.Include(csLoading);
      std::string newName = name;
      if (OnSetName) OnSetName(*this, result, newName);
      result->SetName(newName);
    }
    SetRoot(result);
    SetOwner(result);
    SetParent(nullptr);
    if (std::find(FLoaded.begin(), FLoaded.end(), result) == FLoaded.end())
      FLoaded.push_back(result);
    result->FComponentState.Include(csLoading);
    {
      TStateScope reading(result->FComponentState, csReading);
      result->ReadState(this);
    }
    if (ownLists) {
      FixupReferences();
      EndReferences();
    }
  } catch (...) {
    ClearLoadingStates();
    result->FComponentState.Exclude(csLoading);
    if (ownLists) EndReferences();
    if (created) delete result;
    throw;
  }
  return result;
}

void TReader::ReadComponents(TComponent* owner, TComponent* parent,
                             std::function<void(TComponent*)> proc) {
  SetRoot(owner);
  SetOwner(owner);
  SetParent(parent);
  BeginReferences();
  try {
    while (!EndOfList()) {
      ReadSignature();
      TComponent* component = ReadComponent(nullptr);
      if (proc && component) proc(component);
    }
    ReadListEnd();
    FixupReferences();
  } catch (...) {
    ClearLoadingStates();
    EndReferences();
    throw;
  }
  EndReferences();
}

void TReader::SkipComponent(bool skipHeader) {
  TNesting nesting(*this);
  if (skipHeader) {
    TFilerFlags flags;
    int32_t childPos = 0;
    ReadPrefix(flags, childPos);
    ReadStr();
    ReadStr();
  }
  while (!EndOfList()) {
    ReadStr();
    SkipValue();
  }
  ReadListEnd();
  while (!EndOfList()) SkipComponent(true);
  ReadListEnd();
}

TComponent* TReader::ReadComponent(TComponent* component) {
  TNesting nesting(*this);
  TFilerFlags flags;
  int32_t childPos = 0;
  ReadPrefix(flags, childPos);
  std::string className = ReadStr();
  std::string name = ReadStr();

  TComponent* oldParent = Parent();
  TComponent* oldLookupRoot = FLookupRoot;
  size_t fixupMark = FFixups.size();
  size_t loadedMark = FLoaded.size();
  bool created = false;
  TComponent* result = component;
  auto restore = [&] {
    SetParent(oldParent);
    FLookupRoot = oldLookupRoot;
  };
  // Drops what the failed component left: its pending references and loaded
  // entries would point at freed objects.
  auto discard = [&] {
    FFixups.resize(std::min(FFixups.size(), fixupMark));
    if (FLoaded.size() > loadedMark) {
      for (size_t i = loadedMark; i < FLoaded.size(); ++i)
        if (FLoaded[i] != result) FLoaded[i]->FComponentState.Exclude(csLoading);
      FLoaded.resize(loadedMark);
    }
    if (created) delete result;
    result = nullptr;
  };
  // An error before the component's data was read: give OnError the chance
  // to skip the whole component and go on.
  auto recover = [&](const Exception& e) {
    discard();
    SkipComponent(false);
    restore();
    if (!HandleError(e.Message())) throw;
  };

  if (!result) {
    if (flags.Contains(ffInherited)) {
      try {
        TClass cls = FindComponentClass(className);
        TComponent* lookup = FLookupRoot ? FLookupRoot : Root();
        result = lookup ? lookup->FindComponent(name) : nullptr;
        if (!result || !result->InheritsFrom(cls))
          throw EReadError("Ancestor for '" + name + "' not found");
        if (TComponent* parent = result->GetParentComponent())
          SetParent(parent);
        else
          SetParent(Root());
      } catch (const Exception& e) {
        recover(e);
        return nullptr;
      }
    } else {
      try {
        TClass cls = FindComponentClass(className);
        result = CreateComponent(cls, Owner());
        created = true;
        if (flags.Contains(ffInline)) result->FComponentState.Include(csInline);
        result->FComponentState.Include(csLoading);
      } catch (const Exception& e) {
        recover(e);
        return nullptr;
      }
    }
  }

  try {
    result->FComponentState.Include(csLoading);
    if (!flags.Contains(ffInherited)) {
      try {
        result->SetParentComponent(Parent());
        std::string newName = name;
        if (OnSetName) OnSetName(*this, result, newName);
        result->SetName(newName);
      } catch (const Exception& e) {
        recover(e);
        return nullptr;
      }
    }
    if (result->ComponentState().Contains(csInline)) FLookupRoot = result;
    {
      TStateScope reading(result->FComponentState, csReading);
      result->ReadState(this);
    }
    if (flags.Contains(ffChildPos) && Parent()) Parent()->SetChildOrder(result, childPos);
    // Only a component that existed before can be in the list already.
    if (created || std::find(FLoaded.begin(), FLoaded.end(), result) == FLoaded.end())
      FLoaded.push_back(result);
  } catch (...) {
    discard();
    restore();
    throw;
  }
  restore();
  return result;
}

void TReader::ReadData(TComponent* instance) {
  if (FFixupsActive) {
    ReadDataInner(instance);
    return;
  }
  FFixupsActive = true;
  try {
    ReadDataInner(instance);
    ResolveFixups();
  } catch (...) {
    FFixups.clear();
    FFixupsActive = false;
    throw;
  }
  FFixupsActive = false;
}

void TReader::ReadDataInner(TComponent* instance) {
  while (!EndOfList()) ReadProperty(instance);
  ReadListEnd();
  TOwnerScope scope(*this);
  SetParent(instance->GetChildParent());
  TComponent* childOwner = instance->GetChildOwner();
  SetOwner(childOwner ? childOwner : Root());
  while (!EndOfList()) ReadComponent(nullptr);
  ReadListEnd();
}

void TReader::ReadProperty(TPersistent* instance) {
  std::string path = ReadStr();
  bool consumed = false;
  TPersistent* target = instance;
  try {
    // "Font.Name": walk the object properties up to the last name.
    size_t start = 0;
    for (size_t dot = path.find('.'); dot != std::string::npos; dot = path.find('.', start)) {
      std::string part = path.substr(start, dot - start);
      PPropInfo info = GetPropInfo(target, part);
      TPersistent* next = nullptr;
      if (info && info->PropType->Kind == tkClass)
        next = dynamic_cast<TPersistent*>(GetObjectProp(target, info));
      if (!next) {
        SkipValue();
        consumed = true;
        throw EReadError("Property " + part + " does not exist");
      }
      target = next;
      start = dot + 1;
    }
    std::string name = path.substr(start);
    SetPropName(name);
    if (PPropInfo info = GetPropInfo(target, name)) {
      ReadPropValue(target, info, consumed);
    } else {
      SetPropertyHandled(false);
      target->DefineProperties(this);
      if (!PropertyHandled()) {
        SkipValue();
        consumed = true;
        throw EReadError("Property " + name + " does not exist");
      }
      consumed = true;
    }
  } catch (Exception& e) {
    if (consumed && HandleError(e.Message())) return;
    if (e.Message().rfind("Error reading ", 0) != 0)
      e.SetMessage("Error reading " + InstanceName(instance) + "." + path + ": " + e.Message());
    throw;
  }
}

void TReader::ReadPropValue(TPersistent* instance, const TPropInfo* info, bool& consumed) {
  PTypeInfo type = info->PropType;
  // A value of the wrong kind is skipped whole, so that reading can go on
  // when OnError handles the error.
  auto wrongValue = [&]() {
    SkipValue();
    consumed = true;
    InvalidPropertyValue();
  };
  TValueType next = NextValue();
  switch (type->Kind) {
    case tkInteger: {
      if (next == vaIdent) {
        std::string ident = ReadIdent();
        consumed = true;
        int32_t value = 0;
        TIdentToInt identToInt = FindIdentToInt(type);
        if (!identToInt || !identToInt(ident, value)) InvalidPropertyValue();
        SetOrdProp(instance, info, value);
      } else {
        if (next != vaInt8 && next != vaInt16 && next != vaInt32 && next != vaInt64) wrongValue();
        int32_t value = ReadInteger();
        consumed = true;
        SetOrdProp(instance, info, value);
      }
      return;
    }
    case tkInt64: {
      if (next != vaInt8 && next != vaInt16 && next != vaInt32 && next != vaInt64) wrongValue();
      int64_t value = ReadInt64();
      consumed = true;
      SetInt64Prop(instance, info, value);
      return;
    }
    case tkChar:
    case tkWChar: {
      if (next != vaString && next != vaLString && next != vaWString && next != vaUTF8String &&
          next != vaInt8 && next != vaInt16)
        wrongValue();
      int64_t value;
      if (next == vaInt8 || next == vaInt16) {
        value = ReadInteger();
      } else {
        std::u16string text = Utf8ToUtf16(ReadString());
        if (text.size() > 1) {
          consumed = true;
          InvalidPropertyValue();
        }
        value = text.empty() ? 0 : text[0];
      }
      consumed = true;
      SetOrdProp(instance, info, value);
      return;
    }
    case tkEnumeration: {
      if (next != vaIdent && next != vaFalse && next != vaTrue) wrongValue();
      std::string ident = ReadIdent();
      consumed = true;
      int64_t value = GetEnumValue(type, ident);
      if (value < 0) InvalidPropertyValue();
      SetOrdProp(instance, info, value);
      return;
    }
    case tkSet: {
      if (next != vaSet) wrongValue();
      std::vector<std::string> names = ReadSet();
      consumed = true;
      int64_t value = 0;
      for (const std::string& element : names) {
        int64_t bit = GetEnumValue(type->Data.CompType, element);
        if (bit < 0 || bit >= 32) InvalidPropertyValue();
        value |= int64_t{1} << bit;
      }
      SetOrdProp(instance, info, value);
      return;
    }
    case tkFloat: {
      switch (next) {
        case vaExtended: case vaSingle: case vaCurrency: case vaDate: case vaDouble:
        case vaInt8: case vaInt16: case vaInt32: case vaInt64:
          break;
        default:
          wrongValue();
      }
      long double value = ReadFloat();
      consumed = true;
      SetFloatProp(instance, info, value);
      return;
    }
    case tkString:
    case tkLString:
    case tkWString: {
      if (next != vaString && next != vaLString && next != vaWString && next != vaUTF8String)
        wrongValue();
      std::string value = ReadString();
      consumed = true;
      SetStrProp(instance, info, value);
      return;
    }
    case tkClass: {
      if (next == vaNil) {
        ReadValue();
        consumed = true;
        SetObjectProp(instance, info, nullptr);
      } else if (next == vaCollection) {
        auto* collection = dynamic_cast<TCollection*>(GetObjectProp(instance, info));
        if (!collection) wrongValue();
        ReadValue();
        ReadCollection(collection);
        consumed = true;
      } else if (next == vaIdent) {
        std::string name = ReadIdent();
        consumed = true;
        if (!GetObjectPropClass(info)->InheritsFrom(TComponent::StaticClass())) InvalidPropertyValue();
        if (!info->SetObject) throw EPropertyError("Property " + info->Name + " is read-only");
        FFixups.push_back({instance, info, name});
        if (!FFixupsActive) ResolveFixups();
      } else {
        wrongValue();
      }
      return;
    }
    case tkMethod: {
      if (next == vaNil) {
        ReadValue();
        consumed = true;
        SetMethodProp(instance, info, TMethod{});
        return;
      }
      if (next != vaIdent) wrongValue();
      std::string methodName = ReadIdent();
      consumed = true;
      void* code = FindMethod(Root(), methodName);
      if (code) SetMethodProp(instance, info, TMethod{code, static_cast<TObject*>(Root())});
      return;
    }
    default:
      wrongValue();
  }
}

void TReader::ReadCollection(TCollection* collection) {
  TNesting nesting(*this);
  collection->BeginUpdate();
  try {
    if (!EndOfList()) collection->Clear();
    while (!EndOfList()) {
      TValueType next = NextValue();
      if (next == vaInt8 || next == vaInt16 || next == vaInt32) ReadInteger();
      TCollectionItem* item = collection->Add();
      ReadListBegin();
      while (!EndOfList()) ReadProperty(item);
      ReadListEnd();
    }
    ReadListEnd();
  } catch (...) {
    collection->EndUpdate();
    throw;
  }
  collection->EndUpdate();
}
