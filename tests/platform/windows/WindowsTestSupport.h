#pragma once
// Shared by the windowing tests: one QApplication for the test program, a
// window class whose procedure records what it receives, and real Qt input
// events delivered the way Qt delivers them.

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/windows/Windows.h"

// Every message the recording window class received, in order.
struct TReceived {
  HWND hwnd;
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<TReceived>& Received();
int CountReceived(UINT msg, HWND hwnd = nullptr);
// Recording windows answer with this when it is set, else DefWindowProc.
extern std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)> RecordingBehaviour;
extern const char* const RecordingClass;

// A shown top-level window of the recording class with one child.
struct TTestWindows {
  TTestWindows();
  ~TTestWindows();
  HWND Top = nullptr;
  HWND Child = nullptr;
};

void SendMouse(QWidget* widget, QEvent::Type type, QPoint local, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers mods = Qt::NoModifier);
void Click(QWidget* widget, QPoint local);
