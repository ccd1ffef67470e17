#include "platform/controls/ControlCanvas.h"

#include "platform/controls/WinControl.h"
#include "platform/windows/Windows.h"

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::SetControl(TControl* value) {
  if (FControl == value) return;
  FreeHandle();
  FControl = value;
}

void TControlCanvas::FreeHandle() {
  if (!FDeviceContext) return;
  SetHandle(nullptr);
  ReleaseDC(FWindowHandle, FDeviceContext);
  FDeviceContext = nullptr;
  FWindowHandle = nullptr;
}

void TControlCanvas::CreateHandle() {
  if (!FControl) return;
  if (auto* window = dynamic_cast<TWinControl*>(FControl)) {
    FWindowHandle = window->Handle();
    FDeviceContext = GetDC(FWindowHandle);
  } else {
    if (!FControl->Parent()) return;
    FWindowHandle = FControl->Parent()->Handle();
    FDeviceContext = GetDC(FWindowHandle);
    OffsetViewportOrgEx(FDeviceContext, FControl->Left(), FControl->Top(), nullptr);
    IntersectClipRect(FDeviceContext, 0, 0, FControl->Width(), FControl->Height());
  }
  SetHandle(FDeviceContext);
}

void PaintOnControlCanvas(TControlCanvas* canvas, TFont* font, HDC dc,
                          const std::function<void()>& paint) {
  canvas->FreeHandle();
  canvas->Lock();
  canvas->SetHandle(dc);
  canvas->Font()->Assign(font);
  struct TRestore {
    TControlCanvas* Canvas;
    ~TRestore() {
      Canvas->SetHandle(nullptr);
      Canvas->Unlock();
    }
  } restore{canvas};
  paint();
}
