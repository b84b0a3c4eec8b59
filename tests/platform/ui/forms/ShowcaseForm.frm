object ShowcaseForm: TShowcaseForm
  Left = 40
  Top = 30
  Width = 420
  Height = 260
  Caption = 'Marivo'
  Color = clRed
  OnCreate = FormCreate
  OnShow = FormShow
  OnClose = FormClose
  OnCloseQuery = FormCloseQuery
end
