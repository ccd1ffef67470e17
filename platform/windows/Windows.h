#pragma once
// The windowing system of the platform, on Qt Widgets: everything a program
// or the library uses of it.

#include "platform/windows/Clipboard.h"
#include "platform/windows/Cursors.h"
#include "platform/windows/GlobalMemory.h"
#include "platform/windows/Handles.h"
#include "platform/windows/Hooks.h"
#include "platform/windows/Keyboard.h"
#include "platform/windows/MessageQueue.h"
#include "platform/windows/Messages.h"
#include "platform/windows/Metrics.h"
#include "platform/windows/Modules.h"
#include "platform/windows/Painting.h"
#include "platform/windows/ScrollBars.h"
#include "platform/windows/Timers.h"
#include "platform/windows/WinTypes.h"
