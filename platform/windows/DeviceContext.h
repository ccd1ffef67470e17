#pragma once
// Internal: what a device context handle stands for.

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <optional>
#include <vector>

#include "platform/windows/Painting.h"

struct TDCRecord {
  enum TKind { dcPaint, dcLayer, dcImage, dcNowhere };
  TKind Kind = dcNowhere;
  HWND Window = nullptr;
  // dcLayer: what this DC drew since it last combined it into the layer.
  // Declared before the painter, which must end before its image goes.
  QImage Drawn;
  // The same painter object for the DC's whole life (DCPainter answers it).
  QPainter Painter;
  // Clipping in device coordinates: the DC's own area and what the user set.
  QRegion BaseClip;
  std::optional<QRegion> UserClip;
  QPoint Origin;
  // Where the DC's (0,0) lies on its surface before Origin: the client
  // origin below a menu bar for a window's client DC.
  QPoint ClientOffset;
  int Rop = R2_COPYPEN;
  QPoint CurrentPos;
  int BeginPaintCount = 0;
  struct TSaved {
    QPoint Origin;
    std::optional<QRegion> UserClip;
    int Rop;
  };
  std::vector<TSaved> Saved;
};

TDCRecord* FindDC(HDC dc);
// Origin and ClientOffset together: where logical (0,0) lies on the surface.
inline QPoint DeviceOrigin(const TDCRecord& dc) { return dc.Origin + dc.ClientOffset; }
// Makes the painter's transform and clipping follow Origin and the clips.
void ApplyDCState(TDCRecord& dc);
