// The standard package's registration: each page in the order of the
// palette's tabs, each page's classes in the order of its buttons. Pages are
// made in the order they are first named, so the calls' order is the tabs'.

#include "platform/controls/dialogs/Dialogs.h"
#include "platform/controls/extctrls/ExtCtrls.h"
#include "platform/controls/grids/DrawGrid.h"
#include "platform/controls/grids/StringGrid.h"
#include "platform/controls/menus/Menus.h"
#include "platform/controls/stdctrls/StdCtrls.h"
#include "platform/controls/tabs/PageControl.h"
#include "platform/controls/tabs/TabControl.h"
#include "platform/design/ComponentRegistration.h"
#include "platform/design/PackageUnit.h"

MORVANE_UNIT_REGISTER(StdReg) {
  RegisterComponents("Standard",
                     {ClassOf<TMainMenu>(), ClassOf<TPopupMenu>(), ClassOf<TLabel>(), ClassOf<TEdit>(),
                      ClassOf<TMemo>(), ClassOf<TButton>(), ClassOf<TCheckBox>(), ClassOf<TRadioButton>(),
                      ClassOf<TListBox>(), ClassOf<TComboBox>(), ClassOf<TScrollBar>(), ClassOf<TGroupBox>(),
                      ClassOf<TRadioGroup>(), ClassOf<TPanel>()});
  RegisterComponents("Additional",
                     {ClassOf<TBitBtn>(), ClassOf<TSpeedButton>(), ClassOf<TStringGrid>(), ClassOf<TDrawGrid>(),
                      ClassOf<TImage>(), ClassOf<TShape>(), ClassOf<TBevel>(), ClassOf<TScrollBox>(),
                      ClassOf<TSplitter>()});
  RegisterComponents("Win32", {ClassOf<TTabControl>(), ClassOf<TPageControl>(), ClassOf<TRichEdit>(),
                               ClassOf<TTrackBar>(), ClassOf<TProgressBar>(), ClassOf<TStatusBar>()});
  RegisterComponents("System", {ClassOf<TTimer>(), ClassOf<TPaintBox>()});
  RegisterComponents("Dialogs",
                     {ClassOf<TOpenDialog>(), ClassOf<TSaveDialog>(), ClassOf<TOpenPictureDialog>(),
                      ClassOf<TSavePictureDialog>(), ClassOf<TFontDialog>(), ClassOf<TColorDialog>(),
                      ClassOf<TPrinterSetupDialog>(), ClassOf<TFindDialog>(), ClassOf<TReplaceDialog>()});
  // Placed by their parents' editors, never from the palette, yet forms
  // that hold them must stream.
  RegisterNoIcon({ClassOf<TTabSheet>(), ClassOf<TMenuItem>()});
}
