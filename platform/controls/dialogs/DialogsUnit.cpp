#include "platform/controls/dialogs/DialogsUnit.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/controls/dialogs/ColorDialog.h"
#include "platform/controls/dialogs/FindDialog.h"
#include "platform/controls/dialogs/FontDialog.h"
#include "platform/controls/dialogs/PictureDialogs.h"
#include "platform/controls/dialogs/PrinterSetupDialog.h"

void InitializeDialogs() {
  RegisterClasses({TOpenDialog::StaticClass(), TSaveDialog::StaticClass(), TOpenPictureDialog::StaticClass(),
                   TSavePictureDialog::StaticClass(), TColorDialog::StaticClass(), TFontDialog::StaticClass(),
                   TPrinterSetupDialog::StaticClass(), TFindDialog::StaticClass(), TReplaceDialog::StaticClass()});
}
