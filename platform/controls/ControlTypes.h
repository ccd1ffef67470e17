#pragma once
// The small types of the controls layer: alignment, control styles and
// states, mouse buttons, cursors, modal results and the event types that
// controls and forms fire.

#include <cstdint>
#include <string>

#include "platform/core/TSet.h"
#include "platform/rtti/Object.h"
#include "platform/windows/Keyboard.h"
#include "platform/windows/Messages.h"

using TCaption = std::string;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
MORVANE_ENUM_TYPEINFO(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient);

enum TAnchorKind { akLeft, akTop, akRight, akBottom };
MORVANE_ENUM_TYPEINFO(TAnchorKind, akLeft, akTop, akRight, akBottom);
using TAnchors = TSet<TAnchorKind>;
MORVANE_SET_TYPEINFO(TAnchors, TAnchorKind);

enum TControlStyleItem {
  csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed, csSetCaption,
  csOpaque, csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible, csReplicatable,
  csNoStdEvents, csDisplayDragImage, csReflector, csActionClient, csMenuEvents
};
using TControlStyle = TSet<TControlStyleItem>;

enum TControlStateItem {
  csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing, csCreating,
  csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking
};
using TControlState = TSet<TControlStateItem>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
MORVANE_ENUM_TYPEINFO(TMouseButton, mbLeft, mbRight, mbMiddle);

// Cursors: the standard ones are 0 and negative; programs add positive ones
// to the screen's table.
using TCursor = int16_t;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSize = -5;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

using TModalResult = int32_t;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;

using TTabOrder = int16_t;

// What a windowed control asks of the window it creates.
struct TCreateParams {
  std::string Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int32_t X = 0;
  int32_t Y = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  HWND WndParent = nullptr;
  std::string WindowClass;
};

using TMouseEvent = TEvent<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int32_t X,
                                int32_t Y)>;
MORVANE_EVENT_TYPEINFO(TMouseEvent,
                       "Sender: TObject; Button: TMouseButton; Shift: TShiftState; X: Integer; Y: Integer");
using TMouseMoveEvent = TEvent<void(TObject* Sender, TShiftState Shift, int32_t X, int32_t Y)>;
MORVANE_EVENT_TYPEINFO(TMouseMoveEvent, "Sender: TObject; Shift: TShiftState; X: Integer; Y: Integer");
using TKeyEvent = TEvent<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
MORVANE_EVENT_TYPEINFO(TKeyEvent, "Sender: TObject; var Key: Word; Shift: TShiftState");
using TKeyPressEvent = TEvent<void(TObject* Sender, char& Key)>;
MORVANE_EVENT_TYPEINFO(TKeyPressEvent, "Sender: TObject; var Key: Char");

// The mouse button a button message is about.
TMouseButton MessageMouseButton(UINT msg);
