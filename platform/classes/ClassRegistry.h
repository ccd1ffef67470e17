#pragma once
// The class registry: classes that streams may name. Names compare
// case-insensitively. Registering a class registers its ancestors up to
// TPersistent too, so that a stream can name any of them.

#include <initializer_list>
#include <string>

#include "platform/rtti/Object.h"

// A different class already registered under the same name raises EFilerError
// "A class named X already exists"; the same class again is ignored.
void RegisterClass(TClass cls);
void RegisterClasses(std::initializer_list<TClass> classes);
// Makes cls findable under another name as well (for renamed classes).
void RegisterClassAlias(TClass cls, const std::string& alias);
// Removes every name under which cls is registered.
void UnRegisterClass(TClass cls);
// nullptr when no class of that name is registered.
TClass GetClass(const std::string& name);
// Raises EClassNotFound "Class X not found" when no class of that name is registered.
TClass FindClass(const std::string& name);
