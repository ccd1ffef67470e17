#include "platform/graphics/Picture.h"

#include <QImage>
#include <memory>

#include "platform/classes/Filer.h"
#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/Metafile.h"
#include "platform/windows/Clipboard.h"
#include "platform/windows/QtWindows.h"

TPicture::~TPicture() { delete FGraphic; }

void TPicture::Adopt(TGraphic* graphic) {
  delete FGraphic;
  FGraphic = graphic;
  if (FGraphic) FGraphic->OnChange = [this](TObject* sender) { Changed(sender); };
  Changed(this);
}

void TPicture::Changed(TObject* sender) {
  if (OnChange) OnChange(sender);
}

void TPicture::Assign(TPersistent* source) {
  if (!source) {
    SetGraphic(nullptr);
  } else if (auto* picture = dynamic_cast<TPicture*>(source)) {
    SetGraphic(picture->FGraphic);
  } else if (auto* graphic = dynamic_cast<TGraphic*>(source)) {
    SetGraphic(graphic);
  } else {
    inherited::Assign(source);
  }
}

void TPicture::AssignTo(TPersistent* dest) {
  if (auto* graphic = dynamic_cast<TGraphic*>(dest); graphic && FGraphic) {
    graphic->Assign(FGraphic);
    return;
  }
  inherited::AssignTo(dest);
}

void TPicture::SetGraphic(TGraphic* value) {
  if (value == FGraphic) return;
  if (!value) {
    Adopt(nullptr);
    return;
  }
  std::unique_ptr<TGraphic> copy(ObjectAs<TGraphic>(value->ClassType()->Create()));
  copy->Assign(value);
  Adopt(copy.release());
}

void TPicture::SetBitmap(TBitmap* value) { SetGraphic(value); }
void TPicture::SetIcon(TIcon* value) { SetGraphic(value); }

template <class T>
T* TPicture::GraphicAs() {
  if (!FGraphic || FGraphic->ClassType() != T::StaticClass()) Adopt(new T);
  return static_cast<T*>(FGraphic);
}

TBitmap* TPicture::Bitmap() { return GraphicAs<TBitmap>(); }
TIcon* TPicture::Icon() { return GraphicAs<TIcon>(); }
TMetafile* TPicture::Metafile() { return GraphicAs<TMetafile>(); }

int32_t TPicture::Width() const { return FGraphic ? FGraphic->Width() : 0; }
int32_t TPicture::Height() const { return FGraphic ? FGraphic->Height() : 0; }

void TPicture::LoadFromFile(const std::string& fileName) {
  std::string extension = ExtractFileExt(fileName);
  const TFileFormat* format = FindFileFormat(extension.empty() ? "" : extension.substr(1));
  if (!format) throw EInvalidGraphic("Unknown picture file extension (" + extension + ")");
  std::unique_ptr<TGraphic> graphic(ObjectAs<TGraphic>(format->GraphicClass->Create()));
  graphic->LoadFromFile(fileName);
  Adopt(graphic.release());
}

void TPicture::SaveToFile(const std::string& fileName) {
  if (FGraphic) FGraphic->SaveToFile(fileName);
}

bool TPicture::SupportsClipboardFormat(UINT format) { return format == CF_BITMAP; }

void TPicture::LoadFromClipboardFormat(UINT format, HANDLE data) {
  if (!SupportsClipboardFormat(format))
    throw EInvalidGraphic("Unsupported clipboard format " + std::to_string(format));
  QImage image = BitmapHandleImage(static_cast<HBITMAP>(data));
  if (image.isNull()) throw EInvalidGraphic("The clipboard holds no bitmap");
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetImage(image);
  Adopt(bitmap.release());
}

void TPicture::SaveToClipboardFormat(UINT& format, HANDLE& data) {
  auto* bitmap = dynamic_cast<TBitmap*>(FGraphic);
  if (!bitmap || bitmap->Empty())
    throw EInvalidGraphic("Only bitmaps can go to the clipboard");
  format = CF_BITMAP;
  data = CreateBitmapHandle(bitmap->Image());
}

void TPicture::DefineProperties(TFiler* filer) {
  filer->DefineBinaryProperty(
      "Data", [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); },
      FGraphic && !FGraphic->Empty());
}

void TPicture::ReadData(TStream& stream) {
  uint8_t length = 0;
  stream.ReadBuffer(&length, 1);
  std::string className(length, '\0');
  stream.ReadBuffer(className.data(), length);
  if (className.empty()) {
    Adopt(nullptr);
    return;
  }
  TGraphicClass graphicClass = FindGraphicClass(className);
  if (!graphicClass) throw EInvalidGraphic("Unknown picture format " + className);
  std::unique_ptr<TGraphic> graphic(ObjectAs<TGraphic>(graphicClass->Create()));
  graphic->ReadData(stream);
  Adopt(graphic.release());
}

void TPicture::WriteData(TStream& stream) {
  std::string className = FGraphic ? FGraphic->ClassName() : std::string();
  uint8_t length = static_cast<uint8_t>(std::min<size_t>(className.size(), 255));
  stream.WriteBuffer(&length, 1);
  stream.WriteBuffer(className.data(), length);
  if (FGraphic) FGraphic->WriteData(stream);
}
