; SPDX-FileCopyrightText: 2026 The Pallastro authors
; SPDX-License-Identifier: GPL-3.0-or-later
;
; The Pallastro installer: per user, with no administrator, into the user's
; own programs folder, with a Start-menu entry, an entry in the user's list of
; installed programs and, for that user alone, the file type of saved
; readings. The uninstaller removes what was installed and nothing else.
; dist.sh passes PRODUCT, VERSION, OUTFILE, ICON, SIZE_KB, LEGAL_COPYRIGHT,
; FILES (the list of files, written from the deploy folder) and LICENSE.

Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define PUBLISHER "${PRODUCT}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The user's own classes, which Windows merges over the machine's.
!define CLASSES "Software\Classes"
!define READING_EXTENSION ".grn"
!define READING_TYPE "${PRODUCT}.Reading"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
Icon "${ICON}"
UninstallIcon "${ICON}"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${LEGAL_COPYRIGHT}"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "Integration.nsh"
!include "${FILES}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\pallastro.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"

; The GPL asks for no acceptance to use the program: the page shows it and
; goes on with Next.
!define MUI_PAGE_HEADER_TEXT "Licence"
!define MUI_PAGE_HEADER_SUBTEXT "${PRODUCT} is free software."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "You need not accept this licence to use ${PRODUCT}: it gives you the right to share and change it. The licences of the parts it bundles are in the LICENSES folder it installs."
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "${PRODUCT}"
    ; The Start menu and the installed-programs list of this user, not of
    ; every user: no administrator rights are asked for.
    SetShellVarContext current
    !insertmacro PALLASTRO_INSTALL_FILES
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    ; The shortcut starts the program in the folder current when it is made:
    ; the user's documents, where readings are saved and looked for, not
    ; among the program's DLLs. The finish page's "Start" runs from there too.
    SetOutPath "$DOCUMENTS"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\pallastro.exe" "" "$INSTDIR\pallastro.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pallastro.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}

    ; Saved readings: their type, with the icon of a reading (the program's
    ; second) and the command a double click runs, and the extension that
    ; names it. OpenWithProgids offers the program under "Open with" too,
    ; for a user who has chosen another program for readings.
    WriteRegStr HKCU "${CLASSES}\${READING_TYPE}" "" "${PRODUCT} reading"
    WriteRegStr HKCU "${CLASSES}\${READING_TYPE}\DefaultIcon" "" "$INSTDIR\pallastro.exe,1"
    WriteRegStr HKCU "${CLASSES}\${READING_TYPE}\shell\open\command" "" '"$INSTDIR\pallastro.exe" "%1"'
    WriteRegStr HKCU "${CLASSES}\${READING_EXTENSION}" "" "${READING_TYPE}"
    WriteRegStr HKCU "${CLASSES}\${READING_EXTENSION}\OpenWithProgids" "${READING_TYPE}" ""
    ${NotifyShell_AssocChanged}
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    ; File by file: a reading the user saved into this folder is not ours,
    ; and RMDir leaves a folder that still holds something.
    !insertmacro PALLASTRO_REMOVE_FILES
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"

    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"

    ; The extension goes only while it still names the type: a program
    ; installed since may have claimed it. Each key goes once nothing else
    ; is left in it.
    DeleteRegKey HKCU "${CLASSES}\${READING_TYPE}"
    ReadRegStr $0 HKCU "${CLASSES}\${READING_EXTENSION}" ""
    ${If} $0 == "${READING_TYPE}"
        DeleteRegValue HKCU "${CLASSES}\${READING_EXTENSION}" ""
    ${EndIf}
    DeleteRegValue HKCU "${CLASSES}\${READING_EXTENSION}\OpenWithProgids" "${READING_TYPE}"
    DeleteRegKey /ifempty HKCU "${CLASSES}\${READING_EXTENSION}\OpenWithProgids"
    DeleteRegKey /ifempty HKCU "${CLASSES}\${READING_EXTENSION}"
    ${NotifyShell_AssocChanged}
SectionEnd
