#include <QFontMetrics>
#include <QPainter>
#include <cstring>

#include "platform/graphics/DrawFunctions.h"
#include "platform/windows/Painting.h"
#include "platform/windows/QtWindows.h"

namespace {
int QtAlignment(UINT format) {
  int flags = 0;
  if (format & DT_CENTER) flags |= Qt::AlignHCenter;
  else if (format & DT_RIGHT) flags |= Qt::AlignRight;
  else flags |= Qt::AlignLeft;
  // Vertical placement means something for a single line only.
  if ((format & DT_SINGLELINE) && (format & DT_VCENTER)) flags |= Qt::AlignVCenter;
  else if ((format & DT_SINGLELINE) && (format & DT_BOTTOM)) flags |= Qt::AlignBottom;
  else flags |= Qt::AlignTop;
  if (format & DT_SINGLELINE) flags |= Qt::TextSingleLine;
  else if (format & DT_WORDBREAK) flags |= Qt::TextWordWrap;
  if (format & DT_EXPANDTABS) flags |= Qt::TextExpandTabs;
  flags |= (format & DT_NOPREFIX) ? 0 : Qt::TextShowMnemonic;
  return flags;
}
}  // namespace

int DrawText(HDC dc, const char* text, int count, RECT* rect, UINT format) {
  QPainter* painter = DCPainter(dc);
  if (!painter || !text || !rect) return 0;
  size_t length = count < 0 ? std::strlen(text) : static_cast<size_t>(count);
  QString s = QString::fromUtf8(text, static_cast<qsizetype>(length));
  QFontMetrics metrics(painter->font());
  QRect area(rect->Left, rect->Top, rect->Width(), rect->Height());
  int flags = QtAlignment(format);

  if (format & DT_CALCRECT) {
    QRect needed = (format & DT_SINGLELINE)
                       ? QRect(0, 0, metrics.horizontalAdvance(s), metrics.height())
                       : metrics.boundingRect(QRect(0, 0, std::max(1, area.width()), 1 << 20),
                                              flags & ~Qt::AlignVertical_Mask, s);
    if (!(format & DT_SINGLELINE) && !(format & DT_WORDBREAK))
      needed.setWidth(metrics.boundingRect(QRect(), flags, s).width());
    rect->Right = rect->Left + needed.width();
    rect->Bottom = rect->Top + needed.height();
    return needed.height();
  }

  if ((format & DT_END_ELLIPSIS) || (format & DT_PATH_ELLIPSIS)) {
    Qt::TextElideMode mode = (format & DT_PATH_ELLIPSIS) ? Qt::ElideMiddle : Qt::ElideRight;
    s = metrics.elidedText(s, mode, area.width(), flags & Qt::TextShowMnemonic);
  }

  int old = SetROP2(dc, R2_COPYPEN);
  painter->save();
  if (!(format & DT_NOCLIP)) painter->setClipRect(area, Qt::IntersectClip);
  QRect drawn;
  painter->drawText(area, flags, s, &drawn);
  painter->restore();
  SetROP2(dc, old);
  return drawn.height();
}
