object ScoresForm: TScoresForm
  Left = 0
  Top = 0
  Width = 1346
  Height = 748
  Caption = ''
  BorderStyle = bsNone
  FormStyle = fsStayOnTop
  Position = poMainFormCenter
  Color = clBlue
  Font.Name = 'Courier New'
  Font.Height = -32
  Font.Style = [fsBold]
  Font.Color = clWhite
  ParentFont = False
  OnShow = FormShow
  object PanelScores: TMVWSimplePanel
    Align = alClient
    Left = 0
    Top = 0
    Width = 1346
    Height = 748
    Color = clBlue
    Bevel.StyleOuter = bvLowered
    Bevel.StyleInner = bvLowered
    Bevel.WidthOuter = 3
    Bevel.WidthInner = 3
    object ScoresGrid: TStringGrid
      Left = 219
      Top = 174
      Width = 908
      Height = 400
      DefaultColWidth = 128
      DefaultRowHeight = 48
      ColCount = 7
      RowCount = 8
      FixedCols = 0
      FixedRows = 0
      GridLineWidth = 1
      Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine]
      ScrollBars = ssNone
      Color = clBlue
      TabStop = False
      ParentFont = True
    end
  end
  object ScoresTimer: TTimer
    Interval = 6000
    Enabled = False
    OnTimer = ScoresTimerTimer
  end
end
