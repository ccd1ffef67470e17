#pragma once
// TIForm: one form of the environment as design packages see it, handed out
// by the component library (TILibrary operation 8). Every operation is
// abstract; the numbers give each operation's position after the three of
// TInterface.

#include <cstdint>
#include <string>

#include "platform/classes/Component.h"
#include "platform/design/ToolInterface.h"
#include "platform/windows/WinTypes.h"

class TFormDesigner;

class TIForm : public TInterface {
  MORVANE_CLASS(TIForm, TInterface)

 public:
  virtual HWND GetFormWindow() = 0;                                        // 1
  virtual std::string GetFileName() = 0;                                   // 2
  virtual bool IsModified() = 0;                                           // 3
  virtual int32_t GetComponentCount() = 0;                                 // 4
  virtual TComponent* GetComponentAt(int32_t Index) = 0;                   // 5
  virtual void Show() = 0;                                                 // 6
  virtual void Hide() = 0;                                                 // 7
  virtual TFormDesigner* GetFormDesigner() = 0;                            // 8
  virtual void Focus() = 0;                                                // 9
  virtual void ClearSelection() = 0;                                       // 10
  virtual std::string GetFormName() = 0;                                   // 11
  virtual std::string GetFormClassName() = 0;                              // 12
  virtual TComponent* FindComponent(const std::string& Name) = 0;          // 13
  virtual void DeleteComponent(const std::string& Name) = 0;               // 14
  virtual std::string GetAncestorName() = 0;                               // 15
  virtual void Save() = 0;                                                 // 16
  virtual int32_t GetSelectedCount() = 0;                                  // 17
  virtual TComponent* GetSelectedComponent(int32_t Index) = 0;             // 18
  virtual TComponent* CreateComponent(TComponentClass ComponentClass, TComponent* Parent,
                                      int32_t Left, int32_t Top, int32_t Width,
                                      int32_t Height) = 0;                 // 19
  virtual std::string GetUnitName() = 0;                                   // 20
  virtual std::string GetComponentNameAt(int32_t Index) = 0;               // 21
  virtual int32_t GetPixelsPerInch() = 0;                                  // 22
  virtual std::string GetCaption() = 0;                                    // 23
  virtual bool IsInherited() = 0;                                          // 24
  virtual void BeginUpdate() = 0;                                          // 25
  virtual uint8_t GetBorderStyle() = 0;                                    // 26
  virtual int32_t GetClientWidth() = 0;                                    // 27
  virtual bool IsActive() = 0;                                             // 28
  virtual int32_t GetClientHeight() = 0;                                   // 29
  virtual std::string GetComponentClassName(int32_t Index) = 0;            // 30
  virtual void EndUpdate() = 0;                                            // 31
  virtual void SetCaption(const std::string& Caption) = 0;                 // 32
  virtual void SetBounds(int32_t Left, int32_t Top, int32_t Width, int32_t Height) = 0;  // 33
  virtual void SelectComponent(TComponent* Component) = 0;                 // 34
  virtual void AddToSelection(TComponent* Component) = 0;                  // 35
  virtual void DeselectComponent(TComponent* Component) = 0;               // 36
  virtual void SelectAll() = 0;                                            // 37
  virtual void AlignToGrid() = 0;                                          // 38
  virtual void BringToFront() = 0;                                         // 39
  virtual void SendToBack() = 0;                                           // 40
  virtual void Close() = 0;                                                // 41
  virtual void Revert() = 0;                                               // 42
  virtual void Refresh() = 0;                                              // 43
  virtual void Notify(TComponent* Component, TOperation Operation) = 0;    // 44
};
