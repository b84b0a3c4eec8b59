object ExtCtrlsForm: TExtCtrlsForm
  Left = 0
  Top = 0
  Width = 640
  Height = 480
  Caption = 'Extended controls'
  object Frame: TPanel
    Left = 8
    Top = 8
    Width = 400
    Height = 300
    Caption = 'Frame'
    BevelInner = bvLowered
    BorderWidth = 3
    object Book: TNotebook
      Left = 20
      Top = 60
      Width = 300
      Height = 200
      PageIndex = 1
      OnPageChanged = BookPageChanged
      object Opening: TPage
        Caption = 'Opening'
        object OpeningPanel: TPanel
          Left = 10
          Top = 10
          Caption = 'Welcome'
        end
      end
      object Scoring: TPage
        Caption = 'Scoring'
        object ScoringPanel: TPanel
          Left = 10
          Top = 60
          Caption = 'Scores'
          Alignment = taLeftJustify
        end
      end
      object Closing: TPage
        Caption = 'Closing'
        object ClosingPanel: TPanel
          Left = 10
          Top = 110
          Caption = 'Goodbye'
          BevelOuter = bvLowered
        end
      end
    end
  end
  object Holder: TPanel
    Left = 420
    Top = 8
    Width = 200
    Height = 120
    Caption = 'Holder'
    Color = clYellow
    Font.Color = clBlack
    object Filling: TPanel
      Align = alClient
      Caption = ''
      Color = clBlue
      BevelOuter = bvNone
      Visible = False
    end
  end
  object Status: TStatusBar
    Panels = <
      item
        Text = 'Judge 3'
        Width = 80
      end
      item
        Text = 'Connected'
        Width = 100
        Alignment = taCenter
      end
      item
        Width = 120
      end
      item
        Text = 'Solo'
        Bevel = pbRaised
      end
      item
        Text = '12:00'
        Alignment = taRightJustify
        Bevel = pbNone
      end
      item
        Text = 'Ready'
      end>
    OnDblClick = StatusDblClick
  end
  object Ticker: TTimer
    Enabled = False
    Interval = 50
    OnTimer = TickerTimer
  end
  object Clock: TTimer
    Interval = 60
    OnTimer = ClockTimer
  end
end
