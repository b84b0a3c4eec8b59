object KeypadForm: TKeypadForm
  Left = 40
  Caption = 'Keypad'
  object INDSCORE7: TMVWSpeedButton
    Left = 8
    Top = 8
    Width = 80
    Height = 80
    Caption = '7'
    Tag = 7
    Color = clSilver
    Font.Name = 'Verdana'
    Font.Height = -36
    Font.Style = [fsBold]
    ParentFont = False
    Glyph.File = 'keypad_key.bmp'
    NumGlyphs = 2
    ButtonLayout.AlignText2Glyph = taTop
    EnterColorChange = True
    Style = ubsIntegrated
    Internal = 'MVWBML30'
    OnClick = KeyClick
  end
  object INDSCORE8: TMVWSpeedButton
    Caption = 'Clear'#13#10' ESC'
    Glyph.Data = {
      424D3E000000000000003E000000280000000100000001000000010018000000
      0000040000000000000000000000000000000000000000FF0000}
    GroupIndex = 1
    DropDownMenu = KeyMenu
  end
  object KeyMenu: TPopupMenu
  end
end
