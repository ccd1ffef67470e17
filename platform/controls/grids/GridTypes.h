#pragma once
// The small types of the grids: options, drawing states, cell coordinates
// and the grid events.

#include <cstdint>
#include <string>

#include "platform/controls/ControlTypes.h"
#include "platform/core/Exceptions.h"  // EInvalidGridOperation
#include "platform/core/Types.h"
#include "platform/rtti/Object.h"

enum TGridOption {
  goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
  goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect,
  goAlwaysShowEditor, goThumbTracking
};
MORVANE_ENUM_TYPEINFO(TGridOption, goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine,
                      goRangeSelect, goDrawFocusSelected, goRowSizing, goColSizing, goRowMoving,
                      goColMoving, goEditing, goTabs, goRowSelect, goAlwaysShowEditor,
                      goThumbTracking);
using TGridOptions = TSet<TGridOption>;
MORVANE_SET_TYPEINFO(TGridOptions, TGridOption);

enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
MORVANE_ENUM_TYPEINFO(TGridDrawStateItem, gdSelected, gdFocused, gdFixed);
using TGridDrawState = TSet<TGridDrawStateItem>;
MORVANE_SET_TYPEINFO(TGridDrawState, TGridDrawStateItem);

// What the mouse is doing to the grid.
enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing };

struct TGridCoord {
  int32_t X = 0;
  int32_t Y = 0;
  friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

struct TGridRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  bool Contains(int32_t col, int32_t row) const {
    return col >= Left && col <= Right && row >= Top && row <= Bottom;
  }
  friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

using TDrawCellEvent =
    TEvent<void(TObject* Sender, int32_t ACol, int32_t ARow, TRect Rect, TGridDrawState State)>;
MORVANE_EVENT_TYPEINFO(TDrawCellEvent,
                       "Sender: TObject; ACol, ARow: Longint; Rect: TRect; State: TGridDrawState");
using TSelectCellEvent = TEvent<void(TObject* Sender, int32_t ACol, int32_t ARow, bool& CanSelect)>;
MORVANE_EVENT_TYPEINFO(TSelectCellEvent,
                       "Sender: TObject; ACol, ARow: Longint; var CanSelect: Boolean");
using TGetEditEvent = TEvent<void(TObject* Sender, int32_t ACol, int32_t ARow, std::string& Value)>;
MORVANE_EVENT_TYPEINFO(TGetEditEvent, "Sender: TObject; ACol, ARow: Longint; var Value: string");
using TSetEditEvent =
    TEvent<void(TObject* Sender, int32_t ACol, int32_t ARow, const std::string& Value)>;
MORVANE_EVENT_TYPEINFO(TSetEditEvent, "Sender: TObject; ACol, ARow: Longint; const Value: string");

