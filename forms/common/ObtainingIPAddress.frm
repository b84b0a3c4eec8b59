object ObtainingIPAddress: TObtainingIPAddress
  Left = 0
  Top = 0
  Width = 413
  Height = 149
  Caption = ''
  BorderStyle = bsNone
  FormStyle = fsStayOnTop
  Position = poMainFormCenter
  Color = clAqua
  Font.Name = 'Verdana'
  Font.Height = -13
  ParentFont = False
  object FormShape: TMVWFormShape
    ShowFormCaption = False
    FormDragable = False
    FillObject.Style = sfGradient
    FillObject.Gradient.ColorCount = 64
    FillObject.Gradient.EndColor = clAqua
  end
  object PanelTitle: TPanel
    Align = alTop
    Left = 0
    Top = 0
    Width = 413
    Height = 32
    Caption = 'Retrieving your IP Address'
    Alignment = taCenter
    Color = clBlue
    BevelOuter = bvNone
    Font.Name = 'Verdana'
    Font.Height = -16
    Font.Style = [fsBold]
    Font.Color = clWhite
    ParentFont = False
  end
  object PanelPictures: TPanel
    Align = alClient
    Left = 0
    Top = 32
    Width = 413
    Height = 117
    Caption = ''
    Color = clAqua
    BevelOuter = bvNone
    object Image1: TImage
      Left = 55
      Top = 26
      Width = 64
      Height = 64
      Picture.File = 'notice.bmp'
    end
    object Image2: TImage
      Left = 174
      Top = 26
      Width = 64
      Height = 64
      Picture.File = 'notice.bmp'
    end
    object Image3: TImage
      Left = 294
      Top = 26
      Width = 64
      Height = 64
      Picture.File = 'notice.bmp'
    end
  end
end
