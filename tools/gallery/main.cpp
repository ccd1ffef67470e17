// The gallery: one form showing the kinds of control the platform offers,
// built the way programs build theirs (a form resource in text), with a few
// controls painted here since the standard controls come later.

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <cstring>
#include <iostream>

#include "platform/classes/ClassRegistry.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/DrawFunctions.h"
#include "platform/windows/QtWindows.h"
#include "platform/windows/Windows.h"

namespace {

// A raised panel with a centred caption, like the platform's panels.
class TGalleryPanel : public TCustomControl {
  MORVANE_CLASS(TGalleryPanel, TCustomControl)

 public:
  explicit TGalleryPanel(TComponent* owner) : TCustomControl(owner) {
    FControlStyle.Include(csAcceptsControls);
    SetBounds(0, 0, 185, 41);
  }
  static void Publish(TPublisher<TGalleryPanel>& p) {
    PublishAlign(p);
    PublishCaption(p);
    PublishColor(p);
    PublishFont(p);
    PublishParentColor(p);
    PublishParentFont(p);
    PublishTabOrder(p);
    PublishOnClick(p);
  }

 protected:
  void Paint() override {
    TRect r = ClientRect();
    Frame3D(Canvas(), r, clBtnHighlight, clBtnShadow, 1);
    Canvas()->Brush()->SetStyle(bsClear);
    RECT text = ClientRect();
    std::string caption = Caption();
    DrawText(Canvas()->Handle(), caption.c_str(), static_cast<int>(caption.size()), &text,
             DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
};

// A graphic control: a caption drawn on its parent, as labels are.
class TGalleryLabel : public TGraphicControl {
  MORVANE_CLASS(TGalleryLabel, TGraphicControl)

 public:
  explicit TGalleryLabel(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 65, 13); }
  static void Publish(TPublisher<TGalleryLabel>& p) {
    PublishCaption(p);
    PublishFont(p);
    PublishParentFont(p);
  }

 protected:
  void Paint() override {
    Canvas()->Brush()->SetStyle(bsClear);
    Canvas()->TextOut(0, 0, Caption());
  }
};

// A graphic control painted with shapes: a swatch of its colour.
class TGallerySwatch : public TGraphicControl {
  MORVANE_CLASS(TGallerySwatch, TGraphicControl)

 public:
  explicit TGallerySwatch(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 24, 24); }
  static void Publish(TPublisher<TGallerySwatch>& p) {
    PublishColor(p);
    PublishParentColor(p);
  }

 protected:
  void Paint() override {
    Canvas()->Pen()->SetColor(clBtnShadow);
    Canvas()->Brush()->SetColor(Color());
    Canvas()->Rectangle(0, 0, Width(), Height());
  }
};

// A custom painted control: a sunken well with a gradient of bars.
class TGalleryMeter : public TCustomControl {
  MORVANE_CLASS(TGalleryMeter, TCustomControl)

 public:
  explicit TGalleryMeter(TComponent* owner) : TCustomControl(owner) { SetBounds(0, 0, 150, 22); }
  static void Publish(TPublisher<TGalleryMeter>& p) { PublishColor(p); }

 protected:
  void Paint() override {
    RECT r = ClientRect();
    DrawEdge(Canvas()->Handle(), &r, EDGE_SUNKEN, BF_RECT);
    r = ClientRect();
    Canvas()->Brush()->SetColor(clHighlight);
    int bars = (r.Width() - 8) / 10 * 2 / 3;
    for (int i = 0; i < bars; ++i) Canvas()->FillRect(Bounds(4 + i * 10, 4, 8, r.Height() - 8));
  }
};

class TGalleryForm : public TForm {
  MORVANE_CLASS(TGalleryForm, TForm)

 public:
  using TForm::TForm;
  void ToolBarClick(TObject*) { ShowMessage("The tool bar was pressed."); }
  static void Publish(TPublisher<TGalleryForm>& p) {
    p.Method<&TGalleryForm::ToolBarClick>("ToolBarClick");
  }
};

const char* const GalleryFormText = R"(object GalleryForm: TGalleryForm
  Left = 200
  Top = 120
  Width = 480
  Height = 320
  Caption = 'Morvane control gallery'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object ToolBar: TGalleryPanel
    Left = 0
    Top = 0
    Width = 472
    Height = 33
    Align = alTop
    Caption = 'Aligned to the top: a panel painted by its own control'
    TabOrder = 0
    OnClick = ToolBarClick
  end
  object StatusBar: TGalleryPanel
    Left = 0
    Top = 267
    Width = 472
    Height = 26
    Align = alBottom
    Caption = 'Aligned to the bottom'
    TabOrder = 2
  end
  object SideBar: TGalleryPanel
    Left = 0
    Top = 33
    Width = 120
    Height = 234
    Align = alLeft
    Caption = ''
    TabOrder = 1
    object SideLabel: TGalleryLabel
      Left = 12
      Top = 12
      Width = 96
      Height = 13
      Caption = 'Colours:'
    end
    object Swatch1: TGallerySwatch
      Left = 12
      Top = 32
      Color = clRed
    end
    object Swatch2: TGallerySwatch
      Left = 42
      Top = 32
      Color = clGreen
    end
    object Swatch3: TGallerySwatch
      Left = 72
      Top = 32
      Color = clNavy
    end
  end
  object Client: TGalleryPanel
    Left = 120
    Top = 33
    Width = 352
    Height = 234
    Align = alClient
    Caption = ''
    Color = clWindow
    TabOrder = 3
    object Heading: TGalleryLabel
      Left = 16
      Top = 14
      Width = 300
      Height = 16
      Caption = 'Nested windowed and graphic controls'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clNavy
      Font.Height = -13
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object MeterLabel: TGalleryLabel
      Left = 16
      Top = 44
      Width = 220
      Height = 13
      Caption = 'A custom painted meter:'
    end
    object Meter: TGalleryMeter
      Left = 16
      Top = 62
      Width = 220
      Height = 22
    end
    object Inner: TGalleryPanel
      Left = 16
      Top = 100
      Width = 220
      Height = 100
      Caption = ''
      Color = clBtnFace
      TabOrder = 1
      object InnerLabel: TGalleryLabel
        Left = 10
        Top = 10
        Width = 200
        Height = 13
        Caption = 'A panel inside a panel, holding:'
      end
      object InnerPanel: TGalleryPanel
        Left = 10
        Top = 34
        Width = 200
        Height = 52
        Caption = 'a third level'
        TabOrder = 0
      end
    end
  end
end
)";

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InitializeControls();
  const char* screenshot = nullptr;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--screenshot") == 0) screenshot = argv[i + 1];
  RegisterClasses({TGalleryPanel::StaticClass(), TGalleryLabel::StaticClass(),
                   TGallerySwatch::StaticClass(), TGalleryMeter::StaticClass(),
                   TGalleryForm::StaticClass()});
  RegisterFormResource("TGalleryForm", GalleryFormText);
  int result = 0;
  try {
    TGalleryForm* form = nullptr;
    Application->SetTitle("Gallery");
    Application->CreateForm(form);
    if (screenshot) {
      form->Show();
      Application->ProcessMessages();
      QImage image = WindowWidget(form->Handle())->grab().toImage();
      if (!image.save(screenshot)) {
        std::cerr << "Cannot write " << screenshot << "\n";
        result = 1;
      }
    } else {
      Application->Run();
    }
  } catch (const Exception& e) {
    std::cerr << e.ClassName() << ": " << e.Message() << "\n";
    result = 1;
  }
  FinalizeControls();
  return result;
}
