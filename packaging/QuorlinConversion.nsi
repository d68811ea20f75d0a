; The per-user installer. scripts/dist.sh compiles it with makensis and defines:
;   PRODUCT, PUBLISHER, VERSION, COPYRIGHT  from the program's version information
;   STAGE    the folder holding the files to install (QuorlinConversion.exe, README.txt and,
;            when the build has it, quorlin.exe)
;   ICON     the program's icon, OUTFILE the installer to write
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define EXE "QuorlinConversion.exe"
!define UNINSTALLER "uninstall.exe"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
!define PROGRAMS_LIST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall"
!define UNINSTALL_KEY "${PROGRAMS_LIST_KEY}\QuorlinConversion"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; A second install goes where the first one went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; What the install created beyond its own files, kept in its uninstall entry so that the
; uninstaller removes that and nothing more: the outermost folder of $INSTDIR that did not exist
; before (empty when $INSTDIR itself already existed), and whether the user's list of installed
; programs was created for this entry (a fresh profile may have none).
Var createdFolder
Var createdProgramsList

Function FindFolderToCreate
  StrCpy $createdFolder ""
  StrCpy $0 "$INSTDIR"
  ${DoUntil} ${FileExists} "$0\*.*"
    StrCpy $createdFolder "$0"
    ${GetParent} "$0" $0
  ${LoopUntil} $0 == ""
FunctionEnd

Section "Install"
  ; Installing again over this product keeps what the first install created.
  ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $1 != ""
    ReadRegStr $createdProgramsList HKCU "${UNINSTALL_KEY}" "CreatedProgramsList"
  ${Else}
    ClearErrors
    EnumRegKey $2 HKCU "${PROGRAMS_LIST_KEY}" 0
    ${IfThen} ${Errors} ${|} StrCpy $createdProgramsList "1" ${|}
  ${EndIf}
  ${If} $1 == "$INSTDIR"
    ReadRegStr $createdFolder HKCU "${UNINSTALL_KEY}" "CreatedFolder"
  ${Else}
    Call FindFolderToCreate
  ${EndIf}

  SetOutPath "$INSTDIR"
  File "${STAGE}\${EXE}"
  File "${STAGE}\README.txt"
  !if /FileExists "${STAGE}\quorlin.exe"
    File "${STAGE}\quorlin.exe"
  !endif
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortCut "${SHORTCUT}" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

  ${GetSize} "$INSTDIR" "/M=* /S=0K /G=0" $2 $3 $4
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${If} $createdFolder != ""
    WriteRegStr HKCU "${UNINSTALL_KEY}" "CreatedFolder" "$createdFolder"
  ${EndIf}
  ${If} $createdProgramsList == "1"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "CreatedProgramsList" "1"
  ${EndIf}
SectionEnd

Section "Uninstall"
  ReadRegStr $createdFolder HKCU "${UNINSTALL_KEY}" "CreatedFolder"
  ReadRegStr $createdProgramsList HKCU "${UNINSTALL_KEY}" "CreatedProgramsList"

  Delete "$INSTDIR\${EXE}"
  Delete "$INSTDIR\README.txt"
  !if /FileExists "${STAGE}\quorlin.exe"
    Delete "$INSTDIR\quorlin.exe"
  !endif
  Delete "$INSTDIR\${UNINSTALLER}"
  Delete "${SHORTCUT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ${If} $createdProgramsList == "1"
    DeleteRegKey /ifempty HKCU "${PROGRAMS_LIST_KEY}"
  ${EndIf}

  ; RMDir without /r leaves a folder that still holds files of the user's own.
  ${If} $createdFolder != ""
    StrCpy $0 "$INSTDIR"
    ${Do}
      RMDir "$0"
      ${IfThen} $0 == $createdFolder ${|} ${ExitDo} ${|}
      ${GetParent} "$0" $0
    ${LoopUntil} $0 == ""
  ${EndIf}
SectionEnd
