#pragma once
// Which property editor edits which property, and the property editors of a
// selection.
//
// RegisterPropertyEditor(PropertyType, ComponentClass, PropertyName, EditorClass)
// registers an editor for properties of a type (a class type also covers its
// descendants), optionally only on one component class and its descendants
// (nullptr: every class), optionally only for one property name (empty: every
// name, compared without regard to case). Among the registrations that fit a
// property the best one wins: a named property over any name, then a closer
// component class over a farther one (any class being the farthest), then a
// closer property type over an ancestor type, then the later registration.
// Properties that no registration fits get the standard editor of their type.

#include <string>

#include "platform/design/PropertyEditor.h"

class TComponentList;

void RegisterPropertyEditor(PTypeInfo PropertyType, TClass ComponentClass,
                            const std::string& PropertyName, TPropertyEditorClass EditorClass);

// The editor class for a property of an object of class componentClass.
TPropertyEditorClass GetEditorClass(PPropInfo propInfo, TClass componentClass);

// Calls Proc with one new editor per property of the kinds in Filter, in the
// order of declaration; Proc takes ownership. For several objects only the
// properties that all of them have (same name, same type, same editor class)
// and whose editor allows several objects (paMultiSelect) are given; the
// editor then edits that property of every object.
void GetComponentProperties(TComponentList* Components, TTypeKinds Filter,
                            TFormDesigner* Designer, const TGetPropEditProc& Proc);
