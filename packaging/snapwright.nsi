; Snapwright's per-user setup program. scripts/package builds it for each target:
;
;   makensis -DVERSION=1.1.9 -DTARGET=win64 -DFILES=<staged program folder> -DOUTFILE=<setup.exe> snapwright.nsi
;
; It installs into the user's own programs folder, $LOCALAPPDATA\Programs\Snapwright, without
; administrator rights, so that the "Screenshots" folder the program writes beside itself is
; writable; the Start-menu shortcut, the sign-in entry and the uninstaller are the user's alone.
;
; Setup switches (NSIS's own /S and /D=FOLDER included):
;   /S        silent, with the defaults: Snapwright starts when the user signs in
;   /NORUN    do not start Snapwright at sign-in (an earlier installation's entry is removed)
;   /START    start Snapwright when the installation is done (the finish page asks when not silent)
;   /D=FOLDER install into FOLDER; last on the command line, without quotes
; Uninstaller switches (uninstall.exe in the program's folder):
;   /S                silent; the user's settings and screenshots are kept
;   /REMOVESETTINGS   remove the settings and the Screenshots folder too, without asking
;
; A running Snapwright holds its program file open: it is ended first the way its tray menu's Exit
; ends it (WM_CLOSE to its hidden main window: the hotkeys are unregistered and the tray icon
; removed), never killed.

Unicode true
!if "${TARGET}" == "win64"
  Target amd64-unicode
!else
  Target x86-unicode
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh
!include WinMessages.nsh

!define MAIN_WINDOW_CLASS "SnapwrightMainWindow"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Snapwright"
!define SETTINGS_PARENT_KEY "Software\VB and VBA Program Settings"
!define SETTINGS_KEY "${SETTINGS_PARENT_KEY}\Snapwright"
!define SYNCHRONIZE 0x00100000
!define WAIT_OBJECT_0 0

Name "Snapwright"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Snapwright"
; An update goes where the first installation went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Snapwright ${VERSION}"

Var StartAtSignIn
Var SignInBox
Var StartNow
Var RemoveSettings

!define MUI_ICON "${__FILEDIR__}/../src/app/res/snapwright.ico"
!define MUI_UNICON "${__FILEDIR__}/../src/app/res/snapwright.ico"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_DIRECTORY
Page custom SignInPage SignInPageLeave
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\snapwright.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(StartNowText)"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"

LangString SignInTitle ${LANG_ENGLISH} "Start with Windows"
LangString SignInTitle ${LANG_GERMAN} "Mit Windows starten"
LangString SignInSubtitle ${LANG_ENGLISH} "Snapwright waits in the notification area for the Print Screen key."
LangString SignInSubtitle ${LANG_GERMAN} "Snapwright wartet im Infobereich auf die Druck-Taste."
LangString SignInBoxText ${LANG_ENGLISH} "Start Snapwright when I sign in"
LangString SignInBoxText ${LANG_GERMAN} "Snapwright bei meiner Anmeldung starten"
LangString StartNowText ${LANG_ENGLISH} "Start Snapwright now"
LangString StartNowText ${LANG_GERMAN} "Snapwright jetzt starten"
LangString EndingText ${LANG_ENGLISH} "Ending the running Snapwright ..."
LangString EndingText ${LANG_GERMAN} "Das laufende Snapwright wird beendet ..."
LangString StillRunningText ${LANG_ENGLISH} "Snapwright is still running, and its files are in use.$\r$\n$\r$\nEnd it with Exit in its tray menu, then choose Retry."
LangString StillRunningText ${LANG_GERMAN} "Snapwright läuft noch, seine Dateien sind in Gebrauch.$\r$\n$\r$\nBeenden Sie es im Menü seines Symbols im Infobereich, dann wählen Sie Wiederholen."
LangString FileInUseText ${LANG_ENGLISH} "Setup cannot write to $INSTDIR: a file there is in use.$\r$\n$\r$\nClose the program that uses it, then choose Retry."
LangString FileInUseText ${LANG_GERMAN} "Das Setup kann nicht nach $INSTDIR schreiben: Eine Datei dort ist in Gebrauch.$\r$\n$\r$\nSchließen Sie das Programm, das sie verwendet, dann wählen Sie Wiederholen."
LangString RemoveSettingsText ${LANG_ENGLISH} "Also remove your Snapwright settings and the screenshots in $INSTDIR\Screenshots?"
LangString RemoveSettingsText ${LANG_GERMAN} "Auch Ihre Snapwright-Einstellungen und die Bildschirmfotos in $INSTDIR\Screenshots entfernen?"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Snapwright"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Snapwright Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "The Snapwright authors"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (C) 2002-2006 the Snapwright authors"

; Ends every running Snapwright through its main window and waits until its process has gone;
; aborts when one does not end and the user does not retry (a silent run does not retry).
!macro DEFINE_END_RUNNING_SNAPWRIGHT PREFIX
Function ${PREFIX}EndRunningSnapwright
  ${Do}
    FindWindow $R0 "${MAIN_WINDOW_CLASS}"
    ${If} $R0 == 0
      Return
    ${EndIf}
    DetailPrint "$(EndingText)"
    System::Call 'user32::GetWindowThreadProcessId(p R0, *i .R1)'
    ; The handle first: the process may be gone by the time the window has answered.
    System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i R1) p .R2'
    SendMessage $R0 ${WM_CLOSE} 0 0 /TIMEOUT=10000
    ${If} $R2 != 0
      System::Call 'kernel32::WaitForSingleObject(p R2, i 20000) i .R3'
      System::Call 'kernel32::CloseHandle(p R2)'
    ${Else}
      ; Without a handle to wait on: wait for the window to go, then a moment for the file.
      StrCpy $R3 1
      StrCpy $R4 0
      window_wait:
        IsWindow $R0 0 window_gone
        IntOp $R4 $R4 + 1
        IntCmp $R4 200 window_done 0 window_done
        Sleep 100
        Goto window_wait
      window_gone:
        StrCpy $R3 ${WAIT_OBJECT_0}
        Sleep 500
      window_done:
    ${EndIf}
    ${If} $R3 != ${WAIT_OBJECT_0}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(StillRunningText)" /SD IDCANCEL IDRETRY retry
      Abort "$(StillRunningText)"
      retry:
    ${EndIf}
  ${Loop}
FunctionEnd
!macroend
!insertmacro DEFINE_END_RUNNING_SNAPWRIGHT ""
!insertmacro DEFINE_END_RUNNING_SNAPWRIGHT "un."

Function .onInit
  StrCpy $StartAtSignIn ${BST_CHECKED}
  StrCpy $StartNow 0
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/NORUN" $R1
  ${IfNot} ${Errors}
    StrCpy $StartAtSignIn ${BST_UNCHECKED}
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/START" $R1
  ${IfNot} ${Errors}
    StrCpy $StartNow 1
  ${EndIf}
FunctionEnd

Function SignInPage
  !insertmacro MUI_HEADER_TEXT "$(SignInTitle)" "$(SignInSubtitle)"
  nsDialogs::Create 1018
  Pop $R0
  ${NSD_CreateCheckbox} 0 0 100% 12u "$(SignInBoxText)"
  Pop $SignInBox
  ${NSD_SetState} $SignInBox $StartAtSignIn
  nsDialogs::Show
FunctionEnd

Function SignInPageLeave
  ${NSD_GetState} $SignInBox $StartAtSignIn
FunctionEnd

Section "Snapwright"
  Call EndRunningSnapwright

  SetOutPath "$INSTDIR"
  ; A file that cannot be written is reported, in silent mode too, rather than skipped.
  SetOverwrite try
  ${Do}
    ClearErrors
    File "${FILES}/snapwright.exe"
    File "${FILES}/Snapwright.chm"
    ${IfNot} ${Errors}
      ${Break}
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(FileInUseText)" /SD IDCANCEL IDRETRY retry
    Abort "$(FileInUseText)"
    retry:
  ${Loop}
  SetOverwrite on
  ; The notices of this release only: none left over from an earlier one.
  RMDir /r "$INSTDIR\licenses"
  SetOutPath "$INSTDIR\licenses"
  File /r "${FILES}/licenses/*"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\Snapwright.lnk" "$INSTDIR\snapwright.exe" "" "$INSTDIR\snapwright.exe" 0
  ${If} $StartAtSignIn == ${BST_CHECKED}
    WriteRegStr HKCU "${RUN_KEY}" "Snapwright" '"$INSTDIR\snapwright.exe"'
  ${Else}
    DeleteRegValue HKCU "${RUN_KEY}" "Snapwright"
  ${EndIf}

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Snapwright"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Snapwright authors"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\snapwright.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $R0 $R1 $R2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $R0
SectionEnd

Function .onInstSuccess
  ${If} ${Silent}
  ${AndIf} $StartNow == 1
    Exec '"$INSTDIR\snapwright.exe"'
  ${EndIf}
FunctionEnd

Function un.onInit
  StrCpy $RemoveSettings 0
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/REMOVESETTINGS" $R1
  ${IfNot} ${Errors}
    StrCpy $RemoveSettings 1
  ${EndIf}
FunctionEnd

Section "Uninstall"
  ${If} $RemoveSettings == 0
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(RemoveSettingsText)" /SD IDNO IDNO keep
    StrCpy $RemoveSettings 1
    keep:
  ${EndIf}

  Call un.EndRunningSnapwright

  ; What the setup put there, and nothing else: the folder may hold the user's own files.
  Delete "$INSTDIR\snapwright.exe"
  Delete "$INSTDIR\Snapwright.chm"
  RMDir /r "$INSTDIR\licenses"
  Delete "$INSTDIR\uninstall.exe"
  Delete "$SMPROGRAMS\Snapwright.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "Snapwright"

  ${If} $RemoveSettings == 1
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "${SETTINGS_PARENT_KEY}"
    RMDir /r "$INSTDIR\Screenshots"
  ${EndIf}
  RMDir "$INSTDIR"
  ; The registration goes last: an uninstall that was cut short can be started again from it.
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
