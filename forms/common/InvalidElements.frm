object InvalidElements: TInvalidElements
  Left = 0
  Top = 0
  Width = 462
  Height = 121
  Caption = ''
  BorderStyle = bsNone
  FormStyle = fsStayOnTop
  Position = poMainFormCenter
  Color = 33023
  Font.Name = 'Verdana'
  Font.Height = -13
  ParentFont = False
  OnShow = FormShow
  object PanelBackground: TMVWPanelFill
    Align = alClient
    Left = 0
    Top = 0
    Width = 462
    Height = 121
    Caption = ''
    Color = 33023
    FillObject.Style = sfGradient
    FillObject.Gradient.Color = clRed
    FillObject.Gradient.EndColor = clYellow
    FillObject.Gradient.ColorCount = 64
    Bevel.StyleOuter = bvRaised
    object PanelLostConnection: TMVWPanelFill
      Left = 16
      Top = 16
      Width = 430
      Height = 32
      Caption = 'Lost Connection'
      Color = clBlue
      FillObject.Style = sfNone
      Font.Name = 'Verdana'
      Font.Height = -16
      Font.Style = [fsBold]
      Font.Color = clWhite
      ParentFont = False
    end
    object PanelReconnecting: TMVWPanelFill
      Left = 16
      Top = 64
      Width = 430
      Height = 40
      Caption = 'Reconnecting in 2 seconds.'
      Color = clBlue
      FillObject.Style = sfNone
      Font.Name = 'Verdana'
      Font.Height = -19
      Font.Style = [fsBold]
      Font.Color = clWhite
      ParentFont = False
    end
  end
  object Timer1: TTimer
    Interval = 2000
    Enabled = False
    OnTimer = Timer1Timer
  end
end
