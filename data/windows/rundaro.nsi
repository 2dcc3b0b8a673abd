; The Windows installer of Rundaro, made by tools/windows-build with NSIS:
;   makensis -DVERSION=<version> -DSTAGE=<folder with bin\, lib\, ...>
;            -DICON=<rundaro.ico> -DOUTFILE=<setup.exe> rundaro.nsi
;
; Without administrator rights (the default) it installs for the user alone,
; into %LOCALAPPDATA%\Programs\Rundaro, with the Start-menu entry and the
; entry in "Apps & features" of that user. Run as administrator, it installs
; for all users, into the Program Files folder. /CURRENTUSER installs for the
; user alone also then. /S installs silently, /D=<folder> (last, unquoted)
; names the folder.
; A 64-bit installer for a 64-bit program: it sees the registry and the
; Program Files folder of 64-bit programs.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define PRODUCT "Rundaro"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Rundaro"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1031 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1031 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "LegalCopyright" "${PRODUCT}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\bin\rundaro.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

Var AllUsers

; All users when the installer runs with administrator rights and was not
; told otherwise; the user alone else.
!macro ChooseUsers UN
Function ${UN}ChooseUsers
  StrCpy $AllUsers 0
  UserInfo::GetAccountType
  Pop $0
  ${GetOptions} $CMDLINE "/CURRENTUSER" $1
  ${If} $0 == "Admin"
  ${AndIf} ${Errors}
    StrCpy $AllUsers 1
  ${EndIf}
  ${If} $AllUsers == 1
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
FunctionEnd
!macroend
!insertmacro ChooseUsers ""
!insertmacro ChooseUsers "un."

Function .onInit
  Call ChooseUsers
  ; /D= given on the command line is already in $INSTDIR.
  ${If} $INSTDIR == ""
    ${If} $AllUsers == 1
      StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
    ${Else}
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
    ${EndIf}
  ${EndIf}
FunctionEnd

Section "Rundaro"
  ; A program of an earlier version may have left files of its own.
  RMDir /r "$INSTDIR\bin"
  RMDir /r "$INSTDIR\lib\rundaro"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\bin\rundaro.exe" "" "$INSTDIR\bin\rundaro.exe" 0

  ; "Apps & features" (SHCTX: the user's own or the machine's entry).
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\rundaro.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The uninstaller removes the installation it belongs to: the user's own,
; or, with administrator rights only, the one for all users.
Function un.onInit
  Call un.ChooseUsers
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    StrCpy $AllUsers 0
    SetShellVarContext current
  ${ElseIf} $AllUsers == 0
    MessageBox MB_ICONSTOP "Rundaro ist für alle Benutzer installiert. Bitte als Administrator deinstallieren." /SD IDOK
    Abort
  ${EndIf}
FunctionEnd

; Removes what the installer put there, and the folder if nothing else is in
; it. The settings in the registry and the saved races stay.
Section "Uninstall"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  RMDir /r "$INSTDIR\bin"
  RMDir /r "$INSTDIR\lib\rundaro"
  RMDir "$INSTDIR\lib"
  RMDir /r "$INSTDIR\share\rundaro"
  RMDir "$INSTDIR\share"
  RMDir /r "$INSTDIR\licenses"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
