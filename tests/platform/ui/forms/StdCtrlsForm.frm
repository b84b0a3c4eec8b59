object StdCtrlsForm: TStdCtrlsForm
  Left = 10
  Top = 10
  Width = 700
  Height = 520
  Caption = 'Standard controls'
  Color = clBtnFace
  object SendButton: TButton
    Left = 8
    Top = 80
    Caption = 'Send'
    Default = True
    ModalResult = 1
    TabOrder = 2
    OnClick = SendButtonClick
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
end
