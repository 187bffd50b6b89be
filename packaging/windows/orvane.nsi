; The Windows installer of Orvane, made by `cmake --build BUILD --target installer`
; (cmake/WindowsInstaller.cmake), which passes:
;   VERSION  the program's version         STAGE    the installed program folder
;   OUTFILE  the installer to write        REMOVALS the uninstaller's list of that folder's files
;   ICON     the program's icon
; Silent: `Orvane-VERSION-setup.exe /S /D=C:\Folder` (/D last, unquoted, as NSIS wants it);
; `uninstall.exe /S` likewise.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "${REMOVALS}"

!define PRODUCT "Orvane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvane"
!define CLASS "Orvane.Project"
; Where the program looks for the shared catalogue (the common application
; data folder), as $APPDATA names it for all users.
!define SHARED_DATA "$APPDATA\Mirvex\Quorin"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "Mirvex"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Mirvex"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\orvane.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Russian"

Function .onInit
  SetShellVarContext all
  SetRegView 64
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Section "Orvane"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*.*"
  ; An example's time as installed: the uninstaller leaves an example that
  ; was saved over since.
  !insertmacro ORVANE_REMEMBER_EXAMPLES

  ; The shared catalogue starts as the shipped one; a catalogue that is
  ; already there holds the users' changes and stays as it is.
  CreateDirectory "${SHARED_DATA}"
  SetOutPath "${SHARED_DATA}"
  SetOverwrite off
  File "${STAGE}/base_provod.dat"
  SetOverwrite on
  ; Every user may change the catalogue: the Users group (by its well-known
  ; SID, whatever the system's language) may modify the folder's files.
  nsExec::Exec 'icacls "${SHARED_DATA}" /grant *S-1-5-32-545:(OI)(CI)M /T /Q'
  Pop $0
  SetOutPath "$INSTDIR"

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\orvane.exe" "" "$INSTDIR\orvane.exe" 0
  ${If} ${FileExists} "$INSTDIR\Orvhlp_en.pdf"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\${PRODUCT} manual (English).lnk" "$INSTDIR\Orvhlp_en.pdf"
  ${EndIf}
  ${If} ${FileExists} "$INSTDIR\Orvhlp_ru.pdf"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\${PRODUCT} manual (Russian).lnk" "$INSTDIR\Orvhlp_ru.pdf"
  ${EndIf}
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\uninstall.exe"

  ; .orv opens in the desktop program.
  WriteRegStr HKLM "Software\Classes\.orv" "" "${CLASS}"
  WriteRegStr HKLM "Software\Classes\${CLASS}" "" "${PRODUCT} project"
  WriteRegStr HKLM "Software\Classes\${CLASS}\DefaultIcon" "" "$INSTDIR\orvane.exe,0"
  WriteRegStr HKLM "Software\Classes\${CLASS}\shell\open\command" "" '"$INSTDIR\orvane.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Mirvex"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\orvane.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes what the installer put into the program folder, file by file, and
; the folders that are empty then. The shared catalogue (the users' changes),
; the settings and any project a user saved are left.
Section "Uninstall"
  !insertmacro ORVANE_REMOVE_FILES
  Delete "$INSTDIR\uninstall.exe"
  !insertmacro ORVANE_REMOVE_FOLDERS
  RMDir "$INSTDIR"

  RMDir /r "$SMPROGRAMS\${PRODUCT}"
  ReadRegStr $0 HKLM "Software\Classes\.orv" ""
  ${If} $0 == "${CLASS}"
    DeleteRegKey HKLM "Software\Classes\.orv"
  ${EndIf}
  DeleteRegKey HKLM "Software\Classes\${CLASS}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
