object StdCtrlsForm: TStdCtrlsForm
  Left = 10
  Top = 10
  Width = 700
  Height = 520
  Caption = 'Standard controls'
  Color = clBtnFace
  object TitleLabel: TLabel
    Left = 8
    Top = 8
    Caption = 'Judge 1'
    Color = clYellow
    Font.Color = clRed
    Font.Height = -16
    Font.Name = 'Arial'
  end
  object ScoreLabel: TLabel
    Left = 200
    Top = 8
    Width = 120
    Height = 60
    Alignment = taRightJustify
    Layout = tlBottom
    AutoSize = False
    Caption = '9.5'
    Color = clWhite
    Font.Color = clBlue
    Font.Height = -16
  end
  object SendButton: TButton
    Left = 8
    Top = 80
    Caption = 'Send'
    Default = True
    ModalResult = 1
    OnClick = SendButtonClick
  end
  object ConfirmCheck: TCheckBox
    Left = 100
    Top = 80
    Width = 140
    Checked = True
    Caption = 'Confirm'
    Hint = 'Ask before sending'
    Color = clAqua
    OnClick = ConfirmCheckClick
  end
  object NameEdit: TEdit
    Left = 8
    Top = 120
    Text = 'Anna'
    MaxLength = 5
    Color = clYellow
    OnChange = NameEditChange
  end
  object NotesMemo: TMemo
    Left = 8
    Top = 150
    Width = 200
    Height = 100
    Lines.Strings = (
      'first'
      'second')
    ScrollBars = ssVertical
    OnChange = NotesMemoChange
  end
  object JudgesList: TListBox
    Left = 220
    Top = 150
    Items.Strings = (
      'J1'
      'J2'
      'J3')
    OnClick = JudgesListClick
  end
  object PanelCombo: TComboBox
    Left = 360
    Top = 150
    Style = csDropDownList
    Items.Strings = (
      'Panel A'
      'Panel B'
      'Panel C')
    ItemIndex = 1
    DropDownCount = 5
    OnChange = PanelComboChange
  end
  object CountryCombo: TComboBox
    Left = 360
    Top = 190
    Items.Strings = (
      'CAN'
      'ESP'
      'JPN')
    Text = 'ESP'
    OnChange = CountryComboChange
  end
  object TeamBox: TGroupBox
    Left = 8
    Top = 270
    Width = 200
    Height = 100
    Caption = 'Team'
    Color = clWhite
    Font.Color = clRed
    object TeamLabel: TLabel
      Left = 20
      Top = 40
      Caption = 'Duet'
      Color = clLime
      Font.Color = clNavy
    end
  end
  object ElementGroup: TRadioGroup
    Left = 220
    Top = 270
    Width = 220
    Height = 180
    Caption = 'Element'
    Items.Strings = (
      'Technical'
      'Free'
      'Acro'#13'batic')
    ItemIndex = 0
    OnChange = ElementGroupChange
    OnClick = ElementGroupClick
  end
end
