#pragma once
// The controls of the platform: everything a program or the library uses of
// the base control classes.

#include "platform/controls/Control.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/ControlPublishing.h"
#include "platform/controls/CustomControl.h"
#include "platform/controls/GraphicControl.h"
#include "platform/controls/ScrollingWinControl.h"
#include "platform/controls/WinControl.h"
