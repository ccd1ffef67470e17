#pragma once
// TIToolServices: the development environment's general services (projects,
// files, modules, notifiers) as design packages reach them through the
// global ToolServices. Every operation is abstract; an environment answers
// them. The numbers give each operation's position after the three of
// TInterface; implementations and documents refer to operations by them.

#include <cstdint>
#include <string>

#include "platform/core/Types.h"
#include "platform/design/ToolInterface.h"
#include "platform/windows/WinTypes.h"

class TIToolServices : public TInterface {
  MORVANE_CLASS(TIToolServices, TInterface)

 public:
  // Projects and files.
  virtual bool CloseProject() = 0;                                        // 1
  virtual bool OpenProject(const std::string& ProjectName) = 0;           // 2
  virtual bool OpenProjectInfo(const std::string& ProjectName) = 0;       // 3
  virtual bool SaveProject() = 0;                                         // 4
  virtual bool CloseFile(const std::string& FileName) = 0;                // 5
  virtual bool SaveFile(const std::string& FileName) = 0;                 // 6
  virtual bool OpenFile(const std::string& FileName) = 0;                 // 7
  virtual bool ReloadFile(const std::string& FileName) = 0;               // 8
  virtual int32_t ShowModalDialog(const std::string& TemplateName, int32_t InitParam) = 0;  // 9
  virtual bool CreateModule(const std::string& ModuleName, const std::string& Source,
                            const std::string& FormText, int32_t Flags) = 0;  // 10
  virtual TInterface* CreateModuleEx(const std::string& ModuleName, const std::string& FormName,
                                     const std::string& AncestorClass, int32_t Flags) = 0;  // 11
  virtual HWND GetParentHandle() = 0;                                     // 12
  virtual std::string GetProjectName() = 0;                               // 13
  virtual int32_t GetUnitCount() = 0;                                     // 14
  virtual std::string GetUnitName(int32_t Index) = 0;                     // 15
  virtual bool IsProjectOpen() = 0;                                       // 16
  virtual int32_t GetFormCount() = 0;                                     // 17
  virtual std::string GetFormName(int32_t Index) = 0;                     // 18
  virtual std::string GetCurrentFile() = 0;                               // 19
  virtual bool IsFileOpen(const std::string& FileName) = 0;               // 20
  virtual bool GetNewModuleName(std::string& UnitIdent, std::string& FileName) = 0;  // 21
  // Modules and their components.
  virtual int32_t GetModuleCount() = 0;                                   // 22
  virtual std::string GetModuleName(int32_t Index) = 0;                   // 23
  virtual int32_t GetComponentCount(int32_t ModuleIndex) = 0;             // 24
  virtual std::string GetComponentName(int32_t ModuleIndex, int32_t ComponentIndex) = 0;  // 25
  // Notifiers: objects told of the environment's events.
  virtual bool AddNotifier(TInterface* Notifier) = 0;                     // 26
  virtual bool RemoveNotifier(TInterface* Notifier) = 0;                  // 27
  virtual TInterface* GetModuleInterface(const std::string& FileName) = 0;     // 28
  virtual TInterface* GetFormModuleInterface(const std::string& FormName) = 0;  // 29
  virtual TInterface* GetMainMenu() = 0;                                  // 30
  virtual TInterface* GetFileStream(const std::string& FileName) = 0;     // 31
  virtual int32_t GetPackageCount() = 0;                                  // 32
  virtual int32_t GetPackageComponentCount(int32_t PackageIndex) = 0;     // 33
  virtual bool InstallPackage(const std::string& FileName) = 0;           // 34
  virtual void RaiseException(const std::string& Message) = 0;            // 35
  virtual void ShowStatusText(const std::string& Text) = 0;               // 36
  virtual void BeginProjectUpdate() = 0;                                  // 37
  virtual void EndProjectUpdate() = 0;                                    // 38
  // The environment itself.
  virtual std::string GetEnvironmentName() = 0;                           // 39
  virtual TRect GetFormBounds(const std::string& FormName) = 0;           // 40
  virtual bool AddNotifierEx(TInterface* Notifier) = 0;                   // 41
  virtual int32_t GetProjectGroupCount() = 0;                             // 42
  virtual int32_t GetActiveModuleIndex() = 0;                             // 43
  virtual int32_t GetCustomModuleCount() = 0;                             // 44
};

// The environment's tool services; nullptr until the environment starts.
extern TIToolServices* ToolServices;
