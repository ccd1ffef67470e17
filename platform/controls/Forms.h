#pragma once
// Forms, the application and the screen.

#include "platform/controls/Application.h"
#include "platform/controls/ControlsUnit.h"
#include "platform/controls/Form.h"
#include "platform/controls/FormResources.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/controls/Screen.h"
