' The simulated Excel and Office driven by name by the system's own script
' host, as any late-binding client drives Excel: arguments a member does not
' take go to the default member of its result, For Each walks collections,
' and an argument nothing takes is an error rather than a wrong answer.
' Prints every mismatch and ends with status 1 when there was one.
Option Explicit

Dim failures
failures = 0

Sub Check(what, actual, expected)
  If CStr(actual) <> CStr(expected) Then
    WScript.Echo "MISMATCH " & what & ": got [" & actual & "], expected [" & expected & "]"
    failures = failures + 1
  End If
End Sub

' The items of a collection as For Each gives them, each by one member
' (Address, Name or Caption).
Function Walked(collection, member)
  Dim item, text
  text = ""
  For Each item In collection
    Select Case member
      Case "Address"
        text = text & item.Address & "|"
      Case "Name"
        text = text & item.Name & "|"
      Case Else
        text = text & item.Caption & "|"
    End Select
  Next
  Walked = text
End Function

Dim xl, wb, ws
Set xl = CreateObject("Excel.Application")
Set wb = xl.Workbooks.Add
Set ws = wb.Worksheets(1)

Check "Cells(2, 3).Address", ws.Cells(2, 3).Address, "$C$2"
Check "Cells(2).Address", ws.Cells(2).Address, "$B$1"
Check "Range(""A1:C3"")(2, 2).Address", ws.Range("A1:C3")(2, 2).Address, "$B$2"
Check "Range(""B2:D4"").Cells(2, 3).Address", ws.Range("B2:D4").Cells(2, 3).Address, "$D$3"
Check "Range(""A1:C3"").Rows(2).Address", ws.Range("A1:C3").Rows(2).Address, "$A$2:$C$2"
Check "Workbooks(1).Name", xl.Workbooks(1).Name, wb.Name
Check "Sheets(""sheet2"").Name", wb.Sheets("sheet2").Name, "Sheet2"
Check "Range(""A1,C3"").Areas.Count", ws.Range("A1,C3").Areas.Count, 2
Check "Range(""A1,C3"").Areas(2).Address", ws.Range("A1,C3").Areas(2).Address, "$C$3"

Check "For Each cell", Walked(ws.Range("A1:B2,D4"), "Address"), "$A$1|$B$1|$A$2|$B$2|$D$4|"
Check "For Each row", Walked(ws.Range("A1:B2").Rows, "Address"), "$A$1:$B$1|$A$2:$B$2|"
Check "For Each area", Walked(ws.Range("A1:B2,D4").Areas, "Address"), "$A$1:$B$2|$D$4|"
Check "For Each worksheet", Walked(wb.Worksheets, "Name"), "Sheet1|Sheet2|Sheet3|"
Check "For Each workbook", Walked(xl.Workbooks, "Name"), wb.Name & "|"

Check "CommandBars(1).Name", xl.CommandBars(1).Name, "Worksheet Menu Bar"
Check "CommandBars(""standard"").Name", xl.CommandBars("standard").Name, "Standard"
Dim bar, bars
bars = 0
For Each bar In xl.CommandBars
  bars = bars + 1
Next
Check "For Each bar counts", bars, xl.CommandBars.Count
Check "built-in bars", bars, 9

Dim custom
Set custom = xl.CommandBars.Add("Late Binding")
custom.Controls.Add 1
custom.Controls.Add 1
custom.Controls(1).Caption = "First"
custom.Controls(2).Caption = "Second"
Check "Controls(2).Caption", custom.Controls(2).Caption, "Second"
Check "For Each control", Walked(custom.Controls, "Caption"), "First|Second|"

Dim addIn, addIns
addIns = 0
For Each addIn In xl.COMAddIns
  addIns = addIns + 1
Next
Check "For Each add-in counts", addIns, xl.COMAddIns.Count

' Neither a name nor a bar has a default member to take the argument.
Dim refusal
On Error Resume Next
refusal = ws.Name(1)
refusal = Err.Number
Err.Clear
On Error GoTo 0
' The script host reports DISP_E_BADPARAMCOUNT as its own error 450.
If refusal <> 450 And refusal <> &H8002000E Then
  Check "ws.Name(1) refused", refusal, "450 (DISP_E_BADPARAMCOUNT)"
End If
On Error Resume Next
Set refusal = xl.CommandBars(1, 1)
refusal = Err.Number
Err.Clear
On Error GoTo 0
If refusal <> 450 And refusal <> &H8002000E Then
  Check "CommandBars(1, 1) refused", refusal, "450 (DISP_E_BADPARAMCOUNT)"
End If

xl.Quit
If failures > 0 Then
  WScript.Echo failures & " mismatches"
  WScript.Quit 1
End If
WScript.Echo "late binding: all checks passed"
WScript.Quit 0
