object BrokenForm: TBrokenForm
  Caption = 'Broken'
  Colour = clRed
end
