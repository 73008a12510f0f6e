; The Windows installer of Klokkeven, built by scripts/windows.sh with
;   makensis -DVERSION=... -DOUTFILE=... -DINSTALL_FILES=... -DUNINSTALL_FILES=...
; It installs the program for all users into Program Files, makes a Start menu
; entry and registers its uninstaller. The uninstaller removes what was
; installed and nothing else: the users' data in C:\Urmappe stays.
; A 64-bit installer for a 64-bit program; it runs where the program runs.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Klokkeven"
!define UNINSTALLER "Afinstaller.exe"

Name "Klokkeven ${VERSION}"
OutFile "${OUTFILE}"
Icon "klokkeven.ico"
UninstallIcon "klokkeven.ico"
InstallDir "$PROGRAMFILES64\Klokkeven"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1030 "ProductName" "Klokkeven"
VIAddVersionKey /LANG=1030 "FileDescription" "Klokkeven installation"
VIAddVersionKey /LANG=1030 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1030 "LegalCopyright" "Klokkeven"

LoadLanguageFile "${NSISDIR}\Contrib\Language files\Danish.nlf"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
    ; The program is a 64-bit one: its keys and folders are the 64-bit ones.
    SetRegView 64
FunctionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

Section "Klokkeven"
    SetShellVarContext all
    !include "${INSTALL_FILES}"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    ; The program starts in its own folder, where it finds its DLLs.
    SetOutPath "$INSTDIR\bin"
    CreateShortcut "$SMPROGRAMS\Klokkeven.lnk" "$INSTDIR\bin\klokkeven.exe" "" \
        "$INSTDIR\bin\klokkeven.exe" 0
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Klokkeven"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Klokkeven"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\klokkeven.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\Klokkeven.lnk"
    ; Out of the folders that are to go.
    SetOutPath "$TEMP"
    !include "${UNINSTALL_FILES}"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
