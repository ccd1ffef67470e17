#pragma once
// TRecordingInspector: an inspector that implements the contract by
// recording every call, so a test can check what the designer reported and
// in which order.

#include <string>
#include <vector>

#include "designer/ObjIntf.h"

class TRecordingInspector : public TObjInspector {
  MORVANE_CLASS(TRecordingInspector, TObjInspector)

 public:
  explicit TRecordingInspector(TComponent* AOwner = nullptr);
  ~TRecordingInspector() override;

  // One line per contract call: "InspectObject Button1", "SetSelections
  // Button1,Panel1", "ClearSelection", "SetRoot Form1", "SetEditor <set>" ...
  std::vector<std::string> Calls;
  // The calls of one kind (the first word), in order.
  std::vector<std::string> CallsOf(const std::string& kind) const;
  void ClearCalls() { Calls.clear(); }

  TComponent* Root = nullptr;
  TObjEditor* Editor = nullptr;
  // What is inspected now; owned.
  TComponentList* Selection = nullptr;
  // Components named in Notification calls: "Insert Button1", "Remove Button1".
  std::vector<std::string> Notifications;
  int32_t UpdateDepth = 0;

  TComponent* GetRoot() override { return Root; }
  void SetRoot(TComponent* ARoot) override;
  TComponentList* GetSelection() override { return Selection; }
  TObjEditor* GetEditor() override { return Editor; }
  void SetEditor(TObjEditor* AEditor) override;
  void RefreshValues() override;
  void InspectObject(TPersistent* Instance) override;
  void SetSelections(TComponentList* List) override;
  void ClearSelection() override;
  void BeginUpdate() override;
  void EndUpdate() override;
  void GetSelections(TComponentList* List) override;
  void ComponentRenamed(TComponent* Component, const std::string& CurName,
                        const std::string& NewName) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void Replace(TComponentList* List);
};

// "Name1,Name2" of a component list (a persistent that is no component
// shows its class name).
std::string NamesOf(const TComponentList* List);
