// An outline drag (LiveDrag off) over a designed form of 1,000 controls,
// driven by real mouse-move events through the message pump, the thread
// hooks and the designer. Each step costs erasing and redrawing the outlines
// on the overlay; it must not repaint the form or any control, which the
// counters show (paints that reached the form's and the controls' window
// procedures, per step).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <memory>

#include "BenchDesigner.h"
#include "designer/ObjEdit.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/extctrls/ExtCtrlsUnit.h"
#include "platform/controls/extctrls/Panel.h"
#include "platform/controls/stdctrls/StdCtrlsUnit.h"
#include "platform/windows/QtWindows.h"

namespace {

constexpr int Columns = 40;
constexpr int Rows = 25;

QApplication& App() { return StartDesignerApplication("OutlineDragBench"); }

void SendMouse(QWidget* widget, QEvent::Type type, QPoint local, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(local), widget->mapToGlobal(QPointF(local)), button, buttons,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

// A shown form with Columns x Rows panels, each counting the paints that
// reach it, as does the form; a designer attached with outline dragging.
struct TDragSurface {
  TDragSurface() : Form(new TForm(nullptr)) {
    Form->SetName("Form1");
    Form->SetBounds(20, 20, Columns * 24 + 16, Rows * 16 + 16);
    Form->SetClientWidth(Columns * 24 + 16);
    Form->SetClientHeight(Rows * 16 + 16);
    for (int row = 0; row < Rows; ++row)
      for (int column = 0; column < Columns; ++column) {
        auto* panel = new TPanel(Form);
        panel->SetName("Panel" + std::to_string(row * Columns + column + 1));
        panel->SetBounds(8 + column * 24, 8 + row * 16, 22, 14);
        panel->SetParent(Form);
        CountPaints(panel, ControlPaints);
        Controls.push_back(panel);
      }
    Form->Show();
    QApplication::processEvents();
    Designer = CreateDesigner(Form, nullptr);
    Designer->LiveDrag = false;
    // Counted after the designer, so its own painting of the grid is seen too.
    CountPaints(Form, FormPaints);
    QApplication::processEvents();
    Widget = WindowWidget(Form->Handle());
  }
  ~TDragSurface() {
    Form->Free();
    QApplication::processEvents();
  }

  static void CountPaints(TControl* control, int64_t& counter) {
    TWndMethod passOn = control->WindowProc;
    control->WindowProc = [passOn, &counter](TMessage& message) {
      if (message.Msg == WM_PAINT) ++counter;
      passOn(message);
    };
  }

  // Presses on a control (its centre, in form coordinates), selecting it
  // and starting the move.
  void PressAt(QPoint p) {
    SendMouse(Widget, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton);
    SendMouse(Widget, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
  }
  void MoveTo(QPoint p) {
    SendMouse(Widget, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
    QApplication::processEvents();
  }
  void ReleaseAt(QPoint p) {
    SendMouse(Widget, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    QApplication::processEvents();
  }

  TForm* Form;
  std::vector<TControl*> Controls;
  TObjectEditor* Designer = nullptr;
  QWidget* Widget = nullptr;
  int64_t FormPaints = 0;
  int64_t ControlPaints = 0;
};

// Range(0): how many controls are selected and dragged (1 or all).
void BM_OutlineDragStep(benchmark::State& state) {
  App();
  TDragSurface surface;
  const auto dragged = static_cast<size_t>(state.range(0));
  for (size_t i = 1; i < dragged; ++i) surface.Designer->AddToSelection(surface.Controls[i], false);
  // The press selects the first control (keeping the others when they are
  // selected already) and starts the move.
  if (dragged > 1) surface.Designer->AddToSelection(surface.Controls[0], false);
  const QPoint start(8 + 11, 8 + 7);
  surface.PressAt(start);
  surface.MoveTo(start + QPoint(8, 8));
  QApplication::processEvents();
  surface.FormPaints = surface.ControlPaints = 0;

  bool there = false;
  for (auto _ : state) {
    // Two points a grid step apart: every step redraws the outlines.
    there = !there;
    surface.MoveTo(start + (there ? QPoint(40, 24) : QPoint(8, 8)));
  }
  state.counters["form_paints_per_step"] =
      benchmark::Counter(static_cast<double>(surface.FormPaints), benchmark::Counter::kAvgIterations);
  state.counters["control_paints_per_step"] = benchmark::Counter(
      static_cast<double>(surface.ControlPaints), benchmark::Counter::kAvgIterations);
  state.counters["selected"] = static_cast<double>(surface.Designer->Selection.size());
  surface.ReleaseAt(start + (there ? QPoint(40, 24) : QPoint(8, 8)));
}
BENCHMARK(BM_OutlineDragStep)->Arg(1)->Arg(Columns * Rows)->Unit(benchmark::kMicrosecond);

}  // namespace
