; The suite's installer and uninstaller for Windows workstations, one for
; each kind of system: built by ./run build as makensis -DARCH=x64|x86
; -DDIST=<folder of that build's stripped files> -DOUTFILE=<setup program>
; nicsuite.nsi. Each installs the build of its own system (a 64-bit system
; loads only 64-bit monitors and COM servers into its spooler and shell, a
; 32-bit one only 32-bit ones). Silent with /S; in silent mode
; /INTERVAL=<ms> sets the agent's poll interval and /NOAGENT leaves the mail
; agent out. The uninstaller keeps the printer list and the mail log unless
; given /PURGE.
Unicode true
!if "${ARCH}" == "x86"
  Target x86-unicode
  !define ENVIRONMENT "Windows NT x86"
  !define PROGRAM_FILES "$PROGRAMFILES"
  !define REG_VIEW 32
!else
  Target amd64-unicode
  !define ENVIRONMENT "Windows x64"
  !define PROGRAM_FILES "$PROGRAMFILES64"
  !define REG_VIEW 64
!endif
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "nsDialogs.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "x64.nsh"

!define PRODUCT "NRV Prindora 1.2"
!define UNINSTALL_KEY "SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Prindora 1.2"
!define MAIL_KEY "SOFTWARE\NRV\Prindora\DAV"
!define MODELS_KEY "SOFTWARE\NRV\Prindora\Printers"
!define MONITOR "NRV Network Port"
!define PROCESSOR_KEY "System\CurrentControlSet\Control\Print\Environments\${ENVIRONMENT}\Print Processors\NRVPDD"
!define SERVICE "NRVRMM"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "${PROGRAM_FILES}\NRV\Prindora"
ShowInstDetails show
BrandingText "${PRODUCT}"

Var PollInterval
Var InstallAgent
Var IntervalField
Var AgentBox
Var Done  ; the steps carried out, for the rollback of a failed install

!define MUI_ABORTWARNING
Page custom OptionsPage OptionsLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

; The files of the install folder: the deliverables and the libraries of
; the product they load by name (stand-ins here).
!macro SuiteFiles Action
  !insertmacro ${Action} nicconf.dll
  !insertmacro ${Action} maintui.dll
  !insertmacro ${Action} rmmmodel.dll
  !insertmacro ${Action} rmmmodelui.dll
  !insertmacro ${Action} alertmail.dll
  !insertmacro ${Action} maintsvc.exe
  !insertmacro ${Action} maintagent.exe
  !insertmacro ${Action} menuhelper.dll
  !insertmacro ${Action} statusmgr.dll
  !insertmacro ${Action} tools\folderhost.exe
!macroend
!macro CopyFile Name
  File "/oname=${Name}" "${DIST}\${Name}"
!macroend
!macro RemoveFile Name
  Delete "$INSTDIR\${Name}"
!macroend

Function .onInit
!if "${ARCH}" == "x86"
  ${If} ${RunningX64}
    MessageBox MB_ICONSTOP "64 ビット版の Windows には nicsuite-setup.exe を使ってください。" /SD IDOK
    Abort
  ${EndIf}
!else
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "32 ビット版の Windows には nicsuite-setup-x86.exe を使ってください。" /SD IDOK
    Abort
  ${EndIf}
!endif
  SetRegView ${REG_VIEW}
  StrCpy $PollInterval 600000
  StrCpy $InstallAgent 1
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/INTERVAL=" $R1
  ${IfNot} ${Errors}
    StrCpy $PollInterval $R1
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/NOAGENT" $R1
  ${IfNot} ${Errors}
    StrCpy $InstallAgent 0
  ${EndIf}
  ; An install over an earlier one keeps its interval.
  ReadRegDWORD $R2 HKLM "${MAIL_KEY}" "RMMTIME"
  ${If} $R2 != ""
  ${AndIf} $R1 == ""
    StrCpy $PollInterval $R2
  ${EndIf}
FunctionEnd

Function OptionsPage
  !insertmacro MUI_HEADER_TEXT "オプション" "メール通知エージェントの設定を選んでください。"
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateCheckbox} 0 0 100% 12u "メール通知エージェント (サービス) をインストールする(&A)"
  Pop $AgentBox
  ${If} $InstallAgent == 1
    ${NSD_Check} $AgentBox
  ${EndIf}
  ${NSD_CreateLabel} 0 24u 100% 10u "プリンタの監視間隔 (ミリ秒、0 で監視しない)(&I)："
  Pop $0
  ${NSD_CreateNumber} 0 36u 80u 12u "$PollInterval"
  Pop $IntervalField
  nsDialogs::Show
FunctionEnd

Function OptionsLeave
  ${NSD_GetState} $AgentBox $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $InstallAgent 1
  ${Else}
    StrCpy $InstallAgent 0
  ${EndIf}
  ${NSD_GetText} $IntervalField $PollInterval
  ${If} $PollInterval == ""
    StrCpy $PollInterval 0
  ${EndIf}
FunctionEnd

; Stops the install: the step is named, what was done is undone.
!macro FailAt Step
  DetailPrint "失敗: ${Step}"
  ; Silent installs leave the reason for the administrator's script.
  FileOpen $9 "$TEMP\Prindora-setup.log" w
  FileWriteUTF16LE $9 "インストールに失敗しました: ${Step}$\r$\n"
  FileClose $9
  Call Rollback
  MessageBox MB_ICONSTOP "インストールに失敗しました: ${Step}" /SD IDOK
  SetErrorLevel 2
  Quit
!macroend

; The agent stopped (when it runs) and removed, by the installer and the
; uninstaller alike.
!macro RemoveAgent Prefix
  Function ${Prefix}RemoveAgent
    System::Call 'advapi32::OpenSCManagerW(p 0, p 0, i 0xF003F) p .r1'
    System::Call 'advapi32::OpenServiceW(p r1, w "${SERVICE}", i 0xF01FF) p .r2'
    ${If} $2 != 0
      System::Call '*(&i28) p .r3'
      System::Call 'advapi32::ControlService(p r2, i 1, p r3) i'
      ${For} $4 1 50
        System::Call 'advapi32::QueryServiceStatus(p r2, p r3) i'
        System::Call '*$3(i, i .r5)'
        ${If} $5 == 1
          ${Break}
        ${EndIf}
        Sleep 100
      ${Next}
      System::Free $3
      System::Call 'advapi32::CloseServiceHandle(p r2)'
      ExecWait '"$INSTDIR\maintsvc.exe" -remove'
    ${EndIf}
    System::Call 'advapi32::CloseServiceHandle(p r1)'
  FunctionEnd
!macroend
!insertmacro RemoveAgent ""
!insertmacro RemoveAgent "un."

Function Rollback
  IntOp $0 $Done & 8
  ${If} $0 != 0
    Call RemoveAgent
  ${EndIf}
  IntOp $0 $Done & 4
  ${If} $0 != 0
    UnRegDLL "$INSTDIR\maintui.dll"
    UnRegDLL "$INSTDIR\nicconf.dll"
  ${EndIf}
  IntOp $0 $Done & 2
  ${If} $0 != 0
    System::Call 'winspool.drv::DeleteMonitorW(p 0, p 0, w "${MONITOR}") i'
  ${EndIf}
  IntOp $0 $Done & 1
  ${If} $0 != 0
    !insertmacro SuiteFiles RemoveFile
    Delete "$SYSDIR\portmonnt4.dll"
    Delete "$R9\printproc.dll"
    DeleteRegKey HKLM "${PROCESSOR_KEY}"
    RMDir "$INSTDIR\tools"
    RMDir "$INSTDIR\log"
  ${EndIf}
  ; What the install wrote after its files.
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  RMDir "${PROGRAM_FILES}\NRV"
FunctionEnd

Section "Prindora"
  SetRegView ${REG_VIEW}
  StrCpy $Done 0
  ; An agent of an earlier install stops before its files are replaced.
  Call RemoveAgent

  ClearErrors
  SetOutPath "$INSTDIR"
  CreateDirectory "$INSTDIR\tools"
  !insertmacro SuiteFiles CopyFile
  CreateDirectory "$INSTDIR\log"
  SetOutPath "$SYSDIR"
  File "${DIST}\portmonnt4.dll"
  ; The print processor goes where the spooler looks for processors.
  System::Call 'winspool.drv::GetPrintProcessorDirectoryW(p 0, p 0, i 1, w .R9, i ${NSIS_MAX_STRLEN}, *i .R8) i .R7'
  CreateDirectory "$R9"
  SetOutPath "$R9"
  File "${DIST}\printproc.dll"
  WriteRegStr HKLM "${PROCESSOR_KEY}" "Driver" "printproc.dll"
  IntOp $Done $Done | 1
  ${If} ${Errors}
    !insertmacro FailAt "ファイルのコピー"
  ${EndIf}

  ; The spooler loads the monitor once it is added; an earlier install's
  ; entry is replaced.
  System::Call 'winspool.drv::DeleteMonitorW(p 0, p 0, w "${MONITOR}") i'
  System::Call '*(w "${MONITOR}", p 0, w "portmonnt4.dll") p .r1'
  System::Call 'winspool.drv::AddMonitorW(p 0, i 2, p r1) i .r0'
  System::Free $1
  ${If} $0 == 0
    !insertmacro FailAt "ポートモニタの追加 (AddMonitor)"
  ${EndIf}
  IntOp $Done $Done | 2

  ClearErrors
  RegDLL "$INSTDIR\nicconf.dll"
  RegDLL "$INSTDIR\maintui.dll"
  ${If} ${Errors}
    IntOp $Done $Done | 4
    !insertmacro FailAt "COM サーバの登録"
  ${EndIf}
  IntOp $Done $Done | 4

  ; The models the suite ships plug-ins for; a model already known keeps
  ; what it had recorded.
  !macro Model Name
    ReadRegDWORD $0 HKLM "${MODELS_KEY}\${Name}" "RMMSUPPORT"
    ${If} $0 == ""
      WriteRegDWORD HKLM "${MODELS_KEY}\${Name}" "RMMSUPPORT" 1
    ${EndIf}
    WriteRegStr HKLM "${MODELS_KEY}\${Name}" "RMMDLL" "$INSTDIR\rmmmodel.dll"
    WriteRegStr HKLM "${MODELS_KEY}\${Name}" "RMMUIDLL" "$INSTDIR\rmmmodelui.dll"
  !macroend
  !insertmacro Model "LP-9800C"
  !insertmacro Model "LP-8800"
  WriteRegDWORD HKLM "${MAIL_KEY}" "RMMTIME" $PollInterval
  WriteRegDWORD HKLM "${MAIL_KEY}" "DAVTime" $PollInterval
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ${If} $InstallAgent == 1
    ExecWait '"$INSTDIR\maintsvc.exe" -install' $0
    ${If} $0 != 0
      !insertmacro FailAt "メール通知エージェントのインストール"
    ${EndIf}
    IntOp $Done $Done | 8
    System::Call 'advapi32::OpenSCManagerW(p 0, p 0, i 0xF003F) p .r1'
    System::Call 'advapi32::OpenServiceW(p r1, w "${SERVICE}", i 0xF01FF) p .r2'
    System::Call 'advapi32::StartServiceW(p r2, i 0, p 0) i .r0'
    System::Call 'advapi32::CloseServiceHandle(p r2)'
    System::Call 'advapi32::CloseServiceHandle(p r1)'
    ${If} $0 == 0
      !insertmacro FailAt "メール通知エージェントの開始"
    ${EndIf}
  ${EndIf}
SectionEnd

Function un.onInit
  SetRegView ${REG_VIEW}
FunctionEnd

Section "Uninstall"
  SetRegView ${REG_VIEW}
  Call un.RemoveAgent
  UnRegDLL "$INSTDIR\maintui.dll"
  ; Unregistered, the folder takes its data files away; the printer list
  ; is the administrator's and stays (see /PURGE).
  Rename "$INSTDIR\nicconf.nic" "$INSTDIR\nicconf.nic.keep"
  UnRegDLL "$INSTDIR\nicconf.dll"
  Rename "$INSTDIR\nicconf.nic.keep" "$INSTDIR\nicconf.nic"
  System::Call 'winspool.drv::DeleteMonitorW(p 0, p 0, w "${MONITOR}") i'
  Delete "$SYSDIR\portmonnt4.dll"
  System::Call 'winspool.drv::GetPrintProcessorDirectoryW(p 0, p 0, i 1, w .R9, i ${NSIS_MAX_STRLEN}, *i .R8) i'
  Delete "$R9\printproc.dll"
  DeleteRegKey HKLM "${PROCESSOR_KEY}"
  DeleteRegKey HKLM "${MODELS_KEY}\LP-9800C"
  DeleteRegKey HKLM "${MODELS_KEY}\LP-8800"
  DeleteRegKey /ifempty HKLM "${MODELS_KEY}"
  DeleteRegValue HKLM "${MAIL_KEY}" "RMMTIME"
  DeleteRegValue HKLM "${MAIL_KEY}" "DAVTime"
  DeleteRegKey /ifempty HKLM "${MAIL_KEY}"
  ; The keys the COM servers' registration shares with the management
  ; window go only when nothing else is left in them.
  DeleteRegKey /ifempty HKLM "SOFTWARE\NRV\Prindora\NameSpace\{5D2E00D0-B41C-11D1-9E27-00A0C9A41F30}"
  DeleteRegKey /ifempty HKLM "SOFTWARE\NRV\Prindora\NameSpace"
  DeleteRegKey /ifempty HKCR "CLSID\{5D2E00D0-B41C-11D1-9E27-00A0C9A41F30}\ShellEx\ContextMenuHandlers"
  DeleteRegKey /ifempty HKCR "CLSID\{5D2E00D0-B41C-11D1-9E27-00A0C9A41F30}\ShellEx"
  DeleteRegKey /ifempty HKCR "CLSID\{5D2E00D0-B41C-11D1-9E27-00A0C9A41F30}"
  DeleteRegKey /ifempty HKLM "SOFTWARE\NRV\Prindora"
  DeleteRegKey /ifempty HKLM "SOFTWARE\NRV"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  !insertmacro SuiteFiles RemoveFile
  Delete "$INSTDIR\nicconf.ini"
  ; What the administrator's work made stays unless asked for.
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/PURGE" $R1
  ${IfNot} ${Errors}
    Delete "$INSTDIR\nicconf.nic"
    Delete "$INSTDIR\log\PDMail.log"
  ${EndIf}
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR\tools"
  RMDir "$INSTDIR\log"
  RMDir "$INSTDIR"
  RMDir "${PROGRAM_FILES}\NRV"
SectionEnd
