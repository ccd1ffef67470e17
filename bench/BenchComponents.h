#pragma once
// Components for the component benchmarks: a root whose children are the
// components it owns, parts with a handful of typical properties, and a class
// with sixty published properties.

#include <string>

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Component.h"

enum TBenchAlign { baNone, baTop, baBottom, baLeft, baRight, baClient };
MORVANE_ENUM_TYPEINFO(TBenchAlign, baNone, baTop, baBottom, baLeft, baRight, baClient);

class TBenchPart : public TComponent {
  MORVANE_CLASS(TBenchPart, TComponent)

 public:
  explicit TBenchPart(TComponent* owner) : TComponent(owner) {}
  int32_t Left = 0, Top = 0, Width = 0, Height = 0;
  TBenchAlign Align = baNone;
  bool Visible = true;
  std::string Caption;
  TNotifyEvent OnClick;

  static void Publish(TPublisher<TBenchPart>& p) {
    p.Property("Left", [](const TBenchPart& o) { return o.Left; }, [](TBenchPart& o, int32_t v) { o.Left = v; });
    p.Property("Top", [](const TBenchPart& o) { return o.Top; }, [](TBenchPart& o, int32_t v) { o.Top = v; });
    p.Property("Width", [](const TBenchPart& o) { return o.Width; }, [](TBenchPart& o, int32_t v) { o.Width = v; });
    p.Property("Height", [](const TBenchPart& o) { return o.Height; }, [](TBenchPart& o, int32_t v) { o.Height = v; });
    p.Property("Align", [](const TBenchPart& o) { return o.Align; }, [](TBenchPart& o, TBenchAlign v) { o.Align = v; }).Default(baNone);
    p.Property("Visible", [](const TBenchPart& o) { return o.Visible; }, [](TBenchPart& o, bool v) { o.Visible = v; }).Default(true);
    p.Property("Caption", [](const TBenchPart& o) { return o.Caption; }, [](TBenchPart& o, std::string v) { o.Caption = std::move(v); });
    p.Event("OnClick", &TBenchPart::OnClick);
  }
};

class TBenchRoot : public TComponent {
  MORVANE_CLASS(TBenchRoot, TComponent)

 public:
  explicit TBenchRoot(TComponent* owner = nullptr) : TComponent(owner) {}
  void PartClick(TObject*) {}
  void GetChildren(const TGetChildProc& proc, TComponent*) override {
    for (int32_t i = 0; i < ComponentCount(); ++i) proc(Components(i));
  }
  static void Publish(TPublisher<TBenchRoot>& p) { p.Method<&TBenchRoot::PartClick>("PartClick"); }
};

// Sixty integer properties, P0 .. P59, through one indexed accessor pair.
class TSixty : public TComponent {
  MORVANE_CLASS(TSixty, TComponent)

 public:
  explicit TSixty(TComponent* owner) : TComponent(owner) {}
  int32_t Value(int32_t i) const { return FValues[i]; }
  void SetValue(int32_t i, int32_t v) { FValues[i] = v; }
  static void Publish(TPublisher<TSixty>& p) {
    // TComponent publishes Name and Tag; 58 more make sixty.
    for (int32_t i = 0; i < 58; ++i) {
      std::string name = std::to_string(i);
      name.insert(0, 1, 'P');
      p.IndexedProperty(name.c_str(), i, &TSixty::Value, &TSixty::SetValue);
    }
  }

 private:
  int32_t FValues[58] = {};
};
