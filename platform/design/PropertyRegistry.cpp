#include "platform/design/PropertyRegistry.h"

#include <memory>
#include <vector>

#include "platform/controls/menus/ShortCuts.h"
#include "platform/core/SysUtils.h"
#include "platform/design/ComponentList.h"
#include "platform/design/IdentEditors.h"
#include "platform/design/ObjectEditors.h"
#include "platform/design/TextEditors.h"
#include "platform/graphics/Font.h"
#include "platform/rtti/TypInfo.h"

namespace {

struct TPropertyEditorRegistration {
  PTypeInfo PropertyType;
  TClass ComponentClass;
  std::string PropertyName;
  TPropertyEditorClass EditorClass;
};

std::vector<TPropertyEditorRegistration>& Registrations() {
  static std::vector<TPropertyEditorRegistration> list;
  return list;
}

constexpr int NotRelated = -1;

// How many steps up from cls reach ancestor; NotRelated when it is none.
int ClassDistance(TClass cls, TClass ancestor) {
  int steps = 0;
  for (TClass c = cls; c; c = c->ClassParent(), ++steps)
    if (c == ancestor) return steps;
  return NotRelated;
}

// How far the registered type is from the property's type: 0 for the same
// type, the class distance for an ancestor class, NotRelated otherwise.
int TypeDistance(PTypeInfo propertyType, PTypeInfo registeredType) {
  if (propertyType == registeredType) return 0;
  if (propertyType->Kind == tkClass && registeredType->Kind == tkClass)
    return ClassDistance(GetTypeData(propertyType)->ClassType, GetTypeData(registeredType)->ClassType);
  return NotRelated;
}

// The editors the platform gives named types and kinds on its own.
TPropertyEditorClass StandardEditorClass(PPropInfo propInfo, TClass componentClass) {
  PTypeInfo type = propInfo->PropType;
  if (type == TypeInfoTColor()) return ClassOf<TColorProperty>();
  if (type == TypeInfoTCursor()) return ClassOf<TCursorProperty>();
  if (type == TypeInfoTFontCharset()) return ClassOf<TFontCharsetProperty>();
  if (type == TypeInfoTModalResult()) return ClassOf<TModalResultProperty>();
  if (type == TypeInfoTTabOrder()) return ClassOf<TTabOrderProperty>();
  if (type == TypeInfoTShortCut()) return ClassOf<TShortCutProperty>();
  if (type == TypeInfoTCaption()) return ClassOf<TCaptionProperty>();
  if (type == TypeInfoTFontName()) return ClassOf<TFontNameProperty>();
  if (type == TypeInfoTDate()) return ClassOf<TDateProperty>();
  if (type == TypeInfoTTime()) return ClassOf<TTimeProperty>();
  if (type == TypeInfoTDateTime()) return ClassOf<TDateTimeProperty>();
  switch (type->Kind) {
    case tkInteger:
    case tkInt64: return ClassOf<TIntegerProperty>();
    case tkChar:
    case tkWChar: return ClassOf<TCharProperty>();
    case tkEnumeration: return ClassOf<TEnumProperty>();
    case tkFloat: return ClassOf<TFloatProperty>();
    case tkString:
    case tkLString:
    case tkWString:
      if (SameText(propInfo->Name, "Name") && componentClass &&
          componentClass->InheritsFrom(TComponent::StaticClass()))
        return ClassOf<TComponentNameProperty>();
      return ClassOf<TStringProperty>();
    case tkSet: return ClassOf<TSetProperty>();
    case tkClass: {
      TClass cls = GetTypeData(type)->ClassType;
      if (cls->InheritsFrom(TComponent::StaticClass())) return ClassOf<TComponentProperty>();
      if (cls->InheritsFrom(TFont::StaticClass())) return ClassOf<TFontProperty>();
      return ClassOf<TClassProperty>();
    }
    case tkMethod: return ClassOf<TMethodProperty>();
    default: return ClassOf<TPropertyEditor>();
  }
}

// One candidate row while the selection is walked.
struct TCandidate {
  std::unique_ptr<TPropertyEditor> Editor;
  TPropertyEditorClass EditorClass;
};

}  // namespace

void RegisterPropertyEditor(PTypeInfo PropertyType, TClass ComponentClass,
                            const std::string& PropertyName, TPropertyEditorClass EditorClass) {
  Registrations().push_back({PropertyType, ComponentClass, PropertyName, EditorClass});
}

TPropertyEditorClass GetEditorClass(PPropInfo propInfo, TClass componentClass) {
  const TPropertyEditorRegistration* best = nullptr;
  int bestClass = 0, bestType = 0;
  for (const TPropertyEditorRegistration& r : Registrations()) {
    const int typeDistance = TypeDistance(propInfo->PropType, r.PropertyType);
    if (typeDistance == NotRelated) continue;
    if (!r.PropertyName.empty() && !SameText(r.PropertyName, propInfo->Name)) continue;
    int classDistance = INT32_MAX;  // any class: the farthest
    if (r.ComponentClass) {
      classDistance = ClassDistance(componentClass, r.ComponentClass);
      if (classDistance == NotRelated) continue;
    }
    // Later registrations win ties, hence <= all the way down.
    const bool better =
        !best || (!r.PropertyName.empty() && best->PropertyName.empty()) ||
        (r.PropertyName.empty() == best->PropertyName.empty() &&
         (classDistance < bestClass ||
          (classDistance == bestClass && typeDistance <= bestType)));
    if (better) {
      best = &r;
      bestClass = classDistance;
      bestType = typeDistance;
    }
  }
  return best ? best->EditorClass : StandardEditorClass(propInfo, componentClass);
}

void GetComponentProperties(TComponentList* Components, TTypeKinds Filter,
                            TFormDesigner* Designer, const TGetPropEditProc& Proc) {
  if (!Components || Components->Count() == 0) return;
  const int32_t count = Components->Count();
  TPersistent* first = Components->Items(0);
  std::vector<TCandidate> candidates;
  for (PPropInfo prop : GetPropList(first, Filter)) {
    TPropertyEditorClass editorClass = GetEditorClass(prop, first->ClassType());
    std::unique_ptr<TPropertyEditor> editor(CreatePropertyEditor(editorClass, Designer));
    editor->SetPropEntry(0, first, prop);
    if (count > 1 && !editor->GetAttributes().Contains(paMultiSelect)) continue;
    candidates.push_back({std::move(editor), editorClass});
  }
  for (int32_t i = 1; i < count; ++i) {
    TPersistent* object = Components->Items(i);
    std::erase_if(candidates, [&](TCandidate& c) {
      PPropInfo own = c.Editor->GetPropInfo();
      PPropInfo prop = GetPropInfo(object, own->Name);
      if (!prop || prop->PropType != own->PropType || !(Filter.Contains(prop->PropType->Kind)) ||
          GetEditorClass(prop, object->ClassType()) != c.EditorClass)
        return true;
      c.Editor->SetPropEntry(i, object, prop);
      return false;
    });
  }
  for (TCandidate& c : candidates) Proc(c.Editor.release());
}
