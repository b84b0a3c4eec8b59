object PanelForm: TForm
  Left = 40
  Caption = 'Panels'
  object Keys: TMVWBackPanel
    Left = 8
    Top = 8
    Width = 320
    Height = 240
    Bevel.StyleOuter = bvLowered
    QuickDraw = True
    ListIndex = 2
    Internal = 'MVWBML30'
    object Frame: TMVWSimplePanel
      Width = 50
      Height = 30
      Transparent = True
      Ctl3D = False
      ParentCtl3D = False
      Bevel.Mode = bmEdge
    end
  end
  object Tile: TMVWPanelFill
    Width = 180
    Height = 80
    Caption = 'Execution'
    Alignment = agBottomRight
    FillObject.Style = sfGradient
    FillObject.Gradient.EndColor = clNavy
    FontFX.Angle = 90
    TransparentBorder = True
  end
  object Grid: TMVWButtonPanel
    ButtonWidth = 30
    ButtonStyle = ubsFlat
    Buttons = <
      item
        Caption = '1'
      end
      item
        Caption = '2'
      end>
    OnButtonClick = GridClick
  end
end
