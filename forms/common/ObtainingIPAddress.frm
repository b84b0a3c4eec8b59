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
  object NoticePictures: TMVWGraphicList
    Graphics = <
      item
        Name = 'notice'
        Picture.File = 'notice.bmp'
      end>
  end
  object PanelTitle: TMVWPanelFill
    Align = alTop
    Left = 0
    Top = 0
    Width = 413
    Height = 32
    Caption = 'Retrieving your IP Address'
    Color = clBlue
    FillObject.Style = sfNone
    Font.Name = 'Verdana'
    Font.Height = -16
    Font.Style = [fsBold]
    Font.Color = clWhite
    ParentFont = False
  end
  object PanelPictures: TMVWPanelFill
    Align = alClient
    Left = 0
    Top = 32
    Width = 413
    Height = 117
    Caption = ''
    Color = clAqua
    FillObject.Style = sfGradient
    FillObject.Gradient.ColorCount = 64
    FillObject.Gradient.EndColor = clAqua
    object Image1: TMVWLImage
      Left = 55
      Top = 26
      Width = 64
      Height = 64
      ImageList = NoticePictures
      Style = sbCenter
      ForceTransparent = True
    end
    object Image2: TMVWLImage
      Left = 174
      Top = 26
      Width = 64
      Height = 64
      ImageList = NoticePictures
      Style = sbCenter
      ForceTransparent = True
    end
    object Image3: TMVWLImage
      Left = 294
      Top = 26
      Width = 64
      Height = 64
      ImageList = NoticePictures
      Style = sbCenter
      ForceTransparent = True
    end
  end
end
