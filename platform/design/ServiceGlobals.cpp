#include "platform/design/LibraryInterface.h"
#include "platform/design/StudioInterface.h"
#include "platform/design/ToolServices.h"

TIToolServices* ToolServices = nullptr;
TILibrary* CompLib = nullptr;
TIStudioIDE* StudioIDE = nullptr;
