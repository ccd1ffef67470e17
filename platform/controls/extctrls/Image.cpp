#include "platform/controls/extctrls/Image.h"

#include "platform/controls/extctrls/DesignFrame.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Metafile.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner), FPicture(new TPicture) {
  FControlStyle.Include(csReplicatable);
  FPicture->OnChange = [this](TObject*) { PictureChanged(); };
  SetBounds(0, 0, 105, 105);
}

TImage::~TImage() { delete FPicture; }

TCanvas* TImage::Canvas() {
  if (!FPicture->Graphic()) {
    auto* bitmap = new TBitmap;
    bitmap->SetSize(Width(), Height());
    FPicture->SetGraphic(bitmap);  // takes a copy
    delete bitmap;
  }
  auto* bitmap = dynamic_cast<TBitmap*>(FPicture->Graphic());
  if (!bitmap) throw EInvalidOperation("Can only modify an image if it contains a bitmap");
  return bitmap->Canvas();
}

void TImage::Changed() { Invalidate(); }

void TImage::SetAutoSize(bool value) {
  if (FAutoSize == value) return;
  FAutoSize = value;
  PictureChanged();
}

void TImage::SetCenter(bool value) {
  if (FCenter == value) return;
  FCenter = value;
  Changed();
}

void TImage::SetProportional(bool value) {
  if (FProportional == value) return;
  FProportional = value;
  Changed();
}

void TImage::SetStretch(bool value) {
  if (FStretch == value) return;
  FStretch = value;
  Changed();
}

void TImage::SetTransparent(bool value) {
  if (FTransparent == value) return;
  FTransparent = value;
  PictureChanged();
}

void TImage::PictureChanged() {
  TGraphic* graphic = FPicture->Graphic();
  if (graphic) {
    // A metafile keeps its own transparency; other graphics follow the image.
    if (!dynamic_cast<TMetafile*>(graphic) && graphic->Transparent() != FTransparent)
      graphic->SetTransparent(FTransparent);
    if (FAutoSize && FPicture->Width() > 0 && FPicture->Height() > 0)
      SetBounds(Left(), Top(), FPicture->Width(), FPicture->Height());
  }
  Changed();
}

TRect TImage::DestRect() const {
  int32_t w = FPicture->Width(), h = FPicture->Height();
  int32_t cw = ClientWidth(), ch = ClientHeight();
  if (FStretch || (FProportional && (w > cw || h > ch))) {
    if (FProportional && w > 0 && h > 0) {
      double aspect = static_cast<double>(w) / h;
      if (w > h) {
        w = cw;
        h = static_cast<int32_t>(cw / aspect);
        if (h > ch) {
          h = ch;
          w = static_cast<int32_t>(ch * aspect);
        }
      } else {
        h = ch;
        w = static_cast<int32_t>(ch * aspect);
        if (w > cw) {
          w = cw;
          h = static_cast<int32_t>(cw / aspect);
        }
      }
    } else {
      w = cw;
      h = ch;
    }
  }
  TRect result = Rect(0, 0, w, h);
  if (FCenter) OffsetRect(result, (cw - w) / 2, (ch - h) / 2);
  return result;
}

void TImage::Paint() {
  TCanvas* canvas = inherited::Canvas();
  if (Designing()) DrawDesignFrame(canvas, ClientRect());
  if (TGraphic* graphic = FPicture->Graphic(); graphic && !graphic->Empty())
    canvas->StretchDraw(DestRect(), graphic);
}

void TImage::Publish(TPublisher<TImage>& p) {
  PublishAlign(p);
  PublishAnchors(p);
  p.Property("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize).Default(false);
  p.Property("Center", &TImage::Center, &TImage::SetCenter).Default(false);
  PublishParentShowHint(p);
  p.Property("Picture", &TImage::Picture, &TImage::SetPicture);
  PublishPopupMenu(p);
  p.Property("Proportional", &TImage::Proportional, &TImage::SetProportional).Default(false);
  PublishShowHint(p);
  p.Property("Stretch", &TImage::Stretch, &TImage::SetStretch).Default(false);
  p.Property("Transparent", &TImage::Transparent, &TImage::SetTransparent).Default(false);
  PublishVisible(p);
  PublishOnClick(p);
  PublishOnDblClick(p);
  PublishOnMouseDown(p);
  PublishOnMouseMove(p);
  PublishOnMouseUp(p);
}
