Attribute VB_Name = "basMain"
Option Explicit

' 雑貨店の売上を集計する
Private Declare Function GetTickCount Lib "kernel32" () As Long
Private Declare Sub Sleep Lib "kernel32" _
    (ByVal dwMilliseconds As Long)

Public Const APP_TITLE As String = "雑貨店"

Private Type OrderLine
    strItem As String
    intQty As Integer
End Type

Private mlngStarted As Long

' 起動処理
Public Sub Main()
    mlngStarted = GetTickCount()
    strName = APP_TITLE
    intCount = 0
    frmOrder.Show
End Sub

' 合計金額を求める
' 税込みのときは税を足す
Public Function CalcTotal(ByVal curPrice As Currency, _
                          ByVal intQty As Integer, _
                          Optional ByVal blnTax As Boolean = True) As Currency
    ' 小計
    lngTotal = curPrice * intQty
    If blnTax Then
        lngTotal = lngTotal + AddTax(lngTotal)
    End If
    CalcTotal = lngTotal
End Function

Private Sub ShowMessage(ByVal strText As String)
    MsgBox strText & vbCrLf & _
           "End Sub で終わります", vbOKOnly, APP_TITLE
    Exit Sub
End Sub

Public Static Function NextOrderNo() As Long
    lngLast = lngLast + 1
    NextOrderNo = lngLast
End Function

