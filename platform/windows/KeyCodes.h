#pragma once
// Internal: Qt's keys as virtual-key codes.

#include <QKeyEvent>

#include "platform/windows/WinTypes.h"

WORD VirtualKeyOf(const QKeyEvent& event);
