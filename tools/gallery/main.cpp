// The gallery: one form showing every kind of control the platform offers,
// built the way programs build theirs (a form resource in text). The tool
// bar is a control painted here, to show how a program writes its own.
//   gallery [--page N] [--screenshot FILE.png]

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "platform/classes/ClassRegistry.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/dialogs/DialogsUnit.h"
#include "platform/controls/extctrls/ExtCtrlsUnit.h"
#include "platform/controls/grids/GridsUnit.h"
#include "platform/controls/menus/MenusUnit.h"
#include "platform/controls/stdctrls/StdCtrlsUnit.h"
#include "platform/controls/tabs/PageControl.h"
#include "platform/controls/tabs/TabsUnit.h"
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
  Width = 640
  Height = 460
  Caption = 'Morvane control gallery'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Menu = MainMenu
  OldCreateOrder = False
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object ToolBar: TGalleryPanel
    Left = 0
    Top = 0
    Width = 632
    Height = 33
    Align = alTop
    Caption = 'Aligned to the top: a panel painted by its own control'
    TabOrder = 0
    OnClick = ToolBarClick
  end
  object StatusBar: TStatusBar
    Left = 0
    Top = 387
    Width = 632
    Height = 19
    Panels = <
      item
        Text = 'Status panel one'
        Width = 200
      end
      item
        Text = 'Status panel two'
        Width = 200
      end>
    SimplePanel = False
  end
  object Pages: TPageControl
    Left = 0
    Top = 33
    Width = 632
    Height = 354
    ActivePage = StandardPage
    Align = alClient
    TabOrder = 1
    object StandardPage: TTabSheet
      Caption = 'Standard'
      object Label1: TLabel
        Left = 12
        Top = 12
        Width = 120
        Height = 13
        Caption = 'A label over an edit:'
      end
      object Edit1: TEdit
        Left = 12
        Top = 30
        Width = 180
        Height = 21
        TabOrder = 0
        Text = 'Edit1'
      end
      object Memo1: TMemo
        Left = 12
        Top = 62
        Width = 180
        Height = 89
        Lines.Strings = (
          'A memo with'
          'three lines'
          'of text')
        ScrollBars = ssVertical
        TabOrder = 1
      end
      object Button1: TButton
        Left = 12
        Top = 162
        Width = 75
        Height = 25
        Caption = 'Button1'
        TabOrder = 2
      end
      object CheckBox1: TCheckBox
        Left = 12
        Top = 198
        Width = 120
        Height = 17
        Caption = 'CheckBox1'
        Checked = True
        State = cbChecked
        TabOrder = 3
      end
      object RadioButton1: TRadioButton
        Left = 12
        Top = 222
        Width = 120
        Height = 17
        Caption = 'RadioButton1'
        Checked = True
        TabOrder = 4
        TabStop = True
      end
      object ScrollBar1: TScrollBar
        Left = 12
        Top = 250
        Width = 180
        Height = 17
        PageSize = 0
        Position = 40
        TabOrder = 5
      end
      object ListBox1: TListBox
        Left = 210
        Top = 12
        Width = 150
        Height = 97
        ItemHeight = 13
        Items.Strings = (
          'First item'
          'Second item'
          'Third item'
          'Fourth item')
        TabOrder = 6
      end
      object ComboBox1: TComboBox
        Left = 210
        Top = 120
        Width = 150
        Height = 21
        ItemHeight = 13
        TabOrder = 7
        Text = 'ComboBox1'
        Items.Strings = (
          'One'
          'Two'
          'Three')
      end
      object GroupBox1: TGroupBox
        Left = 210
        Top = 152
        Width = 150
        Height = 115
        Caption = 'GroupBox1'
        TabOrder = 8
        object Panel1: TPanel
          Left = 12
          Top = 24
          Width = 126
          Height = 77
          Caption = 'Panel1'
          TabOrder = 0
        end
      end
      object RadioGroup1: TRadioGroup
        Left = 380
        Top = 12
        Width = 150
        Height = 97
        Caption = 'RadioGroup1'
        ItemIndex = 1
        Items.Strings = (
          'Small'
          'Medium'
          'Large')
        TabOrder = 9
      end
    end
    object AdditionalPage: TTabSheet
      Caption = 'Additional'
      ImageIndex = 1
      object BitBtn1: TBitBtn
        Left = 12
        Top = 12
        Width = 75
        Height = 25
        TabOrder = 0
        Kind = bkOK
      end
      object BitBtn2: TBitBtn
        Left = 96
        Top = 12
        Width = 75
        Height = 25
        TabOrder = 1
        Kind = bkCancel
      end
      object SpeedButton1: TSpeedButton
        Left = 184
        Top = 12
        Width = 25
        Height = 25
        GroupIndex = 1
        Down = True
        Caption = 'B'
      end
      object SpeedButton2: TSpeedButton
        Left = 210
        Top = 12
        Width = 25
        Height = 25
        GroupIndex = 1
        Caption = 'I'
      end
      object StringGrid1: TStringGrid
        Left = 12
        Top = 48
        Width = 300
        Height = 120
        ColCount = 4
        DefaultColWidth = 70
        DefaultRowHeight = 20
        RowCount = 5
        TabOrder = 2
      end
      object Shape1: TShape
        Left = 330
        Top = 12
        Width = 65
        Height = 65
        Brush.Color = clYellow
        Shape = stEllipse
      end
      object Shape2: TShape
        Left = 410
        Top = 12
        Width = 65
        Height = 65
        Brush.Color = clSkyBlue
        Shape = stRoundRect
      end
      object Bevel1: TBevel
        Left = 330
        Top = 90
        Width = 145
        Height = 78
      end
      object ScrollBox1: TScrollBox
        Left = 12
        Top = 180
        Width = 300
        Height = 120
        TabOrder = 3
        object InnerPanel: TPanel
          Left = 8
          Top = 8
          Width = 180
          Height = 60
          Caption = 'A panel in a scroll box'
          TabOrder = 0
        end
      end
      object DrawGrid1: TDrawGrid
        Left = 330
        Top = 180
        Width = 145
        Height = 120
        ColCount = 3
        DefaultColWidth = 40
        DefaultRowHeight = 18
        TabOrder = 4
      end
    end
    object Win32Page: TTabSheet
      Caption = 'Win32'
      ImageIndex = 2
      object TabControl1: TTabControl
        Left = 12
        Top = 12
        Width = 290
        Height = 110
        TabOrder = 0
        Tabs.Strings = (
          'First'
          'Second'
          'Third')
        TabIndex = 0
        object TabLabel: TLabel
          Left = 12
          Top = 40
          Width = 200
          Height = 13
          Caption = 'A label on a tab control'
        end
      end
      object RichEdit1: TRichEdit
        Left = 320
        Top = 12
        Width = 200
        Height = 110
        Lines.Strings = (
          'A rich edit with plain text')
        TabOrder = 1
      end
      object TrackBar1: TTrackBar
        Left = 12
        Top = 140
        Width = 290
        Height = 45
        Position = 4
        TabOrder = 2
      end
      object ProgressBar1: TProgressBar
        Left = 12
        Top = 200
        Width = 290
        Height = 16
        Position = 60
        TabOrder = 3
      end
    end
  end
  object MainMenu: TMainMenu
    Left = 560
    Top = 40
    object FileMenu: TMenuItem
      Caption = '&File'
      object NewItem: TMenuItem
        Caption = '&New'
        ShortCut = 16462
      end
      object Separator: TMenuItem
        Caption = '-'
      end
      object ExitItem: TMenuItem
        Caption = 'E&xit'
      end
    end
    object ViewMenu: TMenuItem
      Caption = '&View'
      object LargeItem: TMenuItem
        AutoCheck = True
        Caption = '&Large'
        Checked = True
        GroupIndex = 1
        RadioItem = True
      end
      object SmallItem: TMenuItem
        AutoCheck = True
        Caption = '&Small'
        GroupIndex = 1
        RadioItem = True
      end
    end
  end
  object PopupMenu1: TPopupMenu
    Left = 560
    Top = 80
    object CutItem: TMenuItem
      Caption = 'Cu&t'
      Default = True
    end
  end
  object Timer1: TTimer
    Enabled = False
    Left = 560
    Top = 120
  end
  object OpenDialog1: TOpenDialog
    DefaultExt = 'txt'
    Filter = 'Text (*.txt)|*.txt|All|*.*'
    Left = 560
    Top = 160
  end
  object ColorDialog1: TColorDialog
    Left = 560
    Top = 200
  end
end
)";

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InitializeControls();
  InitializeStdCtrls();
  InitializeExtCtrls();
  InitializeTabs();
  InitializeGrids();
  InitializeMenus();
  InitializeDialogs();
  const char* screenshot = nullptr;
  int page = 0;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--screenshot") == 0) screenshot = argv[i + 1];
    if (std::strcmp(argv[i], "--page") == 0) page = std::atoi(argv[i + 1]);
  }
  RegisterClasses({TGalleryPanel::StaticClass(), TGalleryForm::StaticClass()});
  RegisterFormResource("TGalleryForm", GalleryFormText);
  int result = 0;
  try {
    TGalleryForm* form = nullptr;
    Application->SetTitle("Gallery");
    Application->CreateForm(form);
    if (auto* pages = dynamic_cast<TPageControl*>(form->FindComponent("Pages")))
      if (page >= 0 && page < pages->PageCount()) pages->SetActivePageIndex(page);
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
