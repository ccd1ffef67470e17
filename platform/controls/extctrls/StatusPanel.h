#pragma once
// TStatusPanel and TStatusPanels: the panels of a status bar, left to right,
// each with its text, width, alignment and bevel. The collection repaints
// its status bar whenever a panel changes.

#include "platform/classes/Collection.h"
#include "platform/controls/stdctrls/StdCtrlsTypes.h"

class TStatusBar;

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
MORVANE_ENUM_TYPEINFO(TStatusPanelBevel, pbNone, pbLowered, pbRaised);

enum TStatusPanelStyle { psText, psOwnerDraw };
MORVANE_ENUM_TYPEINFO(TStatusPanelStyle, psText, psOwnerDraw);

class TStatusPanel : public TCollectionItem {
  MORVANE_CLASS(TStatusPanel, TCollectionItem)

 public:
  explicit TStatusPanel(TCollection* collection);
  void Assign(TPersistent* source) override;
  std::string DisplayName() const override;

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  TStatusPanelBevel Bevel() const { return FBevel; }
  void SetBevel(TStatusPanelBevel value);
  TStatusPanelStyle Style() const { return FStyle; }
  void SetStyle(TStatusPanelStyle value);
  const std::string& Text() const { return FText; }
  void SetText(const std::string& value);
  int32_t Width() const { return FWidth; }
  void SetWidth(int32_t value);

  static void Publish(TPublisher<TStatusPanel>& p);

 private:
  TAlignment FAlignment = taLeftJustify;
  TStatusPanelBevel FBevel = pbLowered;
  TStatusPanelStyle FStyle = psText;
  std::string FText;
  int32_t FWidth = 50;
};

class TStatusPanels : public TOwnedCollection {
  MORVANE_CLASS(TStatusPanels, TOwnedCollection)

 public:
  explicit TStatusPanels(TStatusBar* statusBar);
  TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
  TStatusPanel* Items(int32_t index) const {
    return static_cast<TStatusPanel*>(TCollection::Items(index));
  }

 protected:
  void Update(TCollectionItem* item) override;

 private:
  TStatusBar* FStatusBar;
};
