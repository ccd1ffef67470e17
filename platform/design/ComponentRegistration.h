#pragma once
// Registering components for a component palette. The procedures forward to
// the procedure variables, which the environment that hosts the palette
// points at its own handlers; a call while a variable is unassigned raises
// EComponentError, because the registration would be lost silently.

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/classes/Component.h"

enum TActiveXRegType { axrComponentOnly, axrIncludeDescendants };

using TComponentClasses = std::vector<TComponentClass>;

using TRegisterComponentsProc =
    std::function<void(const std::string& Page, const TComponentClasses& ComponentClasses)>;
using TRegisterNoIconProc = std::function<void(const TComponentClasses& ComponentClasses)>;
using TRegisterNonActiveXProc =
    std::function<void(const TComponentClasses& ComponentClasses, TActiveXRegType AxRegType)>;

extern TRegisterComponentsProc RegisterComponentsProc;
extern TRegisterNoIconProc RegisterNoIconProc;
extern TRegisterNonActiveXProc RegisterNonActiveXProc;

// Puts the classes on the palette page Page.
void RegisterComponents(const std::string& Page, const TComponentClasses& ComponentClasses);
// Makes the classes known without a palette entry.
void RegisterNoIcon(const TComponentClasses& ComponentClasses);
void RegisterNonActiveX(const TComponentClasses& ComponentClasses, TActiveXRegType AxRegType);
