; The Windows installer: the portable folder's programs and libraries into Program Files, a
; Start-menu entry and an uninstaller. Settings and the port configuration live per user in
; %APPDATA%\Brenvox (no Nastawy folder beside the program: that marks the portable layout).
; makensis -DVERSION=1.1 -DSRCDIR=<portable folder> -DOUTFILE=<setup.exe> brenvox.nsi
; A 64-bit installer for the 64-bit program: it runs wherever the program can.
Target amd64-unicode
!include "MUI2.nsh"

Name "Brenvox ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Brenvox"
InstallDirRegKey HKLM "Software\Brenvox" "InstallDir"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Polish"

!define UNINSTKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Brenvox"

Section "Brenvox"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r /x "Nastawy" /x "System" /x "CZYTAJ.txt" "${SRCDIR}\*.*"
  WriteUninstaller "$INSTDIR\Odinstaluj.exe"
  CreateShortcut "$SMPROGRAMS\Brenvox.lnk" "$INSTDIR\Brenvox.exe"
  WriteRegStr HKLM "Software\Brenvox" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTKEY}" "DisplayName" "Brenvox ${VERSION}"
  WriteRegStr HKLM "${UNINSTKEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTKEY}" "DisplayIcon" "$INSTDIR\Brenvox.exe"
  WriteRegStr HKLM "${UNINSTKEY}" "UninstallString" '"$INSTDIR\Odinstaluj.exe"'
  WriteRegStr HKLM "${UNINSTKEY}" "QuietUninstallString" '"$INSTDIR\Odinstaluj.exe" /S'
  WriteRegDWORD HKLM "${UNINSTKEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTKEY}" "NoRepair" 1
SectionEnd

; The users' settings in %APPDATA% stay: they are the users' own files, not the program's.
Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Brenvox.lnk"
  RMDir /r "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTKEY}"
  DeleteRegKey HKLM "Software\Brenvox"
SectionEnd
