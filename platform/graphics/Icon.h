#pragma once
// TIcon: an .ico file of one or more images. The icon keeps the file as it
// was loaded, so that it saves and streams unchanged, and shows one image:
// the one of the system's icon size (32 x 32) when there is one, else the
// largest, of the most colours. "Data" in streams is the .ico file itself.

#include <QImage>
#include <memory>
#include <vector>

#include "platform/graphics/Graphic.h"

class TIcon : public TGraphic {
  MORVANE_CLASS(TIcon, TGraphic)

 public:
  TIcon();
  ~TIcon() override;
  void Assign(TPersistent* source) override;

  bool Empty() const override;
  int32_t Width() const override;
  // An icon's size comes from its image; setting it raises
  // EInvalidGraphicOperation, as on the platform.
  void SetWidth(int32_t value) override;
  int32_t Height() const override;
  void SetHeight(int32_t value) override;

  // The image shown, with alpha.
  const QImage& Image() const { return *FImage; }
  // Makes the icon of one image (saved as a 32-bit icon).
  void SetImage(const QImage& image);

  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;

 protected:
  void Draw(TCanvas* canvas, const TRect& rect) override;

 private:
  std::vector<uint8_t> FData;
  std::unique_ptr<QImage> FImage;
};
