#include "platform/windows/Metrics.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

namespace {

int StyleMetric(QStyle::PixelMetric metric, int fallback) {
  QStyle* style = QApplication::style();
  return style ? style->pixelMetric(metric) : fallback;
}

QRect ScreenGeometry(bool available) {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return QRect(0, 0, 1024, 768);
  return available ? screen->availableGeometry() : screen->geometry();
}

}  // namespace

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXSCREEN: return ScreenGeometry(false).width();
    case SM_CYSCREEN: return ScreenGeometry(false).height();
    case SM_CXFULLSCREEN: return ScreenGeometry(true).width();
    case SM_CYFULLSCREEN: return ScreenGeometry(true).height();
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL: return StyleMetric(QStyle::PM_ScrollBarExtent, 16);
    case SM_CYVTHUMB:
    case SM_CXHTHUMB: return StyleMetric(QStyle::PM_ScrollBarSliderMin, 16);
    case SM_CYCAPTION: return StyleMetric(QStyle::PM_TitleBarHeight, 19) + 1;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 3;
    case SM_CXFRAME:
    case SM_CYFRAME: return 4;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR: return 32;
    case SM_CXSMICON:
    case SM_CYSMICON: return StyleMetric(QStyle::PM_SmallIconSize, 16);
    case SM_CYMENU: return StyleMetric(QStyle::PM_TitleBarHeight, 19);
    case SM_CXMIN: return 112;
    case SM_CYMIN: return 27;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK: return 4;
    case SM_CXDRAG:
    case SM_CYDRAG: return QApplication::startDragDistance();
    case SM_SWAPBUTTON: return 0;
    case SM_CMOUSEBUTTONS: return 3;
    default: return 0;
  }
}
