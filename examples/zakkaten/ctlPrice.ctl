VERSION 5.00
Begin VB.UserControl ctlPrice 
   ClientHeight    =   375
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   2295
   ScaleHeight     =   375
   ScaleWidth      =   2295
   Begin VB.TextBox txtPrice 
      Alignment       =   1  '右揃え
      Height          =   315
      Left            =   0
      TabIndex        =   0
      Text            =   "0"
      Top             =   0
      Width           =   1695
   End
   Begin VB.Label lblYen 
      Caption         =   "円"
      Height          =   255
      Left            =   1800
      TabIndex        =   1
      Top             =   60
      Width           =   375
   End
End
Attribute VB_Name = "ctlPrice"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = True
Attribute VB_PredeclaredId = False
Attribute VB_Exposed = False
Option Explicit

' 金額の入力欄: 数字だけを受け付ける
Public Event Change()

Public Property Get Value() As Currency
Attribute Value.VB_UserMemId = 0
    Value = CCur(Val(txtPrice.Text))
End Property

Public Property Let Value(ByVal curNew As Currency)
    strShown = Format$(curNew, "#,##0")
    txtPrice.Text = strShown
    PropertyChanged "Value"
End Property

Private Sub txtPrice_Change()
    RaiseEvent Change
End Sub

Private Sub UserControl_Resize()
    txtPrice.Width = UserControl.ScaleWidth - lblYen.Width - 60
End Sub
