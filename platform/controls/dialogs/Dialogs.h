#pragma once
// The dialogs unit: the common dialogs.

#include "platform/controls/dialogs/ColorDialog.h"
#include "platform/controls/dialogs/CommonDialog.h"
#include "platform/controls/dialogs/DialogsUnit.h"
#include "platform/controls/dialogs/FileFilter.h"
#include "platform/controls/dialogs/FindDialog.h"
#include "platform/controls/dialogs/FontDialog.h"
#include "platform/controls/dialogs/OpenDialog.h"
#include "platform/controls/dialogs/PictureDialogs.h"
#include "platform/controls/dialogs/PrinterSetupDialog.h"
#include "platform/controls/dialogs/SaveDialog.h"
