#pragma once
// TGraphic: a picture of some kind (bitmap, icon, metafile) that knows its
// size, loads and saves its file format, and draws itself on a canvas.
// Streams carry a graphic as the binary property "Data" in the class's own
// layout (ReadData / WriteData).

#include <cstdint>
#include <string>

#include "platform/classes/Persistent.h"
#include "platform/core/Streams.h"
#include "platform/core/Types.h"

class TCanvas;

class TGraphic : public TPersistent {
  MORVANE_CLASS(TGraphic, TPersistent)

 public:
  virtual bool Empty() const = 0;
  virtual int32_t Width() const = 0;
  virtual void SetWidth(int32_t value) = 0;
  virtual int32_t Height() const = 0;
  virtual void SetHeight(int32_t value) = 0;
  virtual bool Transparent() const { return FTransparent; }
  virtual void SetTransparent(bool value);
  bool Modified() const { return FModified; }
  void SetModified(bool value);

  // Loads one graphic from the stream's position; bad data raises
  // EInvalidGraphic and leaves the graphic as it was.
  virtual void LoadFromStream(TStream& stream) = 0;
  virtual void SaveToStream(TStream& stream) = 0;
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName);

  TNotifyEvent OnChange;

 protected:
  friend class TCanvas;
  friend class TPicture;
  // Draws the graphic stretched into rect.
  virtual void Draw(TCanvas* canvas, const TRect& rect) = 0;
  virtual void Changed();
  void DefineProperties(TFiler* filer) override;
  // The layout of "Data"; by default the file format.
  virtual void ReadData(TStream& stream) { LoadFromStream(stream); }
  virtual void WriteData(TStream& stream) { SaveToStream(stream); }

 private:
  bool FTransparent = false;
  bool FModified = false;
};

// Graphic classes are class references to descendants of TGraphic.
using TGraphicClass = TClass;
