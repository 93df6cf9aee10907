VERSION 5.00
Begin VB.Form frmOrder 
   Caption         =   "注文入力"
   ClientHeight    =   2400
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4680
   LinkTopic       =   "Form1"
   ScaleHeight     =   2400
   ScaleWidth      =   4680
   StartUpPosition =   2  '画面の中央
   Begin VB.TextBox txtQty 
      Height          =   300
      Left            =   1440
      TabIndex        =   1
      Text            =   "1"
      Top             =   240
      Width           =   1215
   End
   Begin VB.CommandButton cmdOk 
      Caption         =   "OK"
      Default         =   -1  'True
      BeginProperty Font 
         Size            =   9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   375
      Left            =   3240
      TabIndex        =   0
      Top             =   1800
      Width           =   1215
   End
   Begin VB.Label lblQty 
      Caption         =   "数量"
      Height          =   255
      Left            =   240
      TabIndex        =   2
      Top             =   270
      Width           =   1095
   End
End
Attribute VB_Name = "frmOrder"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub cmdOk_Click()
    intQty = Val(txtQty.Text)
    curTotal = CalcTotal(100, intQty)
    MsgBox Format$(curTotal, "#,##0") & " 円", vbOKOnly, APP_TITLE
End Sub

Private Sub Form_Load()
    txtQty.Text = "1"
End Sub
