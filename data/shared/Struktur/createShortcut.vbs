' Makes the start-up shortcut of Klokkeven on Windows: a shell link that
' starts the program.
'   createShortcut.vbs PROGRAM SHORTCUT
' PROGRAM is the program file the link starts, SHORTCUT the link's path.
Option Explicit

Dim args, shell, fso, link
Set args = WScript.Arguments
If args.Count <> 2 Then WScript.Quit 2

Set shell = CreateObject("WScript.Shell")
Set fso = CreateObject("Scripting.FileSystemObject")
Set link = shell.CreateShortcut(args(1))
link.TargetPath = args(0)
link.WorkingDirectory = fso.GetParentFolderName(args(0))
link.Description = "Klokkeven"
link.Save
