#include "platform/controls/dialogs/PictureDialogs.h"

#include "platform/graphics/Graphic.h"
#include "platform/graphics/Picture.h"

TOpenPictureDialog::TOpenPictureDialog(TComponent* owner) : TOpenDialog(owner) { SetFilter(DefaultFilter()); }

std::string TOpenPictureDialog::DefaultFilter() const { return GraphicFilter(TGraphic::StaticClass()); }
