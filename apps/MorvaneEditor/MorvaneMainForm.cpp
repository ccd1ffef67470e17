#include "apps/MorvaneEditor/MorvaneMainForm.h"

#include "platform/controls/FormResources.h"

// The component palette takes Panel2's client area once it exists; the two
// labels keep a small margin to its left and above it.
namespace {
const char* const AppBuilderText = R"(object AppBuilder: TAppBuilder
  Left = 0
  Top = 0
  Width = 696
  Height = 110
  Caption = 'Morvane Editor'
  Color = clBtnFace
  Menu = MainMenu1
  ShowHint = True
  OnClose = FormClose
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  object Bevel1: TBevel
    Left = 0
    Top = 0
    Width = 688
    Height = 2
    Align = alTop
    Shape = bsTopLine
  end
  object Splitter1: TSplitter
    Left = 142
    Top = 2
    Width = 2
    Height = 62
  end
  object Panel1: TPanel
    Left = 0
    Top = 2
    Width = 142
    Height = 62
    Align = alLeft
    BevelOuter = bvNone
    TabOrder = 0
    object btnNew: TSpeedButton
      Left = 0
      Top = 2
      Width = 28
      Height = 28
      Hint = #26032#24314#25253#34920
      Flat = True
      OnClick = btnNewClick
    end
    object btnOpenReport: TSpeedButton
      Left = 28
      Top = 2
      Width = 28
      Height = 28
      Flat = True
      OnClick = btnOpenReportClick
    end
    object btnSaveReport: TSpeedButton
      Left = 56
      Top = 2
      Width = 28
      Height = 28
      Flat = True
      OnClick = btnSaveReportClick
    end
    object AdvSpeedButton2: TSpeedButton
      Left = 84
      Top = 2
      Width = 28
      Height = 28
      Hint = #25171#24320' DesignTime Package'
      Flat = True
      OnClick = AdvSpeedButton2Click
    end
    object AdvSpeedButton1: TSpeedButton
      Left = 112
      Top = 2
      Width = 28
      Height = 28
      Flat = True
      OnClick = AdvSpeedButton1Click
    end
    object btnEdit: TSpeedButton
      Left = 0
      Top = 32
      Width = 28
      Height = 28
      Enabled = False
      Flat = True
      OnClick = btnEditClick
    end
    object btnRun: TSpeedButton
      Left = 28
      Top = 32
      Width = 28
      Height = 28
      Enabled = False
      Flat = True
      OnClick = btnRunClick
    end
  end
  object Panel2: TPanel
    Left = 144
    Top = 2
    Width = 544
    Height = 62
    Align = alClient
    BevelOuter = bvNone
    TabOrder = 1
    object Label1: TLabel
      Left = 0
      Top = 3
      Width = 4
      Height = 59
      Align = alLeft
      AutoSize = False
    end
    object Label2: TLabel
      Left = 0
      Top = 0
      Width = 544
      Height = 3
      Align = alTop
      AutoSize = False
    end
  end
  object MainMenu1: TMainMenu
    Left = 200
    Top = 8
    object FileMenu: TMenuItem
      Caption = '&File'
      HelpContext = 1000
      object FileNewFormItem: TMenuItem
        Caption = 'New &Form'
        HelpContext = 1001
        ShortCut = 16462
        OnClick = FileNewFormItemClick
      end
      object FileOpenItem: TMenuItem
        Caption = '&Open...'
        HelpContext = 1002
        ShortCut = 16463
        OnClick = FileOpenItemClick
      end
      object FileClosedFilesItem: TMenuItem
        Caption = '&Reopen'
        Enabled = False
        HelpContext = 1003
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object FileSaveItem: TMenuItem
        Caption = '&Save'
        HelpContext = 1004
        ShortCut = 16467
        OnClick = FileSaveItemClick
      end
      object FileSaveAsItem: TMenuItem
        Caption = 'Save &As...'
        HelpContext = 1005
        OnClick = FileSaveAsItemClick
      end
      object FileSaveAllItem: TMenuItem
        Caption = 'Sa&ve All'
        HelpContext = 1006
        ShortCut = 16449
        OnClick = FileSaveAllItemClick
      end
      object FileCloseItem: TMenuItem
        Caption = '&Close'
        HelpContext = 1007
        OnClick = FileCloseItemClick
      end
      object FileCloseAllItem: TMenuItem
        Caption = 'C&lose All'
        HelpContext = 1008
        OnClick = FileCloseAllItemClick
      end
      object N2: TMenuItem
        Caption = '-'
      end
      object FileExitItem: TMenuItem
        Caption = 'Exit'
        HelpContext = 1009
        ShortCut = 32856
        OnClick = FileExitItemClick
      end
    end
    object EditMenu: TMenuItem
      Caption = '&Edit'
      HelpContext = 1100
      object EditUndoItem: TMenuItem
        Caption = '&Undelete'
        Enabled = False
        HelpContext = 1101
      end
      object EditRedoItem: TMenuItem
        Caption = '&Redo'
        Enabled = False
        HelpContext = 1102
      end
      object N3: TMenuItem
        Caption = '-'
      end
      object EditCutItem: TMenuItem
        Caption = 'Cu&t'
        HelpContext = 1103
        OnClick = EditCutItemClick
      end
      object EditCopyItem: TMenuItem
        Caption = '&Copy'
        HelpContext = 1104
        OnClick = EditCopyItemClick
      end
      object EditPasteItem: TMenuItem
        Caption = '&Paste'
        HelpContext = 1105
        OnClick = EditPasteItemClick
      end
      object EditDeleteItem: TMenuItem
        Caption = '&Delete'
        HelpContext = 1106
        OnClick = EditDeleteItemClick
      end
      object EditSelectAll: TMenuItem
        Caption = 'Se&lect All'
        HelpContext = 1107
      end
      object N4: TMenuItem
        Caption = '-'
      end
      object EditAlignGridItem: TMenuItem
        Caption = 'Align to &Grid'
        HelpContext = 1108
      end
      object EditFrontItem: TMenuItem
        Caption = 'Bring to &Front'
        HelpContext = 1109
      end
      object EditBackItem: TMenuItem
        Caption = 'Send to &Back'
        HelpContext = 1110
      end
      object EditAlignItem: TMenuItem
        Caption = '&Align...'
        HelpContext = 1111
      end
      object EditSizeItem: TMenuItem
        Caption = '&Size...'
        HelpContext = 1112
      end
      object EditScaleItem: TMenuItem
        Caption = 'Scal&e...'
        HelpContext = 1113
      end
      object N13: TMenuItem
        Caption = '-'
      end
      object EditTabOrderItem: TMenuItem
        Caption = 'Tab O&rder...'
        HelpContext = 1114
      end
      object CreationOrderItem: TMenuItem
        Caption = 'Creatio&n Order...'
        HelpContext = 1115
      end
    end
    object ViewMenu: TMenuItem
      Caption = '&View'
      HelpContext = 1200
      object ViewObjectInspector: TMenuItem
        Caption = 'Object Inspector'
        HelpContext = 1201
        ShortCut = 122
        OnClick = ViewObjectInspectorClick
      end
      object N14: TMenuItem
        Caption = '-'
      end
      object ViewBrowserItem: TMenuItem
        Caption = 'B&rowser'
        HelpContext = 1202
      end
      object ViewSpeedBarItem: TMenuItem
        Caption = '&Speedbar'
        Checked = True
        HelpContext = 1203
      end
      object ViewPaletteItem: TMenuItem
        Caption = 'Compone&nt Palette'
        Checked = True
        HelpContext = 1204
      end
      object N15: TMenuItem
        Caption = '-'
      end
      object ViewSwapSourceFormItem: TMenuItem
        Caption = 'View as Text'
        HelpContext = 1207
        Visible = False
      end
    end
    object ToolsMenu: TMenuItem
      Caption = '&Tools'
      HelpContext = 2300
      object ToolsOptionsItem: TMenuItem
        Caption = 'Environment &Options...'
        HelpContext = 2301
      end
      object ToolsToolsItem: TMenuItem
        Caption = 'Configure &Tools...'
        HelpContext = 2302
      end
    end
    object HelpMenu: TMenuItem
      Caption = '&Help'
      HelpContext = 2310
      object HelpContentsItem: TMenuItem
        Caption = '&Contents'
        HelpContext = 2311
      end
      object HelpWhatsNew: TMenuItem
        Caption = '&What''s New'
        HelpContext = 2312
      end
      object HelpAboutItem: TMenuItem
        Caption = '&About...'
        HelpContext = 2313
      end
    end
  end
  object OpenFileDialog: TOpenDialog
    DefaultExt = 'DFM'
    Filter = '*.DFM|*.DFM'
    Options = [ofHideReadOnly, ofShowHelp, ofPathMustExist]
    Left = 232
    Top = 8
  end
  object SaveFileDialog: TSaveDialog
    DefaultExt = 'DFM'
    Filter = '*.DFM|*.DFM'
    Options = [ofOverwritePrompt, ofHideReadOnly, ofShowHelp, ofPathMustExist]
    Left = 264
    Top = 8
  end
  object PackageDialog: TOpenDialog
    Left = 296
    Top = 8
  end
  object PrinterSetupDialog: TPrinterSetupDialog
    Left = 328
    Top = 8
  end
  object PaletteMenu: TPopupMenu
    HelpContext = 4740
    Left = 360
    Top = 8
  end
  object SpeedbarMenu: TPopupMenu
    HelpContext = 4745
    Left = 392
    Top = 8
  end
end)";
}  // namespace

void RegisterMorvaneMainResource() { RegisterFormResource("TAppBuilder", AppBuilderText); }
