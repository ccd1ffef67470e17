#pragma once
// The standard controls, all at once.

#include "platform/controls/stdctrls/Button.h"
#include "platform/controls/stdctrls/CheckBox.h"
#include "platform/controls/stdctrls/ComboBox.h"
#include "platform/controls/stdctrls/GroupBox.h"
#include "platform/controls/stdctrls/Label.h"
#include "platform/controls/stdctrls/ListBox.h"
#include "platform/controls/stdctrls/ScrollBar.h"
#include "platform/controls/stdctrls/CustomMemo.h"
#include "platform/controls/stdctrls/Edit.h"
#include "platform/controls/stdctrls/StdCtrlsUnit.h"
