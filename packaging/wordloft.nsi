; Wordloft's installer, built with NSIS by packaging/build_dist.py, which
; defines on the makensis command line:
;   VERSION       the version players see ("1.2")
;   VERSION_FULL  the four-part version ("1.2.0.0")
;   STAGE         the folder holding wordloft.exe, every language's help
;                 (wlthelp.hlp, wlthelp.htm, wlthelp-104.htm, wlthelp-de.*...),
;                 README.txt and LICENSE.txt
;   ICON          the program's icon
;   OUTFILE       the installer to write
;
; It speaks English, German, French or Spanish, as the game does, and
; installs the 32-bit program for all users into Program Files\Wordloft
; (Program Files (x86) on 64-bit Windows), adds a Start Menu folder with the
; game and its HTML help, optionally a Desktop shortcut, registers an
; uninstaller in Add/Remove Programs (in the 32-bit view of the registry),
; and registers word-list files (.WLT) as "Wordloft word list", opened by
; the game. /S installs and uninstalls silently. The player's preference file, WWLT.DAT in the
; Windows directory or the player's own folder, is no file of the
; installer's and is never touched.

Target x86-unicode
InstallDir "$PROGRAMFILES\Wordloft"

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "Integration.nsh"
!include "LogicLib.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Wordloft"
!define PUBLISHER "The Wordloft developers"
; Word-list files: the extension's key names the class, which Explorer
; shows as the type, with the game's icon, and opens with the game.
!define LIST_EXTENSION_KEY "Software\Classes\.wlt"
!define LIST_CLASS "Wordloft.WordList"
!define LIST_CLASS_KEY "Software\Classes\${LIST_CLASS}"
!define LIST_OPEN_COMMAND '"$INSTDIR\wordloft.exe" "%1"'

Name "Wordloft ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "Wordloft ${VERSION}"
SetCompressor /SOLID lzma
RequestExecutionLevel admin
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION_FULL}"
VIAddVersionKey /LANG=1033 "ProductName" "Wordloft"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION_FULL}"
VIAddVersionKey /LANG=1033 "FileDescription" "Wordloft ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
; The installer runs elevated; the game it offers to start must not, or it
; would write its preference file as the administrator, outside the
; player's VirtualStore. The shell starts it as the signed-in player.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(PLAY_NOW)"
!define MUI_FINISHPAGE_RUN_FUNCTION PlayAsPlayer
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The installer speaks the player's language where it is one the game
; speaks (Windows' user interface language decides), English otherwise:
; NSIS's own translations of its pages, and the few texts of packaging/lang.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!include "${__FILEDIR__}\lang\en.nsh"
!include /NONFATAL "${__FILEDIR__}\lang\de.nsh"
!include /NONFATAL "${__FILEDIR__}\lang\fr.nsh"
!include /NONFATAL "${__FILEDIR__}\lang\es.nsh"

; A running game holds its program file: installing over it or removing it
; would fail half-way. Wait until the player closes it (the main window's
; class is "WLT"); a silent run gives up at once.
!macro WaitUntilGameClosed
    ${Do}
        FindWindow $0 "WLT"
        ${If} $0 = 0
            ${Break}
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "$(RUNNING)" /SD IDCANCEL IDRETRY +2
        Abort
    ${Loop}
!macroend

Function .onInit
    !insertmacro WaitUntilGameClosed
FunctionEnd

Function un.onInit
    !insertmacro WaitUntilGameClosed
FunctionEnd

Section "$(SECTION_GAME)" SecGame
    SectionIn RO
    SetOutPath "$INSTDIR"
    File "${STAGE}\wordloft.exe"
    ; Every language's help: wlthelp.* and wlthelp-de.*, wlthelp-fr.*, ...
    File "${STAGE}\wlthelp*.hlp"
    File "${STAGE}\wlthelp*.htm"
    File "${STAGE}\README.txt"
    File "${STAGE}\LICENSE.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; Shortcuts take the output folder, $INSTDIR, as their working folder.
    SetShellVarContext all
    CreateDirectory "$SMPROGRAMS\Wordloft"
    CreateShortcut "$SMPROGRAMS\Wordloft\Wordloft.lnk" "$INSTDIR\wordloft.exe" "" \
        "$INSTDIR\wordloft.exe" 0 SW_SHOWNORMAL "" "$(SHORTCUT_PLAY_DESCRIPTION)"
    CreateShortcut "$SMPROGRAMS\Wordloft\$(SHORTCUT_HELP).lnk" "$INSTDIR\$(HELP_PAGE)" "" \
        "" 0 SW_SHOWNORMAL "" "$(SHORTCUT_HELP)"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Wordloft"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "HelpShortcut" "$(SHORTCUT_HELP).lnk"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION_FULL}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\wordloft.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0

    ; A .WLT file double-clicked in Explorer opens in the game. Text and
    ; CSV files keep their own programs. Several chosen together open in
    ; the one game that runs, each after the other: the verb takes any
    ; number of files (Player), not one window per file (Document, at most
    ; 15), and every copy Explorer starts hands its file to the first.
    WriteRegStr HKLM "${LIST_EXTENSION_KEY}" "" "${LIST_CLASS}"
    WriteRegStr HKLM "${LIST_CLASS_KEY}" "" "$(LIST_TYPE)"
    WriteRegStr HKLM "${LIST_CLASS_KEY}\DefaultIcon" "" "$INSTDIR\wordloft.exe,0"
    WriteRegStr HKLM "${LIST_CLASS_KEY}\shell\open" "MultiSelectModel" "Player"
    WriteRegStr HKLM "${LIST_CLASS_KEY}\shell\open\command" "" '${LIST_OPEN_COMMAND}'
    ${NotifyShell_AssocChanged}
SectionEnd

Section "$(SECTION_DESKTOP)" SecDesktop
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    CreateShortcut "$DESKTOP\Wordloft.lnk" "$INSTDIR\wordloft.exe" "" \
        "$INSTDIR\wordloft.exe" 0 SW_SHOWNORMAL "" "$(SHORTCUT_PLAY_DESCRIPTION)"
SectionEnd

Function PlayAsPlayer
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\wordloft.exe"'
FunctionEnd

; Removes exactly what the installer made: its files one by one (the folder
; only when nothing else is left in it), the shortcuts, the registry key
; and the registration of word-list files.
Section "Uninstall"
    SetShellVarContext all
    Delete "$DESKTOP\Wordloft.lnk"
    Delete "$SMPROGRAMS\Wordloft\Wordloft.lnk"
    ; The help's shortcut has the name of the language it was installed in.
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "HelpShortcut"
    ${If} $1 != ""
        Delete "$SMPROGRAMS\Wordloft\$1"
    ${EndIf}
    RMDir "$SMPROGRAMS\Wordloft"

    Delete "$INSTDIR\wordloft.exe"
    Delete "$INSTDIR\wlthelp*.hlp"
    Delete "$INSTDIR\wlthelp*.htm"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    ; Windows Help leaves its index of a help file beside it.
    Delete "$INSTDIR\wlthelp*.gid"
    Delete "$INSTDIR\wlthelp*.fts"
    RMDir "$INSTDIR"

    DeleteRegKey HKLM "${UNINSTALL_KEY}"

    ; The registration of .WLT goes only while it still names this game: a
    ; program installed since may have taken the extension or the class.
    ReadRegStr $0 HKLM "${LIST_CLASS_KEY}\shell\open\command" ""
    ${If} $0 == '${LIST_OPEN_COMMAND}'
        ReadRegStr $1 HKLM "${LIST_EXTENSION_KEY}" ""
        ${If} $1 == "${LIST_CLASS}"
            DeleteRegValue HKLM "${LIST_EXTENSION_KEY}" ""
            DeleteRegKey /ifempty HKLM "${LIST_EXTENSION_KEY}"
        ${EndIf}
        DeleteRegKey HKLM "${LIST_CLASS_KEY}"
        ${NotifyShell_AssocChanged}
    ${EndIf}
SectionEnd
