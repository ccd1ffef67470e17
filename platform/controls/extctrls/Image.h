#pragma once
// TImage: shows a picture (bitmap, icon or metafile), at its natural size,
// centred, stretched or scaled proportionally, drawn by its parent. Asking
// for Canvas gives the canvas of the picture's bitmap, making an empty
// bitmap of the image's size when the picture holds nothing.

#include "platform/controls/Controls.h"
#include "platform/graphics/Picture.h"

class TImage : public TGraphicControl {
  MORVANE_CLASS(TImage, TGraphicControl)

 public:
  explicit TImage(TComponent* owner);
  ~TImage() override;

  TPicture* Picture() const { return FPicture; }
  void SetPicture(TPicture* value) { FPicture->Assign(value); }
  // Drawing here changes the picture's bitmap; a picture holding another
  // kind of graphic raises EInvalidOperation.
  TCanvas* Canvas();

  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  bool Center() const { return FCenter; }
  void SetCenter(bool value);
  bool Proportional() const { return FProportional; }
  void SetProportional(bool value);
  bool Stretch() const { return FStretch; }
  void SetStretch(bool value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);

  // Where the picture goes in the client area.
  TRect DestRect() const;

  static void Publish(TPublisher<TImage>& p);

 protected:
  void Paint() override;

 private:
  void PictureChanged();
  void Changed();
  TPicture* FPicture;
  bool FAutoSize = false;
  bool FCenter = false;
  bool FProportional = false;
  bool FStretch = false;
  bool FTransparent = false;
};
