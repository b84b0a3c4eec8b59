object GridsForm: TGridsForm
  Left = 20
  Top = 20
  Width = 640
  Height = 480
  Caption = 'Grids'
  object Grid: TStringGrid
    Left = 8
    Top = 8
    Width = 600
    Height = 240
    ColCount = 7
    RowCount = 8
    DefaultColWidth = 52
    DefaultRowHeight = 26
    FixedColor = clYellow
    Color = clWhite
    Font.Color = clRed
    Font.Height = -18
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    OnSelectCell = GridSelectCell
  end
  object Board: TStringGrid
    Left = 8
    Top = 260
    Width = 600
    Height = 120
    FixedCols = 6
    ColCount = 8
    FixedRows = 0
    RowCount = 3
    DefaultColWidth = 30
    GridLineWidth = 3
    Options = [goVertLine, goHorzLine, goRowSelect]
    ScrollBars = ssNone
  end
end
