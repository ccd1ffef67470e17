#pragma once
// TIStudioIDE: the environment's main window and tool windows as design
// packages reach them through the global StudioIDE. Every operation is
// abstract; the numbers give each operation's position after the three of
// TInterface.

#include <cstdint>
#include <string>

#include "platform/core/Types.h"
#include "platform/design/ToolInterface.h"
#include "platform/windows/WinTypes.h"

class TFormDesigner;
class TIToolServices;

class TIStudioIDE : public TInterface {
  MORVANE_CLASS(TIStudioIDE, TInterface)

 public:
  virtual void ShowInspector() = 0;                          // 1
  virtual void HideInspector() = 0;                          // 2
  virtual void ShowPalette() = 0;                            // 3
  virtual void HidePalette() = 0;                            // 4
  virtual HWND GetApplicationHandle() = 0;                   // 5
  virtual std::string GetExeName() = 0;                      // 6
  virtual std::string GetIDEName() = 0;                      // 7
  virtual HWND GetMainWindow() = 0;                          // 8
  virtual bool IsRunning() = 0;                              // 9
  virtual int32_t GetEditorCount() = 0;                      // 10
  virtual bool IsInspectorVisible() = 0;                     // 11
  virtual void BringToFront() = 0;                           // 12
  virtual TRect GetMainWindowBounds() = 0;                   // 13
  virtual TFormDesigner* GetActiveDesigner() = 0;            // 14
  virtual void SetStatusText(const std::string& Text) = 0;   // 15
  virtual void ClearStatusText() = 0;                        // 16
  virtual void BeginWait() = 0;                              // 17
  virtual void EndWait() = 0;                                // 18
  virtual void RefreshInspector() = 0;                       // 19
  virtual void RefreshPalette() = 0;                         // 20
  virtual void ShowMessageView() = 0;                        // 21
  virtual void HideMessageView() = 0;                        // 22
  virtual void AddMessage(const std::string& Text) = 0;      // 23
  virtual void ClearMessages() = 0;                          // 24
  virtual TIToolServices* GetToolServices() = 0;             // 25
  virtual void ProcessMessages() = 0;                        // 26
  virtual int32_t GetMessageCount() = 0;                     // 27
  virtual std::string GetMessage(int32_t Index) = 0;         // 28
  virtual bool IsDebugging() = 0;                            // 29
  virtual int32_t GetVersionNumber() = 0;                    // 30
};

// The environment's main window services; nullptr until the environment starts.
extern TIStudioIDE* StudioIDE;
