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
  object PanelBackground: TPanel
    Align = alClient
    Left = 0
    Top = 0
    Width = 462
    Height = 121
    Caption = ''
    Color = 33023
    BevelOuter = bvRaised
    object PanelLostConnection: TPanel
      Left = 16
      Top = 16
      Width = 430
      Height = 32
      Caption = 'Lost Connection'
      Alignment = taCenter
      Color = clBlue
      BevelOuter = bvNone
      Font.Name = 'Verdana'
      Font.Height = -16
      Font.Style = [fsBold]
      Font.Color = clWhite
      ParentFont = False
    end
    object PanelReconnecting: TPanel
      Left = 16
      Top = 64
      Width = 430
      Height = 40
      Caption = 'Reconnecting in 2 seconds.'
      Alignment = taCenter
      Color = clBlue
      BevelOuter = bvNone
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
