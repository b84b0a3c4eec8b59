object PicturesForm: TPicturesForm
  Left = 0
  Top = 0
  Width = 420
  Height = 320
  Caption = 'Pictures'
  Color = clLime
  object Logo: TImage
    Left = 8
    Top = 8
    Width = 100
    Height = 50
    Picture.File = 'pictures_halves.jpg'
  end
  object Stretched: TImage
    Left = 120
    Top = 8
    Width = 160
    Height = 80
    Stretch = True
    Picture.File = 'pictures_halves.jpg'
  end
  object Fitted: TImage
    Left = 8
    Top = 100
    Width = 100
    Height = 100
    Center = True
    Proportional = True
    Stretch = True
    Picture.File = 'pictures_halves.jpg'
  end
  object Quads: TImage
    Left = 120
    Top = 100
    Width = 50
    Height = 50
    AutoSize = True
    Picture.File = 'pictures_quads.bmp'
  end
  object Measure: TImage
    Left = 200
    Top = 100
    Width = 10
    Height = 10
    Visible = False
  end
end
