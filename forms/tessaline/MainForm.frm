object MainForm: TMainForm
  Left = 0
  Top = 0
  Width = 1366
  Height = 768
  Caption = 'Marivo v3.0.4'
  Color = 16504755
  Font.Name = 'Verdana'
  Font.Height = -13
  Font.Style = []
  Font.Color = clBlack
  ParentFont = False
  KeyPreview = True
  Position = poDesigned
  BorderStyle = bsSizeable
  Constraints.MinWidth = 800
  Constraints.MinHeight = 640
  OnCreate = FormCreate
  OnShow = FormShow
  OnClose = FormClose
  OnCloseQuery = FormCloseQuery
  OnKeyDown = FormKeyDown
  OnResize = FormResize
  object BatteryMeter: TMVWBitmapList
    object TMVWBitmapListItem
      Bitmap.File = 'battery0.bmp'
    end
    object TMVWBitmapListItem
      Bitmap.File = 'battery1.bmp'
    end
    object TMVWBitmapListItem
      Bitmap.File = 'battery2.bmp'
    end
    object TMVWBitmapListItem
      Bitmap.File = 'battery3.bmp'
    end
    object TMVWBitmapListItem
      Bitmap.File = 'battery4.bmp'
    end
  end
  object MVWBitmapList1: TMVWBitmapList
    object TMVWBitmapListItem
    end
    object TMVWBitmapListItem
      Bitmap.File = 'arrow.bmp'
    end
  end
  object PanelInfo: TPanel
    Align = alTop
    Left = 0
    Top = 0
    Width = 1350
    Height = 56
    Color = clNavy
    BevelOuter = bvNone
    Caption = ''
    object LabelStart: TMVWSimpleLabel
      Left = 8
      Top = 4
      Width = 120
      Height = 48
      AutoSize = False
      Alignment = agCenter
      Caption = ''
      ShowAccelChar = False
      Transparent = True
      Font.Name = 'Verdana'
      Font.Height = -28
      Font.Style = [fsBold]
      Font.Color = clYellow
      ParentFont = False
    end
    object LabelClub: TMVWSimpleLabel
      Left = 136
      Top = 4
      Width = 420
      Height = 48
      AutoSize = False
      Alignment = agCenterLeft
      Caption = ''
      ShowAccelChar = False
      Transparent = True
      Font.Name = 'Verdana'
      Font.Height = -29
      Font.Style = [fsBold]
      Font.Color = clWhite
      ParentFont = False
    end
    object LabelAthlete: TMVWSimpleLabel
      Left = 564
      Top = 4
      Width = 470
      Height = 48
      AutoSize = False
      Alignment = agCenterLeft
      Caption = ''
      ShowAccelChar = False
      Transparent = True
      Font.Name = 'Verdana'
      Font.Height = -29
      Font.Style = [fsBold]
      Font.Color = clWhite
      ParentFont = False
    end
    object LabelEvent: TMVWSimpleLabel
      Left = 1040
      Top = 4
      Width = 206
      Height = 48
      AutoSize = False
      Alignment = agCenter
      Caption = ''
      ShowAccelChar = False
      Transparent = True
      MultiLine = True
      Font.Name = 'Verdana'
      Font.Height = -14
      Font.Style = [fsBold]
      Font.Color = clAqua
      ParentFont = False
    end
    object LabelPower: TMVWSimpleLabel
      Left = 1250
      Top = 4
      Width = 44
      Height = 48
      AutoSize = False
      Alignment = agCenterRight
      Caption = 'Pwr'
      Transparent = True
      Font.Name = 'Verdana'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = clWhite
      ParentFont = False
    end
    object PowerLevel: TMVWLImage
      Left = 1298
      Top = 16
      Width = 48
      Height = 24
      ImageList = BatteryMeter
      ListIndex = 4
      Style = sbCenter
      ForceTransparent = True
    end
  end
  object StatusBar1: TStatusBar
    OnDblClick = StatusBar1DblClick
    Align = alBottom
    Left = 0
    Top = 705
    Width = 1350
    Height = 24
    SimplePanel = False
    Panels = <
      item
        Text = '   Version 3.0.4'
        Width = 160
      end
      item
        Text = ''
        Width = 160
      end
      item
        Text = ''
        Width = 160
      end
      item
        Text = ''
        Width = 170
      end
      item
        Text = ''
        Width = 240
      end
      item
        Text = ''
        Width = 300
      end>
  end
  object _Notebook: TNotebook
    OnPageChanged = _NotebookPageChanged
    Align = alClient
    Left = 0
    Top = 56
    Width = 1350
    Height = 649
    PageIndex = 0
    Visible = False
    object Opening: TPage
      Caption = 'Opening'
      object PanelOpening: TPanel
        Align = alClient
        Left = 0
        Top = 0
        Width = 1350
        Height = 649
        BevelOuter = bvNone
        Caption = ''
        ParentColor = True
        object LabelOpeningTitle: TMVWSimpleLabel
          Left = 16
          Top = 8
          Width = 600
          Height = 48
          AutoSize = False
          Alignment = agCenterLeft
          Caption = 'Who are you?'
          Transparent = True
          Font.Name = 'Verdana'
          Font.Height = -36
          Font.Style = [fsBold]
          Font.Color = clNavy
          ParentFont = False
        end
        object ClientChoice: TMVWRadioGroup
          Left = 16
          Top = 64
          Width = 1000
          Height = 330
          Caption = 'Which Function?'
          Columns = 4
          Items = (
            'Judge 1 (Elements)'
            'Judge 2 (Elements)'
            'Judge 3 (Elements)'
            'Judge 4 (Elements)'
            'Judge 5 (Elements)'
            'Judge 1 (Impression)'
            'Judge 2 (Impression)'
            'Judge 3 (Impression)'
            'Judge 4 (Impression)'
            'Judge 5 (Impression)'
            'STC 1'
            'STC 2'
            'STC 3'
            'DATC 1'
            'DATC 2'
            'DATC 3'
            'Timer'
            'Referee'
            'Referee 2'
            'DTC')
          ItemIndex = 0
          TabStop = True
          Font.Name = 'Verdana'
          Font.Height = -17
          Font.Style = [fsBold]
          ParentFont = False
          CaptionFont.Name = 'Verdana'
          CaptionFont.Height = -17
          CaptionFont.Style = [fsBold]
          CaptionParentFont = False
          OnChange = ClientChoiceChange
        end
        object GroupBoxServer: TMVWGroupBox
          Left = 1032
          Top = 64
          Width = 302
          Height = 250
          Caption = 'Server IP Address'
          Font.Name = 'Verdana'
          Font.Height = -18
          Font.Style = [fsBold]
          ParentFont = False
          CaptionFont.Name = 'Verdana'
          CaptionFont.Height = -18
          CaptionFont.Style = [fsBold]
          CaptionParentFont = False
          object HostIP: TListBox
            Left = 12
            Top = 28
            Width = 278
            Height = 140
            Items.Strings = (
              'This Computer')
            TabStop = True
            Font.Name = 'Verdana'
            Font.Height = -20
            Font.Style = [fsBold]
            ParentFont = False
          end
          object ButtonRefresh: TMVWSpeedButton
            Left = 12
            Top = 176
            Width = 278
            Height = 64
            Caption = 'Refresh IP List'
            Font.Name = 'Verdana'
            Font.Height = -20
            Font.Style = [fsBold]
            ParentFont = False
            OnClick = ButtonRefreshClick
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
        end
        object ConnectConsoles: TMVWButton
          OnClick = ConnectConsolesClick
          Left = 1032
          Top = 330
          Width = 302
          Height = 72
          Caption = 'Connect Console'
          Font.Name = 'Verdana'
          Font.Height = -24
          Font.Style = [fsBold]
          ParentFont = False
          TabStop = True
          ExtStyle = ubsIntegrated
        end
        object DisconnectConsoles: TMVWSpeedButton
          OnClick = DisconnectConsolesClick
          Left = 1032
          Top = 410
          Width = 302
          Height = 72
          Caption = 'Disconnect Console'
          Font.Name = 'Verdana'
          Font.Height = -24
          Font.Style = [fsBold]
          ParentFont = False
          Enabled = False
          EnterColor = clBlue
          EnterColorChange = True
          Style = ubsIntegrated
        end
        object ButtonExit: TMVWSpeedButton
          Left = 1032
          Top = 568
          Width = 190
          Height = 64
          Caption = 'Exit'
          Font.Name = 'Verdana'
          Font.Height = -24
          Font.Style = [fsBold]
          ParentFont = False
          OnClick = ButtonExitClick
          EnterColor = clBlue
          EnterColorChange = True
          Style = ubsIntegrated
        end
        object PanelMain: TPanel
          Left = 16
          Top = 410
          Width = 600
          Height = 220
          Color = clWhite
          BevelOuter = bvLowered
          Caption = ''
          object ZELLogo: TImage
            Left = 150
            Top = 50
            Width = 300
            Height = 120
            Picture.File = 'logo.jpg'
            Center = True
            Stretch = False
          end
        end
        object GroupBoxTest: TMVWGroupBox
          Left = 632
          Top = 410
          Width = 284
          Height = 110
          Caption = 'Test Mode'
          Visible = False
          Font.Name = 'Verdana'
          Font.Height = -14
          Font.Style = [fsBold]
          ParentFont = False
          CaptionFont.Name = 'Verdana'
          CaptionFont.Height = -14
          CaptionFont.Style = [fsBold]
          CaptionParentFont = False
          object LabelTestMode: TMVWSimpleLabel
            Left = 12
            Top = 24
            Width = 260
            Height = 28
            AutoSize = False
            Alignment = agCenterLeft
            Caption = 'Auto Send every 3 seconds'
            Transparent = True
            Font.Name = 'Verdana'
            Font.Height = -13
            Font.Style = [fsBold]
            ParentFont = False
          end
          object CheckBoxTest: TMVWCheckBox
            Left = 12
            Top = 60
            Width = 260
            Height = 32
            Caption = 'Test Mode On if Checked'
            Checked = False
            Font.Name = 'Verdana'
            Font.Height = -13
            Font.Style = [fsBold]
            ParentFont = False
          end
        end
        object DisciplineSelection: TMVWRadioGroup
          Left = 632
          Top = 530
          Width = 284
          Height = 100
          Caption = 'Which Event'
          Columns = 1
          Items = (
            'Free Routine'
            'Technical Routine')
          ItemIndex = 0
          Visible = False
          OnChange = DisciplineSelectionChange
        end
        object PanelDetails: TPanel
          Left = 16
          Top = 400
          Width = 1004
          Height = 232
          Color = clWhite
          BevelOuter = bvLowered
          Caption = ''
          Visible = False
          object LogFile: TMemo
            Align = alClient
            Left = 1
            Top = 1
            Width = 1316
            Height = 230
            Lines.Strings = (
)
            ReadOnly = True
            ScrollBars = ssBoth
            WordWrap = False
            TabStop = False
            Font.Name = 'Courier New'
            Font.Height = -13
            Font.Style = []
            ParentFont = False
          end
          object ConnectedClients: TListBox
            Left = 8
            Top = 8
            Width = 200
            Height = 214
            Items.Strings = (
)
            Visible = False
          end
          object GridConnections: TStringGrid
            Left = 216
            Top = 8
            Width = 420
            Height = 214
            DefaultColWidth = 100
            DefaultRowHeight = 18
            ColCount = 4
            RowCount = 22
            FixedCols = 0
            FixedRows = 1
            Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine]
            ScrollBars = ssNone
            TabStop = False
            Font.Name = 'Verdana'
            Font.Height = -11
            Font.Style = [fsBold]
            ParentFont = False
            Visible = False
          end
          object ChatFile: TMemo
            Left = 644
            Top = 8
            Width = 666
            Height = 170
            Lines.Strings = (
)
            ReadOnly = True
            ScrollBars = ssVertical
            WordWrap = True
            Visible = False
          end
          object EditMessage: TMVWEdit
            Left = 644
            Top = 186
            Width = 560
            Height = 36
            Text = ''
            Visible = False
            Font.Name = 'Verdana'
            Font.Height = -16
            Font.Style = []
            ParentFont = False
            CtlXP = False
            Bevel.Mode = bmWindows
          end
          object ButtonSendMessage: TMVWSpeedButton
            OnClick = ButtonSendMessageClick
            Left = 1212
            Top = 186
            Width = 98
            Height = 36
            Caption = 'Send'
            Font.Name = 'Verdana'
            Font.Height = -16
            Font.Style = [fsBold]
            ParentFont = False
            Visible = False
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
        end
      end
    end
    object Detailed: TPage
      Caption = 'Detailed'
      object PanelDET: TPanel
        Align = alClient
        Left = 0
        Top = 0
        Width = 1350
        Height = 649
        BevelOuter = bvNone
        Caption = ''
        ParentColor = True
        object LabelDETMessage: TMVWSimpleLabel
          Align = alBottom
          Left = 0
          Top = 617
          Width = 1350
          Height = 32
          AutoSize = False
          Alignment = agCenter
          Caption = 'Enter two button score (no decimal). Press Enter or Send when done.   - + or = for a 10.'
          Transparent = False
          ParentColor = True
          Font.Name = 'Verdana'
          Font.Height = -16
          Font.Style = [fsBold]
          Font.Color = clNavy
          ParentFont = False
        end
        object PanelRight: TPanel
          Align = alRight
          Left = 1050
          Top = 0
          Width = 300
          Height = 617
          Color = clSilver
          BevelOuter = bvRaised
          Caption = ''
          object LabelScoreTitle: TMVWSimpleLabel
            Left = 16
            Top = 8
            Width = 268
            Height = 32
            AutoSize = False
            Alignment = agCenter
            Caption = 'Score'
            Transparent = True
            Font.Name = 'Verdana'
            Font.Height = -24
            Font.Style = [fsBold]
            Font.Color = clNavy
            ParentFont = False
          end
          object ScoreEdit: TMVWSimpleLabel
            Left = 16
            Top = 40
            Width = 268
            Height = 104
            AutoSize = False
            Alignment = agCenter
            Caption = '0.0'
            Color = clWhite
            Transparent = False
            Font.Name = 'Verdana'
            Font.Height = -80
            Font.Style = [fsBold]
            Font.Color = clBlack
            ParentFont = False
          end
          object ButtonSendScore: TMVWSpeedButton
            OnClick = ButtonSendScoreClick
            Left = 16
            Top = 180
            Width = 268
            Height = 96
            Caption = 'Send / Enter'
            Font.Name = 'Verdana'
            Font.Height = -28
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object PanelScoreboard: TPanel
            Left = 16
            Top = 308
            Width = 268
            Height = 208
            Color = clBlack
            BevelOuter = bvLowered
            Caption = ''
            Visible = False
            object LabelScoreboardTitle: TMVWSimpleLabel
              Left = 0
              Top = 4
              Width = 268
              Height = 28
              AutoSize = False
              Alignment = agCenter
              Caption = 'Scoreboard'
              Transparent = True
              Font.Name = 'Verdana'
              Font.Height = -18
              Font.Style = [fsBold]
              Font.Color = clWhite
              ParentFont = False
            end
            object ScoreboardOrder: TMVWLEDLabel
              Left = 8
              Top = 36
              Width = 252
              Height = 40
              AutoSize = True
              Caption = 'ORDER '
              LED.Horzsize = 9
              LED.Vertsize = 7
            end
            object Scoreboard1: TMVWLEDLabel
              Left = 8
              Top = 80
              Width = 252
              Height = 40
              AutoSize = True
              Caption = 'ORDER '
              LED.Horzsize = 9
              LED.Vertsize = 7
              LED.ActiveColor = clRed
              LED.InActiveColor = clMaroon
            end
            object Scoreboard2: TMVWLEDLabel
              Left = 8
              Top = 120
              Width = 252
              Height = 40
              AutoSize = True
              Caption = 'ORDER '
              LED.Horzsize = 9
              LED.Vertsize = 7
              LED.ActiveColor = clRed
              LED.InActiveColor = clMaroon
            end
            object Scoreboard3: TMVWLEDLabel
              Left = 8
              Top = 160
              Width = 252
              Height = 40
              AutoSize = True
              Caption = 'ORDER '
              LED.Horzsize = 9
              LED.Vertsize = 7
              LED.ActiveColor = clRed
              LED.InActiveColor = clMaroon
            end
          end
          object JudgeNum: TMVWSimpleLabel
            Align = alBottom
            Left = 1
            Top = 544
            Width = 298
            Height = 72
            AutoSize = False
            Alignment = agCenter
            Caption = ''
            Color = clWhite
            Transparent = False
            Font.Name = 'Verdana'
            Font.Height = -48
            Font.Style = [fsBold]
            Font.Color = clNavy
            ParentFont = False
          end
          object LabelJudge: TMVWSimpleLabel
            Align = alBottom
            Left = 1
            Top = 516
            Width = 298
            Height = 28
            AutoSize = False
            Alignment = agCenter
            Caption = 'Role'
            Transparent = True
            Font.Name = 'Verdana'
            Font.Height = -18
            Font.Style = [fsBold]
            Font.Color = clNavy
            ParentFont = False
          end
        end
        object PanelKeypadDetailed: TPanel
          Left = 21
          Top = 8
          Width = 448
          Height = 360
          BevelOuter = bvNone
          Caption = ''
          ParentColor = True
          object DETPrevious: TMVWSpeedButton
            OnClick = DETPreviousClick
            Left = 8
            Top = 8
            Width = 80
            Height = 124
            Caption = '<'
            Font.Name = 'Verdana'
            Font.Height = -40
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object DETNext: TMVWSpeedButton
            OnClick = DETNextClick
            Left = 8
            Top = 140
            Width = 80
            Height = 124
            Caption = '>'
            Font.Name = 'Verdana'
            Font.Height = -40
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object ButtonHome: TMVWSpeedButton
            OnClick = ButtonHomeClick
            Left = 8
            Top = 272
            Width = 80
            Height = 80
            Caption = 'Home'
            Font.Name = 'Verdana'
            Font.Height = -20
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object DETSCORE7: TMVWSpeedButton
            OnClick = DETSCOREClick
            Left = 96
            Top = 8
            Width = 80
            Height = 80
            Caption = '7'
            Tag = 7
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object DETSCORE8: TMVWSpeedButton
            OnClick = DETSCOREClick
            Left = 184
            Top = 8
            Width = 80
            Height = 80
            Caption = '8'
            Tag = 8
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object DETSCORE9: TMVWSpeedButton
            OnClick = DETSCOREClick
            Left = 272
            Top = 8
            Width = 80
            Height = 80
            Caption = '9'
            Tag = 9
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object DETSCORE00: TMVWSpeedButton
            OnClick = DETSCOREClick
            Left = 360
            Top = 8
            Width = 80
            Height = 80
            Caption = '.00'
            Tag = 20
            Font.Name = 'Verdana'
            Font.Height = -30
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object DETSCORE4: TMVWSpeedButton
            OnClick = DETSCOREClick
            Left = 96
            Top = 96
            Width = 80
            Height = 80
            Caption = '4'
            Tag = 4
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object DETSCORE5: TMVWSpeedButton
            OnClick = DETSCOREClick
            Left = 184
            Top = 96
            Width = 80
            Height = 80
            Caption = '5'
            Tag = 5
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object DETSCORE6: TMVWSpeedButton
            OnClick = DETSCOREClick
            Left = 272
            Top = 96
            Width = 80
            Height = 80
            Caption = '6'
            Tag = 6
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object DETSCORE25: TMVWSpeedButton
            OnClick = DETSCOREClick
            Left = 360
            Top = 96
            Width = 80
            Height = 80
            Caption = '.25'
            Tag = 30
            Font.Name = 'Verdana'
            Font.Height = -30
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object DETSCORE1: TMVWSpeedButton
            OnClick = DETSCOREClick
            Left = 96
            Top = 184
            Width = 80
            Height = 80
            Caption = '1'
            Tag = 1
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object DETSCORE2: TMVWSpeedButton
            OnClick = DETSCOREClick
            Left = 184
            Top = 184
            Width = 80
            Height = 80
            Caption = '2'
            Tag = 2
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object DETSCORE3: TMVWSpeedButton
            OnClick = DETSCOREClick
            Left = 272
            Top = 184
            Width = 80
            Height = 80
            Caption = '3'
            Tag = 3
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object DETSCORE50: TMVWSpeedButton
            OnClick = DETSCOREClick
            Left = 360
            Top = 184
            Width = 80
            Height = 80
            Caption = '.50'
            Tag = 40
            Font.Name = 'Verdana'
            Font.Height = -30
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object DETSCORE0: TMVWSpeedButton
            OnClick = DETSCOREClick
            Left = 96
            Top = 272
            Width = 80
            Height = 80
            Caption = '0'
            Tag = 0
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object DETSCOREClear: TMVWSpeedButton
            OnClick = DETSCOREClick
            Left = 184
            Top = 272
            Width = 80
            Height = 80
            Caption = 'Clear'#13#10' ESC'
            Tag = -1
            Font.Name = 'Verdana'
            Font.Height = -20
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            MultiLine = True
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object DETSCORE10: TMVWSpeedButton
            OnClick = DETSCOREClick
            Left = 272
            Top = 272
            Width = 80
            Height = 80
            Caption = '10'
            Tag = 10
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object DETSCORE75: TMVWSpeedButton
            OnClick = DETSCOREClick
            Left = 360
            Top = 272
            Width = 80
            Height = 80
            Caption = '.75'
            Tag = 50
            Font.Name = 'Verdana'
            Font.Height = -30
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
        end
        object PanelElements: TPanel
          Left = 469
          Top = 8
          Width = 560
          Height = 530
          BevelOuter = bvNone
          Caption = ''
          ParentColor = True
          object GridDetailedScores: TStringGrid
            DefaultDrawing = False
            OnDrawCell = GridDetailedScoresDrawCell
            OnSelectCell = GridDetailedScoresSelectCell
            Left = 0
            Top = 8
            Width = 560
            Height = 522
            DefaultColWidth = 139
            DefaultRowHeight = 63
            ColCount = 2
            RowCount = 8
            FixedCols = 0
            FixedRows = 0
            Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine]
            ScrollBars = ssNone
            TabStop = False
            Font.Name = 'Verdana'
            Font.Height = -28
            Font.Style = [fsBold]
            ParentFont = False
            Color = clWhite
          end
        end
        object PanelAI: TPanel
          Left = 469
          Top = 8
          Width = 560
          Height = 530
          BevelOuter = bvNone
          Caption = ''
          ParentColor = True
          Visible = False
          object LabelDETJ1AI: TMVWSimpleLabel
            Left = 8
            Top = 16
            Width = 300
            Height = 96
            AutoSize = False
            Alignment = agCenterLeft
            Caption = 'Choreography'#13#10'  Musicality'
            Transparent = True
            MultiLine = True
            Font.Name = 'Verdana'
            Font.Height = -26
            Font.Style = [fsBold]
            Font.Color = clNavy
            ParentFont = False
          end
          object DETJ1AI: TMVWEdit
            OnMouseDown = DETJ3AIMouseDown
            Left = 316
            Top = 16
            Width = 236
            Height = 96
            Tag = 1
            Text = ''
            MaxLength = 4
            ReadOnly = True
            TabStop = False
            Color = clWhite
            Font.Name = 'Verdana'
            Font.Height = -48
            Font.Style = [fsBold]
            ParentFont = False
            CharCase = ecUpperCase
            CtlXP = False
            Bevel.Mode = bmWindows
          end
          object LabelDETJ2AI: TMVWSimpleLabel
            Left = 8
            Top = 188
            Width = 300
            Height = 96
            AutoSize = False
            Alignment = agCenterLeft
            Caption = 'Performance'
            Transparent = True
            MultiLine = True
            Font.Name = 'Verdana'
            Font.Height = -26
            Font.Style = [fsBold]
            Font.Color = clNavy
            ParentFont = False
          end
          object DETJ2AI: TMVWEdit
            OnMouseDown = DETJ3AIMouseDown
            Left = 316
            Top = 188
            Width = 236
            Height = 96
            Tag = 2
            Text = ''
            MaxLength = 4
            ReadOnly = True
            TabStop = False
            Color = clWhite
            Font.Name = 'Verdana'
            Font.Height = -48
            Font.Style = [fsBold]
            ParentFont = False
            CharCase = ecUpperCase
            CtlXP = False
            Bevel.Mode = bmWindows
          end
          object LabelDETJ3AI: TMVWSimpleLabel
            Left = 8
            Top = 360
            Width = 300
            Height = 96
            AutoSize = False
            Alignment = agCenterLeft
            Caption = 'Transitions'
            Transparent = True
            MultiLine = True
            Font.Name = 'Verdana'
            Font.Height = -26
            Font.Style = [fsBold]
            Font.Color = clNavy
            ParentFont = False
          end
          object DETJ3AI: TMVWEdit
            OnMouseDown = DETJ3AIMouseDown
            Left = 316
            Top = 360
            Width = 236
            Height = 96
            Tag = 3
            Text = ''
            MaxLength = 4
            ReadOnly = True
            TabStop = False
            Color = clWhite
            Font.Name = 'Verdana'
            Font.Height = -48
            Font.Style = [fsBold]
            ParentFont = False
            CharCase = ecUpperCase
            CtlXP = False
            Bevel.Mode = bmWindows
          end
        end
        object GridPreviousScores: TStringGrid
          DefaultDrawing = False
          OnDrawCell = GridPreviousScoresDrawCell
          Left = 120
          Top = 557
          Width = 810
          Height = 56
          DefaultColWidth = 80
          DefaultRowHeight = 26
          ColCount = 5
          RowCount = 2
          FixedCols = 0
          FixedRows = 0
          Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine]
          ScrollBars = ssNone
          TabStop = False
          Font.Name = 'Verdana'
          Font.Height = -16
          Font.Style = [fsBold]
          ParentFont = False
          Color = clGray
        end
        object ScoreConfirmMain: TMVWSimplePanel
          Align = alClient
          Left = 0
          Top = 0
          Width = 1050
          Height = 617
          Color = clRed
          Visible = False
          object ScoreConfirmTitle: TMVWSimpleLabel
            Align = alTop
            Left = 0
            Top = 0
            Width = 1050
            Height = 64
            AutoSize = False
            Alignment = agCenter
            Caption = 'Score Confirmation'
            Transparent = True
            Font.Name = 'Verdana'
            Font.Height = -37
            Font.Style = [fsBold]
            Font.Color = clWhite
            ParentFont = False
          end
          object ScoreConfirmScore0: TMVWSimpleLabel
            Left = 16
            Top = 72
            Width = 1002
            Height = 248
            AutoSize = False
            Alignment = agCenter
            Caption = '0.0'
            Transparent = True
            Font.Name = 'Verdana'
            Font.Height = -192
            Font.Style = [fsBold]
            Font.Color = clWhite
            ParentFont = False
            Visible = False
          end
          object GridConfirm: TStringGrid
            DefaultDrawing = False
            OnDrawCell = GridConfirmDrawCell
            Left = 16
            Top = 130
            Width = 1002
            Height = 260
            DefaultColWidth = 333
            DefaultRowHeight = 129
            ColCount = 3
            RowCount = 2
            FixedCols = 0
            FixedRows = 0
            Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine]
            ScrollBars = ssNone
            TabStop = False
            Font.Name = 'Verdana'
            Font.Height = -40
            Font.Style = [fsBold]
            ParentFont = False
            Enabled = False
            Color = clRed
          end
          object ScoreConfirmButtons: TPanel
            Align = alBottom
            Left = 0
            Top = 489
            Width = 1050
            Height = 128
            BevelOuter = bvNone
            Caption = ''
            ParentColor = True
            object ScoreConfirmDecline: TMVWSpeedButton
              OnClick = ScoreConfirmDeclineClick
              Left = 210
              Top = 16
              Width = 262
              Height = 96
              Caption = 'Cancel / Change'#13#10'            Esc'
              Font.Name = 'Verdana'
              Font.Height = -24
              Font.Style = [fsBold]
              ParentFont = False
              MultiLine = True
              EnterColor = clBlue
              EnterColorChange = True
              Style = ubsIntegrated
            end
            object ScoreConfirmAccept: TMVWSpeedButton
              OnClick = ScoreConfirmAcceptClick
              Left = 630
              Top = 16
              Width = 262
              Height = 96
              Caption = 'Accept / Send'#13#10'        Enter'
              Font.Name = 'Verdana'
              Font.Height = -24
              Font.Style = [fsBold]
              ParentFont = False
              MultiLine = True
              EnterColor = clBlue
              EnterColorChange = True
              Style = ubsIntegrated
            end
          end
        end
      end
    end
    object Individual: TPage
      Caption = 'Individual'
      object PanelIND: TPanel
        Align = alClient
        Left = 0
        Top = 0
        Width = 1350
        Height = 649
        BevelOuter = bvNone
        Caption = ''
        ParentColor = True
        object LabelINDMessage: TMVWSimpleLabel
          Align = alBottom
          Left = 0
          Top = 617
          Width = 1350
          Height = 32
          AutoSize = False
          Alignment = agCenter
          Caption = 'No need to enter a decimal. Press Enter or Send when done.'
          Transparent = False
          ParentColor = True
          Font.Name = 'Verdana'
          Font.Height = -16
          Font.Style = [fsBold]
          Font.Color = clNavy
          ParentFont = False
        end
        object ButtonHome2: TMVWSpeedButton
          OnClick = ButtonHomeClick
          Left = 16
          Top = 16
          Width = 97
          Height = 64
          Caption = 'Home'
          Font.Name = 'Verdana'
          Font.Height = -20
          Font.Style = [fsBold]
          ParentFont = False
          Color = clSilver
          EnterColor = clBlue
          EnterColorChange = True
          Style = ubsIntegrated
        end
        object PanelKeypad: TPanel
          Left = 345
          Top = 40
          Width = 360
          Height = 360
          BevelOuter = bvNone
          Caption = ''
          ParentColor = True
          object INDSCORE7: TMVWSpeedButton
            Left = 8
            Top = 8
            Width = 80
            Height = 80
            Caption = '7'
            Tag = 7
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object INDSCORE8: TMVWSpeedButton
            Left = 96
            Top = 8
            Width = 80
            Height = 80
            Caption = '8'
            Tag = 8
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object INDSCORE9: TMVWSpeedButton
            Left = 184
            Top = 8
            Width = 80
            Height = 80
            Caption = '9'
            Tag = 9
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object INDSCORE00: TMVWSpeedButton
            Left = 272
            Top = 8
            Width = 80
            Height = 80
            Caption = '.00'
            Tag = 20
            Font.Name = 'Verdana'
            Font.Height = -30
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object INDSCORE4: TMVWSpeedButton
            Left = 8
            Top = 96
            Width = 80
            Height = 80
            Caption = '4'
            Tag = 4
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object INDSCORE5: TMVWSpeedButton
            Left = 96
            Top = 96
            Width = 80
            Height = 80
            Caption = '5'
            Tag = 5
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object INDSCORE6: TMVWSpeedButton
            Left = 184
            Top = 96
            Width = 80
            Height = 80
            Caption = '6'
            Tag = 6
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object INDSCORE25: TMVWSpeedButton
            Left = 272
            Top = 96
            Width = 80
            Height = 80
            Caption = '.25'
            Tag = 30
            Font.Name = 'Verdana'
            Font.Height = -30
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object INDSCORE1: TMVWSpeedButton
            Left = 8
            Top = 184
            Width = 80
            Height = 80
            Caption = '1'
            Tag = 1
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object INDSCORE2: TMVWSpeedButton
            Left = 96
            Top = 184
            Width = 80
            Height = 80
            Caption = '2'
            Tag = 2
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object INDSCORE3: TMVWSpeedButton
            Left = 184
            Top = 184
            Width = 80
            Height = 80
            Caption = '3'
            Tag = 3
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object INDSCORE50: TMVWSpeedButton
            Left = 272
            Top = 184
            Width = 80
            Height = 80
            Caption = '.50'
            Tag = 40
            Font.Name = 'Verdana'
            Font.Height = -30
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object INDSCORE0: TMVWSpeedButton
            Left = 8
            Top = 272
            Width = 80
            Height = 80
            Caption = '0'
            Tag = 0
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object INDSCOREClear: TMVWSpeedButton
            Left = 96
            Top = 272
            Width = 80
            Height = 80
            Caption = 'Clear'#13#10' ESC'
            Tag = -1
            Font.Name = 'Verdana'
            Font.Height = -20
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            MultiLine = True
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object INDSCORE10: TMVWSpeedButton
            Left = 184
            Top = 272
            Width = 80
            Height = 80
            Caption = '10'
            Tag = 10
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object INDSCORE75: TMVWSpeedButton
            Left = 272
            Top = 272
            Width = 80
            Height = 80
            Caption = '.75'
            Tag = 50
            Font.Name = 'Verdana'
            Font.Height = -30
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
        end
      end
    end
    object Timers: TPage
      Caption = 'Timers'
      object PanelTime: TPanel
        Align = alClient
        Left = 0
        Top = 0
        Width = 1350
        Height = 649
        BevelOuter = bvNone
        Caption = ''
        ParentColor = True
        object LabelTimeMessage: TMVWSimpleLabel
          Align = alBottom
          Left = 0
          Top = 617
          Width = 1350
          Height = 32
          AutoSize = False
          Alignment = agCenter
          Caption = 'No need to enter a decimal. Press Enter or Send when done.'
          Transparent = False
          ParentColor = True
          Font.Name = 'Verdana'
          Font.Height = -16
          Font.Style = [fsBold]
          Font.Color = clNavy
          ParentFont = False
        end
        object ButtonHome3: TMVWSpeedButton
          OnClick = ButtonHomeClick
          Left = 16
          Top = 16
          Width = 97
          Height = 64
          Caption = 'Home'
          Font.Name = 'Verdana'
          Font.Height = -20
          Font.Style = [fsBold]
          ParentFont = False
          Color = clSilver
          EnterColor = clBlue
          EnterColorChange = True
          Style = ubsIntegrated
        end
        object PanelTimerKeypad: TPanel
          Left = 159
          Top = 16
          Width = 272
          Height = 456
          BevelOuter = bvNone
          Caption = ''
          ParentColor = True
          object TIMESCORE7: TMVWSpeedButton
            OnClick = FinalScoreClick
            Left = 8
            Top = 8
            Width = 80
            Height = 80
            Caption = '7'
            Tag = 7
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object TIMESCORE8: TMVWSpeedButton
            OnClick = FinalScoreClick
            Left = 96
            Top = 8
            Width = 80
            Height = 80
            Caption = '8'
            Tag = 8
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object TIMESCORE9: TMVWSpeedButton
            OnClick = FinalScoreClick
            Left = 184
            Top = 8
            Width = 80
            Height = 80
            Caption = '9'
            Tag = 9
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object TIMESCORE4: TMVWSpeedButton
            OnClick = FinalScoreClick
            Left = 8
            Top = 96
            Width = 80
            Height = 80
            Caption = '4'
            Tag = 4
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object TIMESCORE5: TMVWSpeedButton
            OnClick = FinalScoreClick
            Left = 96
            Top = 96
            Width = 80
            Height = 80
            Caption = '5'
            Tag = 5
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object TIMESCORE6: TMVWSpeedButton
            OnClick = FinalScoreClick
            Left = 184
            Top = 96
            Width = 80
            Height = 80
            Caption = '6'
            Tag = 6
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object TIMESCORE1: TMVWSpeedButton
            OnClick = FinalScoreClick
            Left = 8
            Top = 184
            Width = 80
            Height = 80
            Caption = '1'
            Tag = 1
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object TIMESCORE2: TMVWSpeedButton
            OnClick = FinalScoreClick
            Left = 96
            Top = 184
            Width = 80
            Height = 80
            Caption = '2'
            Tag = 2
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object TIMESCORE3: TMVWSpeedButton
            OnClick = FinalScoreClick
            Left = 184
            Top = 184
            Width = 80
            Height = 80
            Caption = '3'
            Tag = 3
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object TIMESCORE0: TMVWSpeedButton
            OnClick = FinalScoreClick
            Left = 8
            Top = 272
            Width = 80
            Height = 80
            Caption = '0'
            Tag = 0
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object TIMESCOREClear: TMVWSpeedButton
            OnClick = FinalScoreClick
            Left = 96
            Top = 272
            Width = 80
            Height = 80
            Caption = 'Clear'#13#10' ESC'
            Tag = -1
            Font.Name = 'Verdana'
            Font.Height = -20
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            MultiLine = True
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object ButtonSendTime: TMVWSpeedButton
            OnClick = ButtonSendTimeClick
            Left = 8
            Top = 360
            Width = 256
            Height = 88
            Caption = 'Send'
            Font.Name = 'Verdana'
            Font.Height = -32
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
        end
        object PanelTimerNavigation: TPanel
          Left = 431
          Top = 16
          Width = 240
          Height = 456
          BevelOuter = bvNone
          Caption = ''
          ParentColor = True
          object LabelClickBox: TMVWSimpleLabel
            Left = 8
            Top = 16
            Width = 152
            Height = 96
            AutoSize = False
            Alignment = agCenter
            Caption = 'Click a box'#13#10'to select'
            Transparent = True
            MultiLine = True
            Font.Name = 'Verdana'
            Font.Height = -16
            Font.Style = [fsBold]
            Font.Color = clNavy
            ParentFont = False
          end
          object LabelPageUpDown: TMVWSimpleLabel
            Left = 8
            Top = 144
            Width = 152
            Height = 240
            AutoSize = False
            Alignment = agCenter
            Caption = 'Use Page Up / Down'#13#10'to move between'#13#10'Times'
            Transparent = True
            MultiLine = True
            Font.Name = 'Verdana'
            Font.Height = -16
            Font.Style = [fsBold]
            Font.Color = clNavy
            ParentFont = False
          end
          object Arrow: TMVWLImage
            Left = 168
            Top = 16
            Width = 64
            Height = 96
            Tag = 1
            ImageList = MVWBitmapList1
            ListIndex = 1
            Style = sbKeepAspRatio
            ForceTransparent = True
          end
        end
        object PanelTimerRight: TPanel
          Left = 671
          Top = 16
          Width = 520
          Height = 456
          BevelOuter = bvNone
          Caption = ''
          ParentColor = True
          object LabelWalkOnTime: TMVWSimpleLabel
            OnClick = ActiveEditLabelClick
            Left = 8
            Top = 16
            Width = 200
            Height = 96
            AutoSize = False
            Alignment = agCenterRight
            Caption = 'Walk On Time'
            Transparent = True
            MultiLine = True
            Font.Name = 'Verdana'
            Font.Height = -22
            Font.Style = [fsBold]
            Font.Color = clNavy
            ParentFont = False
            Tag = 1
          end
          object WalkOnTime: TMVWSimpleLabel
            OnClick = ActiveEditLabelClick
            Left = 216
            Top = 16
            Width = 296
            Height = 96
            AutoSize = False
            Alignment = agCenter
            Caption = '0:00.0'
            Color = clWhite
            Transparent = False
            Font.Name = 'Verdana'
            Font.Height = -64
            Font.Style = [fsBold]
            Font.Color = clBlack
            ParentFont = False
            Tag = 1
          end
          object LabelDeckTime: TMVWSimpleLabel
            OnClick = ActiveEditLabelClick
            Left = 8
            Top = 144
            Width = 200
            Height = 96
            AutoSize = False
            Alignment = agCenterRight
            Caption = 'Deck Time'
            Transparent = True
            MultiLine = True
            Font.Name = 'Verdana'
            Font.Height = -22
            Font.Style = [fsBold]
            Font.Color = clNavy
            ParentFont = False
            Tag = 2
          end
          object DeckTime: TMVWSimpleLabel
            OnClick = ActiveEditLabelClick
            Left = 216
            Top = 144
            Width = 296
            Height = 96
            AutoSize = False
            Alignment = agCenter
            Caption = '0:00.0'
            Color = clWhite
            Transparent = False
            Font.Name = 'Verdana'
            Font.Height = -64
            Font.Style = [fsBold]
            Font.Color = clBlack
            ParentFont = False
            Tag = 2
          end
          object LabelRoutineTime: TMVWSimpleLabel
            OnClick = ActiveEditLabelClick
            Left = 8
            Top = 288
            Width = 200
            Height = 96
            AutoSize = False
            Alignment = agCenterRight
            Caption = 'Routine Time'
            Transparent = True
            MultiLine = True
            Font.Name = 'Verdana'
            Font.Height = -22
            Font.Style = [fsBold]
            Font.Color = clNavy
            ParentFont = False
            Tag = 3
          end
          object RoutineTime: TMVWSimpleLabel
            OnClick = ActiveEditLabelClick
            Left = 216
            Top = 288
            Width = 296
            Height = 96
            AutoSize = False
            Alignment = agCenter
            Caption = '0:00.0'
            Color = clWhite
            Transparent = False
            Font.Name = 'Verdana'
            Font.Height = -64
            Font.Style = [fsBold]
            Font.Color = clBlack
            ParentFont = False
            Tag = 3
          end
        end
      end
    end
    object HeadJudgeDET: TPage
      Caption = 'Head Judge DET'
      object PanelHJDET: TPanel
        Align = alClient
        Left = 0
        Top = 0
        Width = 1350
        Height = 649
        Color = 16504755
        BevelOuter = bvNone
        Caption = ''
        object LabelHJDETTitle: TMVWSimpleLabel
          Align = alTop
          Left = 0
          Top = 0
          Width = 1350
          Height = 72
          AutoSize = False
          Alignment = agCenter
          Caption = 'Referee'
          Transparent = True
          Font.Name = 'Verdana'
          Font.Height = -36
          Font.Style = [fsBold]
          Font.Color = clNavy
          ParentFont = False
        end
        object HJDETScorePanel: TPanel
          Align = alClient
          Left = 0
          Top = 72
          Width = 1350
          Height = 577
          BevelOuter = bvNone
          Caption = ''
          ParentColor = True
          object GridReferee: TStringGrid
            Left = 8
            Top = 8
            Width = 1334
            Height = 561
            DefaultColWidth = 66
            DefaultRowHeight = 40
            ColCount = 12
            RowCount = 9
            FixedCols = 0
            FixedRows = 0
            Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine]
            ScrollBars = ssNone
            TabStop = False
            Font.Name = 'Verdana'
            Font.Height = -18
            Font.Style = [fsBold]
            ParentFont = False
            Color = clWhite
            DefaultDrawing = False
            OnDrawCell = GridRefereeDrawCell
            OnSelectCell = GridRefereeSelectCell
          end
        end
        object ButtonHome4: TMVWSpeedButton
          OnClick = ButtonHomeClick
          Left = 8
          Top = 4
          Width = 97
          Height = 64
          Caption = 'Home'
          Font.Name = 'Verdana'
          Font.Height = -20
          Font.Style = [fsBold]
          ParentFont = False
          Color = clSilver
          EnterColor = clBlue
          EnterColorChange = True
          Style = ubsIntegrated
        end
        object PanelHJScoring: TPanel
          Left = 620
          Top = 72
          Width = 720
          Height = 560
          BevelOuter = bvRaised
          Caption = ''
          ParentColor = True
          Visible = False
          object HJSCORE7: TMVWSpeedButton
            Left = 8
            Top = 16
            Width = 80
            Height = 80
            Caption = '7'
            Tag = 7
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object HJSCORE8: TMVWSpeedButton
            Left = 96
            Top = 16
            Width = 80
            Height = 80
            Caption = '8'
            Tag = 8
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object HJSCORE9: TMVWSpeedButton
            Left = 184
            Top = 16
            Width = 80
            Height = 80
            Caption = '9'
            Tag = 9
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object HJSCORE4: TMVWSpeedButton
            Left = 8
            Top = 104
            Width = 80
            Height = 80
            Caption = '4'
            Tag = 4
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object HJSCORE5: TMVWSpeedButton
            Left = 96
            Top = 104
            Width = 80
            Height = 80
            Caption = '5'
            Tag = 5
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object HJSCORE6: TMVWSpeedButton
            Left = 184
            Top = 104
            Width = 80
            Height = 80
            Caption = '6'
            Tag = 6
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object HJSCORE1: TMVWSpeedButton
            Left = 8
            Top = 192
            Width = 80
            Height = 80
            Caption = '1'
            Tag = 1
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object HJSCORE2: TMVWSpeedButton
            Left = 96
            Top = 192
            Width = 80
            Height = 80
            Caption = '2'
            Tag = 2
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object HJSCORE3: TMVWSpeedButton
            Left = 184
            Top = 192
            Width = 80
            Height = 80
            Caption = '3'
            Tag = 3
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object HJSCORE0: TMVWSpeedButton
            Left = 8
            Top = 280
            Width = 80
            Height = 80
            Caption = '0'
            Tag = 0
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object HJSCORE10: TMVWSpeedButton
            Left = 96
            Top = 280
            Width = 80
            Height = 80
            Caption = '10'
            Tag = 10
            Font.Name = 'Verdana'
            Font.Height = -36
            Font.Style = [fsBold]
            ParentFont = False
            Visible = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object HJSCOREClear: TMVWSpeedButton
            Left = 184
            Top = 280
            Width = 80
            Height = 80
            Caption = 'Clear'#13#10' ESC'
            Tag = -1
            Font.Name = 'Verdana'
            Font.Height = -20
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            MultiLine = True
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object LabelTimePenalty: TMVWSimpleLabel
            OnClick = ActiveEditLabelClick
            Left = 400
            Top = 16
            Width = 300
            Height = 28
            AutoSize = False
            Alignment = agCenter
            Caption = 'Time Penalty'
            Transparent = True
            Font.Name = 'Verdana'
            Font.Height = -20
            Font.Style = [fsBold]
            Font.Color = clNavy
            ParentFont = False
            Tag = 4
          end
          object TimePenalty: TMVWSimpleLabel
            OnClick = ActiveEditLabelClick
            Left = 400
            Top = 48
            Width = 300
            Height = 96
            AutoSize = False
            Alignment = agCenter
            Caption = '0.0'
            Color = clWhite
            Transparent = False
            Font.Name = 'Verdana'
            Font.Height = -64
            Font.Style = [fsBold]
            Font.Color = clBlack
            ParentFont = False
            Tag = 4
          end
          object LabelTechnicalPenalty: TMVWSimpleLabel
            OnClick = ActiveEditLabelClick
            Left = 400
            Top = 152
            Width = 300
            Height = 28
            AutoSize = False
            Alignment = agCenter
            Caption = 'Technical Penalty'
            Transparent = True
            Font.Name = 'Verdana'
            Font.Height = -20
            Font.Style = [fsBold]
            Font.Color = clNavy
            ParentFont = False
            Tag = 5
          end
          object TechnicalPenalty: TMVWSimpleLabel
            OnClick = ActiveEditLabelClick
            Left = 400
            Top = 184
            Width = 300
            Height = 96
            AutoSize = False
            Alignment = agCenter
            Caption = '0.0'
            Color = clWhite
            Transparent = False
            Font.Name = 'Verdana'
            Font.Height = -64
            Font.Style = [fsBold]
            Font.Color = clBlack
            ParentFont = False
            Tag = 5
          end
          object HJArrow: TMVWLImage
            Left = 328
            Top = 48
            Width = 64
            Height = 96
            Tag = 4
            ImageList = MVWBitmapList1
            ListIndex = 1
            Style = sbKeepAspRatio
            ForceTransparent = True
          end
          object ButtonSendHJ: TMVWSpeedButton
            OnClick = ButtonSendHJClick
            Left = 400
            Top = 300
            Width = 300
            Height = 88
            Caption = 'Send / Enter'
            Font.Name = 'Verdana'
            Font.Height = -28
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object ButtonPrev: TMVWSpeedButton
            OnClick = ButtonPrevClick
            Left = 8
            Top = 380
            Width = 168
            Height = 88
            Caption = 'Previous'#13#10' Routine'
            Font.Name = 'Verdana'
            Font.Height = -22
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            MultiLine = True
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object ButtonNext: TMVWSpeedButton
            OnClick = ButtonNextClick
            Left = 184
            Top = 380
            Width = 168
            Height = 88
            Caption = '  Next'#13#10'Routine'
            Font.Name = 'Verdana'
            Font.Height = -22
            Font.Style = [fsBold]
            ParentFont = False
            Color = clSilver
            MultiLine = True
            EnterColor = clBlue
            EnterColorChange = True
            Style = ubsIntegrated
          end
          object LabelHJMessage: TMVWSimpleLabel
            Left = 8
            Top = 496
            Width = 704
            Height = 40
            AutoSize = False
            Alignment = agCenter
            Caption = 'No need to enter a decimal. Press Enter or Send when done.'
            Transparent = True
            Font.Name = 'Verdana'
            Font.Height = -16
            Font.Style = [fsBold]
            Font.Color = clNavy
            ParentFont = False
          end
        end
      end
    end
    object STC: TPage
      Caption = 'STC'
      object PanelSTC: TPanel
        Align = alClient
        Left = 0
        Top = 0
        Width = 1350
        Height = 649
        BevelOuter = bvNone
        Caption = ''
        ParentColor = True
        object LabelSTCTitle: TMVWSimpleLabel
          Left = 8
          Top = 4
          Width = 300
          Height = 32
          AutoSize = False
          Alignment = agCenterLeft
          Caption = 'STC'
          Transparent = True
          Font.Name = 'Verdana'
          Font.Height = -28
          Font.Style = [fsBold]
          Font.Color = clNavy
          ParentFont = False
        end
        object STCButton1: TMVWPanelFill
          OnClick = STCButton1Click
          Left = 65
          Top = 40
          Width = 130
          Height = 378
          Tag = 1
          Caption = '0.1'
          Color = clGreen
          FillObject.Style = sfNone
          Bevel.StyleOuter = bvRaised
          Bevel.WidthOuter = 3
          Font.Name = 'Verdana'
          Font.Height = -56
          Font.Style = [fsBold]
          Font.Color = clWhite
          ParentFont = False
        end
        object STCSubtract1: TMVWSpeedButton
          OnClick = STCSubtract1Click
          Left = 65
          Top = 438
          Width = 130
          Height = 64
          Caption = '-1'
          Tag = 1
          Font.Name = 'Verdana'
          Font.Height = -32
          Font.Style = [fsBold]
          ParentFont = False
          Color = clSilver
          EnterColor = clBlue
          EnterColorChange = True
          Style = ubsIntegrated
        end
        object STCCount1: TMVWSimpleLabel
          Left = 65
          Top = 522
          Width = 130
          Height = 67
          AutoSize = False
          Alignment = agCenter
          Caption = '0'
          Color = clWhite
          Transparent = False
          Font.Name = 'Verdana'
          Font.Height = -48
          Font.Style = [fsBold]
          Font.Color = clBlack
          ParentFont = False
        end
        object STCLabel1: TMVWSimpleLabel
          Left = 65
          Top = 589
          Width = 130
          Height = 20
          AutoSize = False
          Alignment = agCenter
          Caption = 'Small 0.1'
          Transparent = True
          Font.Name = 'Verdana'
          Font.Height = -14
          Font.Style = [fsBold]
          Font.Color = clNavy
          ParentFont = False
          Tag = 0
        end
        object STCButton2: TMVWPanelFill
          OnClick = STCButton1Click
          Left = 260
          Top = 40
          Width = 130
          Height = 378
          Tag = 2
          Caption = '0.5'
          Color = clYellow
          FillObject.Style = sfNone
          Bevel.StyleOuter = bvRaised
          Bevel.WidthOuter = 3
          Font.Name = 'Verdana'
          Font.Height = -56
          Font.Style = [fsBold]
          Font.Color = clBlack
          ParentFont = False
        end
        object STCSubtract2: TMVWSpeedButton
          OnClick = STCSubtract1Click
          Left = 260
          Top = 438
          Width = 130
          Height = 64
          Caption = '-1'
          Tag = 2
          Font.Name = 'Verdana'
          Font.Height = -32
          Font.Style = [fsBold]
          ParentFont = False
          Color = clSilver
          EnterColor = clBlue
          EnterColorChange = True
          Style = ubsIntegrated
        end
        object STCCount2: TMVWSimpleLabel
          Left = 260
          Top = 522
          Width = 130
          Height = 67
          AutoSize = False
          Alignment = agCenter
          Caption = '0'
          Color = clWhite
          Transparent = False
          Font.Name = 'Verdana'
          Font.Height = -48
          Font.Style = [fsBold]
          Font.Color = clBlack
          ParentFont = False
        end
        object STCLabel2: TMVWSimpleLabel
          Left = 260
          Top = 589
          Width = 130
          Height = 20
          AutoSize = False
          Alignment = agCenter
          Caption = 'Obvious 0.5'
          Transparent = True
          Font.Name = 'Verdana'
          Font.Height = -14
          Font.Style = [fsBold]
          Font.Color = clNavy
          ParentFont = False
          Tag = 0
        end
        object STCButton3: TMVWPanelFill
          OnClick = STCButton1Click
          Left = 455
          Top = 40
          Width = 130
          Height = 378
          Tag = 3
          Caption = '3.0'
          Color = clRed
          FillObject.Style = sfNone
          Bevel.StyleOuter = bvRaised
          Bevel.WidthOuter = 3
          Font.Name = 'Verdana'
          Font.Height = -56
          Font.Style = [fsBold]
          Font.Color = clWhite
          ParentFont = False
        end
        object STCSubtract3: TMVWSpeedButton
          OnClick = STCSubtract1Click
          Left = 455
          Top = 438
          Width = 130
          Height = 64
          Caption = '-1'
          Tag = 3
          Font.Name = 'Verdana'
          Font.Height = -32
          Font.Style = [fsBold]
          ParentFont = False
          Color = clSilver
          EnterColor = clBlue
          EnterColorChange = True
          Style = ubsIntegrated
        end
        object STCCount3: TMVWSimpleLabel
          Left = 455
          Top = 522
          Width = 130
          Height = 67
          AutoSize = False
          Alignment = agCenter
          Caption = '0'
          Color = clWhite
          Transparent = False
          Font.Name = 'Verdana'
          Font.Height = -48
          Font.Style = [fsBold]
          Font.Color = clBlack
          ParentFont = False
        end
        object STCLabel3: TMVWSimpleLabel
          Left = 455
          Top = 589
          Width = 130
          Height = 20
          AutoSize = False
          Alignment = agCenter
          Caption = 'Major 3.0'
          Transparent = True
          Font.Name = 'Verdana'
          Font.Height = -14
          Font.Style = [fsBold]
          Font.Color = clNavy
          ParentFont = False
          Tag = 0
        end
        object ButtonHome5: TMVWSpeedButton
          OnClick = ButtonHomeClick
          Left = 650
          Top = 40
          Width = 97
          Height = 64
          Caption = 'Home'
          Font.Name = 'Verdana'
          Font.Height = -20
          Font.Style = [fsBold]
          ParentFont = False
          Color = clSilver
          EnterColor = clBlue
          EnterColorChange = True
          Style = ubsIntegrated
        end
        object STCClearButton: TMVWSpeedButton
          OnClick = STCClearButtonClick
          Left = 650
          Top = 168
          Width = 97
          Height = 80
          Caption = 'Clear'#13#10' ESC'
          Font.Name = 'Verdana'
          Font.Height = -20
          Font.Style = [fsBold]
          ParentFont = False
          Color = clSilver
          MultiLine = True
          EnterColor = clBlue
          EnterColorChange = True
          Style = ubsIntegrated
        end
        object STCStartStop: TMVWSpeedButton
          OnClick = STCStartStopClick
          Left = 626
          Top = 438
          Width = 145
          Height = 64
          Caption = 'Start / Stop'#13#10'   Decimal'
          Font.Name = 'Verdana'
          Font.Height = -16
          Font.Style = [fsBold]
          ParentFont = False
          Color = clSilver
          MultiLine = True
          EnterColor = clBlue
          EnterColorChange = True
          Style = ubsIntegrated
        end
        object STCClock: TMVWSimpleLabel
          Left = 626
          Top = 522
          Width = 145
          Height = 67
          AutoSize = False
          Alignment = agCenter
          Caption = '0:00.0'
          Color = clWhite
          Transparent = False
          Font.Name = 'Verdana'
          Font.Height = -36
          Font.Style = [fsBold]
          Font.Color = clBlack
          ParentFont = False
        end
        object STCClockLabel: TMVWSimpleLabel
          Left = 626
          Top = 589
          Width = 145
          Height = 20
          AutoSize = False
          Alignment = agCenter
          Caption = 'Time'
          Transparent = True
          Font.Name = 'Verdana'
          Font.Height = -13
          Font.Style = [fsBold]
          Font.Color = clNavy
          ParentFont = False
        end
        object STCLog: TMemo
          Left = 780
          Top = 430
          Width = 240
          Height = 100
          Lines.Strings = (
)
          ReadOnly = True
          ScrollBars = ssVertical
          Visible = False
        end
        object GridSTCPanel: TMVWPanelFill
          Left = 780
          Top = 40
          Width = 240
          Height = 378
          Color = clSilver
          FillObject.Style = sfNone
          Bevel.StyleOuter = bvRaised
          Caption = ''
          object LabelGridSTC: TMVWSimpleLabel
            Left = 4
            Top = 4
            Width = 232
            Height = 40
            AutoSize = False
            Alignment = agCenter
            Caption = 'STC starts the clock'#13#10'Major errors are displayed'
            Transparent = True
            MultiLine = True
            Font.Name = 'Verdana'
            Font.Height = -12
            Font.Style = [fsBold]
            Font.Color = clNavy
            ParentFont = False
          end
          object GridSTC: TStringGrid
            DefaultDrawing = False
            OnDrawCell = GridSTCDrawCell
            Left = 4
            Top = 48
            Width = 232
            Height = 290
            DefaultColWidth = 64
            DefaultRowHeight = 20
            ColCount = 4
            RowCount = 2
            FixedCols = 0
            FixedRows = 1
            Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine]
            ScrollBars = ssVertical
            TabStop = False
            Font.Name = 'Verdana'
            Font.Height = -12
            Font.Style = [fsBold]
            ParentFont = False
            Color = clWhite
          end
          object EnableSTCLog: TMVWCheckBox
            Left = 4
            Top = 346
            Width = 232
            Height = 24
            Caption = 'Autosave to STCLog.txt'
            Checked = False
            ParentColor = True
            Font.Name = 'Verdana'
            Font.Height = -12
            Font.Style = [fsBold]
            ParentFont = False
          end
        end
      end
    end
    object DATC: TPage
      Caption = 'DATC'
      object PanelDATC: TPanel
        Align = alClient
        Left = 0
        Top = 0
        Width = 1350
        Height = 649
        BevelOuter = bvNone
        Caption = ''
        ParentColor = True
        object LabelDATCTitle: TMVWSimpleLabel
          Left = 8
          Top = 8
          Width = 400
          Height = 40
          AutoSize = False
          Alignment = agCenterLeft
          Caption = 'DATC'
          Transparent = True
          Font.Name = 'Verdana'
          Font.Height = -28
          Font.Style = [fsBold]
          Font.Color = clNavy
          ParentFont = False
        end
        object GridDATC: TStringGrid
          Left = 8
          Top = 56
          Width = 1026
          Height = 585
          DefaultColWidth = 56
          DefaultRowHeight = 40
          ColCount = 17
          RowCount = 2
          FixedCols = 0
          FixedRows = 0
          Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine]
          ScrollBars = ssNone
          TabStop = False
          Font.Name = 'Verdana'
          Font.Height = -16
          Font.Style = [fsBold]
          ParentFont = False
          Color = clWhite
          DefaultDrawing = False
          OnDrawCell = GridDATCDrawCell
          OnSelectCell = GridDATCSelectCell
          OnDblClick = GridDATCDblClick
          OnMouseDown = GridDATCMouseDown
        end
      end
    end
  end
  object JudgeGrid: TStringGrid
    Left = 8
    Top = 64
    Width = 400
    Height = 120
    DefaultColWidth = 64
    DefaultRowHeight = 20
    ColCount = 6
    RowCount = 1
    FixedCols = 0
    FixedRows = 0
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine]
    ScrollBars = ssNone
    TabStop = False
    Font.Name = 'Verdana'
    Font.Height = -11
    Font.Style = [fsBold]
    ParentFont = False
    Visible = False
  end
  object TestImage: TImage
    Left = 8
    Top = 192
    Width = 64
    Height = 32
    Visible = False
  end
  object Timer1: TTimer
    Interval = 100
    Enabled = False
    OnTimer = Timer1Timer
  end
  object TimerPowerMeter: TTimer
    Interval = 10000
    Enabled = False
    OnTimer = TimerPowerMeterTimer
  end
  object ReconnectTimer: TTimer
    OnTimer = ReconnectTimerTimer
    Interval = 2000
    Enabled = False
  end
  object TestTimer: TTimer
    OnTimer = TestTimerTimer
    Interval = 3000
    Enabled = False
  end
  object ThankYouConfirmationTimer: TTimer
    Interval = 2000
    Enabled = False
  end
  object TimerClick: TTimer
    OnTimer = TimerClickTimer
    Interval = 500
    Enabled = False
  end
  object TimerRoutine: TTimer
    OnTimer = TimerRoutineTimer
    Interval = 100
    Enabled = False
  end
  object IdIPWatch: TIdIPWatch
  end
  object client: TIdTCPClient
    Port = 8963
    OnConnected = clientConnected
    OnDisconnected = clientDisconnected
  end
end
