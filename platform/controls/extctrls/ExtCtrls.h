#pragma once
// The extra controls, buttons and common controls: everything a program or
// the library uses of this family.

#include "platform/controls/extctrls/Bevel.h"
#include "platform/controls/extctrls/BitBtn.h"
#include "platform/controls/extctrls/ExtCtrlsUnit.h"
#include "platform/controls/extctrls/Image.h"
#include "platform/controls/extctrls/PaintBox.h"
#include "platform/controls/extctrls/Panel.h"
#include "platform/controls/extctrls/ProgressBar.h"
#include "platform/controls/extctrls/RichEdit.h"
#include "platform/controls/extctrls/ScrollBox.h"
#include "platform/controls/extctrls/Shape.h"
#include "platform/controls/extctrls/SpeedButton.h"
#include "platform/controls/extctrls/StatusBar.h"
#include "platform/controls/extctrls/Splitter.h"
#include "platform/controls/extctrls/Timer.h"
#include "platform/controls/extctrls/TrackBar.h"
