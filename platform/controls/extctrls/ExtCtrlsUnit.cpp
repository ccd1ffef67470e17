#include "platform/controls/extctrls/ExtCtrlsUnit.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/controls/extctrls/ExtCtrls.h"

void InitializeExtCtrls() {
  RegisterClasses({TBevel::StaticClass(), TShape::StaticClass(), TImage::StaticClass(),
                   TPaintBox::StaticClass(), TSpeedButton::StaticClass(), TSplitter::StaticClass(),
                   TScrollBox::StaticClass(), TTimer::StaticClass(), TTrackBar::StaticClass(),
                   TProgressBar::StaticClass(), TPanel::StaticClass(), TStatusBar::StaticClass(),
                   TStatusPanel::StaticClass(), TBitBtn::StaticClass(),
                   TRichEdit::StaticClass()});
}
