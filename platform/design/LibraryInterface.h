#pragma once
// TILibrary: the environment's component library (palette, registered
// classes, design windows, the selection) as design packages reach it through
// the global CompLib. Every operation is abstract; the numbers give each
// operation's position after the three of TInterface.

#include <cstdint>
#include <string>

#include "platform/classes/Component.h"
#include "platform/design/ToolInterface.h"

class TComponentList;
class TFormDesigner;
class TForm;
class TIForm;

class TILibrary : public TInterface {
  MORVANE_CLASS(TILibrary, TInterface)

 public:
  virtual void BeginUpdate() = 0;                                          // 1
  virtual int32_t GetComponentCount() = 0;                                 // 2
  virtual TComponentClass GetComponentClass(int32_t Index) = 0;            // 3
  virtual void EndUpdate() = 0;                                            // 4
  virtual bool IsDesigning() = 0;                                          // 5
  virtual int32_t GetPageCount() = 0;                                      // 6
  virtual int32_t FindPage(const std::string& PageName) = 0;               // 7
  // A new form service object; the caller holds its one reference.
  virtual TIForm* CreateFormInterface() = 0;                               // 8
  virtual void SelectPage(int32_t Index) = 0;                              // 9
  virtual int32_t GetActivePage() = 0;                                     // 10
  virtual TComponentClass FindComponentClass(const std::string& ClassName) = 0;  // 11
  virtual void RefreshPalette() = 0;                                       // 12
  virtual void* GetComponentModule(const std::string& ClassName) = 0;      // 13
  virtual uint16_t GetPaletteVersion() = 0;                                // 14
  virtual std::string GetPageName(int32_t Index) = 0;                      // 15
  virtual void SetPageName(int32_t Index, const std::string& Name) = 0;    // 16
  virtual int32_t GetComponentIndex(const std::string& ClassName) = 0;     // 17
  virtual std::string GetComponentPage(const std::string& ClassName) = 0;  // 18
  virtual bool IsClassRegistered(const std::string& ClassName) = 0;        // 19
  virtual void HideComponent(const std::string& ClassName) = 0;            // 20
  virtual std::string GetLibraryName() = 0;                                // 21
  virtual std::string GetLibraryPath() = 0;                                // 22
  virtual void AddPage(const std::string& PageName) = 0;                   // 23
  virtual void DeletePage(const std::string& PageName) = 0;                // 24
  virtual void* GetGlyph(const std::string& ClassName) = 0;                // 25
  virtual int32_t GetDesignerCount() = 0;                                  // 26
  virtual void NotifyComponentChange(TComponent* Component) = 0;           // 27
  virtual void BeginDesign() = 0;                                          // 28
  virtual void EndDesign() = 0;                                            // 29
  // Design windows of packages: registered ones hear of selection changes
  // and modifications.
  virtual void RegisterWindow(TForm* Window) = 0;                          // 30
  virtual void AddModuleNotifier(TInterface* Notifier) = 0;                // 31
  virtual void RemoveModuleNotifier(TInterface* Notifier) = 0;             // 32
  virtual void ShowHelp(const std::string& Keyword) = 0;                   // 33
  virtual void ShowComponentPalette(bool Visible) = 0;                     // 34
  // Appends the current selection to List.
  virtual void GetSelections(TComponentList* List) = 0;                    // 35
  // Selects List in the designer; Reserved is not used.
  virtual void SetSelections(TFormDesigner* Designer, TComponent* Reserved,
                             TComponentList* List) = 0;                    // 36
  virtual void UnregisterWindow(TForm* Window) = 0;                        // 37
  virtual void CancelModes() = 0;                                          // 38
};

// The environment's component library; nullptr until the environment starts.
extern TILibrary* CompLib;
