object MainForm: TMainForm
  Left = 0
  Top = 0
  Width = 1366
  Height = 768
  Caption = 'Marivo'
  Color = clBtnFace
end
