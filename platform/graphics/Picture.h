#pragma once
// TPicture: holds one graphic of any registered class, creating it on
// demand (Bitmap, Icon, Metafile), loading files by their extension and
// streaming as the binary property "Data": the graphic's class name as a
// short string, then the graphic's own data.
//
// The registry of graphic file formats (extension, description, class) is
// behind GraphicFilter, GraphicExtension and GraphicFileMask; bmp, ico, emf
// and wmf are registered from the start.

#include <string>

#include "platform/classes/Persistent.h"
#include "platform/graphics/Graphic.h"
#include "platform/windows/WinTypes.h"

class TBitmap;
class TIcon;
class TMetafile;

class TPicture : public TPersistent {
  MORVANE_CLASS(TPicture, TPersistent)

 public:
  TPicture() = default;
  ~TPicture() override;
  // From a picture or a graphic (copied), or nullptr (cleared).
  void Assign(TPersistent* source) override;

  TGraphic* Graphic() const { return FGraphic; }
  // Takes a copy of value, of value's class; nullptr clears.
  void SetGraphic(TGraphic* value);
  // The graphic as a bitmap (icon, metafile), replacing a graphic of another
  // class with a new empty one.
  TBitmap* Bitmap();
  void SetBitmap(TBitmap* value);
  TIcon* Icon();
  void SetIcon(TIcon* value);
  TMetafile* Metafile();
  int32_t Width() const;
  int32_t Height() const;

  // By the file's extension; an unknown one raises EInvalidGraphic
  // "Unknown picture file extension (.xyz)". A file that fails to load
  // leaves the picture as it was.
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName);

  // The clipboard's picture formats: CF_BITMAP.
  static bool SupportsClipboardFormat(UINT format);
  void LoadFromClipboardFormat(UINT format, HANDLE data);
  // Answers the format and a new handle for the graphic (a bitmap).
  void SaveToClipboardFormat(UINT& format, HANDLE& data);

  // Registers a file format; extension without the dot ("png").
  static void RegisterFileFormat(const std::string& extension, const std::string& description,
                                 TGraphicClass graphicClass);
  static void UnregisterGraphicClass(TGraphicClass graphicClass);

  TNotifyEvent OnChange;

 protected:
  void DefineProperties(TFiler* filer) override;
  void AssignTo(TPersistent* dest) override;
  virtual void Changed(TObject* sender);

 private:
  template <class T>
  T* GraphicAs();
  // Makes graphic the picture's graphic, freeing the one before.
  void Adopt(TGraphic* graphic);
  void ReadData(TStream& stream);
  void WriteData(TStream& stream);

  TGraphic* FGraphic = nullptr;
};

// "All (*.bmp;*.ico;*.emf;*.wmf)|*.bmp;*.ico;*.emf;*.wmf|Bitmaps (*.bmp)|*.bmp|..."
// over the formats whose class is graphicClass or inherits from it.
std::string GraphicFilter(TGraphicClass graphicClass);
// The default extension of exactly that class ("bmp"), "" when none.
std::string GraphicExtension(TGraphicClass graphicClass);
// "*.bmp;*.ico;*.emf;*.wmf" over the formats of graphicClass and its descendants.
std::string GraphicFileMask(TGraphicClass graphicClass);
