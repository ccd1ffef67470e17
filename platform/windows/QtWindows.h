#pragma once
// The Qt side of window handles, device contexts, cursors and bitmaps, for the
// layers built on this one (graphics, controls). Programs and the library use
// the handle API only.

#include <QCursor>
#include <QImage>
#include <functional>

#include "platform/windows/WinTypes.h"

class QPainter;
class QWidget;

// Makes a window of an existing widget (a native control the controls layer
// created). proc 0 means DefWindowProc. With takeOwnership, DestroyWindow
// deletes the widget; otherwise its maker does, and the window goes away when
// the widget does (WM_DESTROY is sent then). A child widget's geometry is
// taken as in its parent's client coordinates.
HWND CreateWindowForWidget(QWidget* widget, const char* className, WNDPROC proc,
                           bool takeOwnership);
// The window's widget, or null for a handle that is not a window.
QWidget* WindowWidget(HWND hwnd);
// The window made of this widget, or 0.
HWND WidgetWindow(const QWidget* widget);

// Gives a window (a top-level one, as a rule) a menu bar (null: none): a
// child widget of the window's widget that the window keeps across its top
// at full width. The client area starts below the bar: client coordinates,
// mouse messages, child windows, painting, GetDC and WM_SIZE all count from
// there, while the window rectangle stays. A change of the bar's room moves
// the child windows along and is reported as a frame change
// (WM_WINDOWPOSCHANGED, WM_SIZE).
void SetWindowMenuBar(HWND hwnd, QWidget* bar);
QWidget* WindowMenuBar(HWND hwnd);

// The painter a device context draws with. Set pens, brushes and fonts on it
// freely; set raster modes with SetROP2 only, because an overlay DC combines
// what it draws by its raster mode when it is released. The painter stays the
// same object for the DC's whole life, but a paint DC's painter is briefly
// ended while a native widget paints itself (DefWindowProc of WM_PAINT).
QPainter* DCPainter(HDC dc);
// A DC drawing on an image (the graphics layer's bitmaps); DeleteDC frees it.
HDC CreateImageDC(QImage* image);
// The XOR layer of a top-level window as it stands (null image when none).
QImage WindowXorLayer(HWND topLevel);

HCURSOR CreateCursorHandle(const QCursor& cursor);
QCursor CursorHandleShape(HCURSOR cursor);

HBITMAP CreateBitmapHandle(const QImage& image);
QImage BitmapHandleImage(HBITMAP bitmap);

// Called with SB_HORZ or SB_VERT when a scroll bar's state changed.
void SetScrollBarObserver(HWND hwnd, std::function<void(int bar)> observer);
