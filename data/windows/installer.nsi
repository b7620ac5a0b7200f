; SPDX-FileCopyrightText: 2026 The Bitovka developers
;
; SPDX-License-Identifier: GPL-3.0-or-later

; The per-user installer of Bitovka for Windows: no administrator needed, into
; the user's own programs folder, a Start-menu entry, and an uninstaller that
; Settings > Apps lists and that removes exactly what was installed. /S
; installs and uninstalls silently. makensis gets VERSION, EXE, ICON, GPL,
; NOTICES and OUTFILE with -D.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestSupportedOS Win10

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Bitovka"

Name "Bitovka"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Bitovka"
InstallDirRegKey HKCU "${KEY}" "InstallLocation"
BrandingText "Bitovka ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\bitovka.exe"
!insertmacro MUI_PAGE_LICENSE "${GPL}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Czech"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_CZECH} "ProductName" "Bitovka"
VIAddVersionKey /LANG=${LANG_CZECH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_CZECH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_CZECH} "FileDescription" "Instalace programu Bitovka"
VIAddVersionKey /LANG=${LANG_CZECH} "CompanyName" "The Bitovka developers"
VIAddVersionKey /LANG=${LANG_CZECH} "LegalCopyright" "Copyright 2026 The Bitovka developers; GPL-3.0-or-later"

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "/oname=bitovka.exe" "${EXE}"
    File "/oname=LICENCE.txt" "${NOTICES}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Bitovka.lnk" "$INSTDIR\bitovka.exe" "" "$INSTDIR\bitovka.exe" 0

    WriteRegStr HKCU "${KEY}" "DisplayName" "Bitovka"
    WriteRegStr HKCU "${KEY}" "DisplayIcon" "$INSTDIR\bitovka.exe,0"
    WriteRegStr HKCU "${KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${KEY}" "Publisher" "The Bitovka developers"
    WriteRegStr HKCU "${KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${KEY}" "EstimatedSize" "$0"
SectionEnd

; Only what the installer put there; the folder goes when it is left empty.
Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\Bitovka.lnk"
    Delete "$INSTDIR\bitovka.exe"
    Delete "$INSTDIR\LICENCE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    ; The per-user programs folder, when this installer made it and it is
    ; left empty.
    RMDir "$LOCALAPPDATA\Programs"
    DeleteRegKey HKCU "${KEY}"
SectionEnd
