Attribute VB_Name = "basTax"
Option Explicit

Public Const TAX_RATE As Double = 0.1

Public Enum RoundMode
    rmDown = 0
    rmUp = 1
End Enum

Rem 税額を求める (端数は切り捨て)
Public Function AddTax(ByVal lngAmount As Long) As Long
    dblTax = lngAmount * TAX_RATE
    AddTax = Int(dblTax)
End Function
