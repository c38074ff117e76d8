"""The functions of Windows that the program imports, each reviewed once:
the header of Microsoft's reference page for it and the oldest Windows
that page names under "Minimum supported client" (for a 64-bit program,
Windows XP means XP x64 Edition and Server 2003). The page of a function
is https://learn.microsoft.com/windows/win32/api/HEADER/nf-HEADER-NAME,
NAME in lower case.

msvcrt.dll is a system DLL whose exports Microsoft does not list by
version; the functions the C runtime imports from it were reviewed once
against the msvcrt.dll of Windows XP (version 7.0), which has all of
them (the 64-bit time and locale functions included, which Windows 2000's
version 6.1 lacks). A new import from it is reviewed the same way before
it is added.

check_imports.py holds each program to its oldest Windows with this
table."""

WINDOWS_2000 = (5, 0)
WINDOWS_XP = (5, 1)
WINDOWS_XP_SP1 = (5, 1, 1)
WINDOWS_VISTA = (6, 0)

# Names of the versions, for the messages.
VERSION_NAMES = {
    WINDOWS_2000: 'Windows 2000',
    WINDOWS_XP: 'Windows XP',
    WINDOWS_XP_SP1: 'Windows XP SP1',
    (5, 1, 3): 'Windows XP SP3',
    (5, 2): 'Windows XP x64 / Server 2003',
    WINDOWS_VISTA: 'Windows Vista',
}


def _table(header, oldest, names):
    return {name: (header, oldest) for name in names.split()}


KERNEL32 = {}
KERNEL32.update(_table('handleapi', WINDOWS_2000, 'CloseHandle'))
KERNEL32.update(_table('fileapi', WINDOWS_XP,
                       'CreateDirectoryW CreateFileW DeleteFileW GetFileAttributesW GetFileType GetFullPathNameW'))
KERNEL32.update(_table('synchapi', WINDOWS_XP,
                       'CreateEventA CreateMutexW CreateSemaphoreW DeleteCriticalSection EnterCriticalSection '
                       'InitializeCriticalSection LeaveCriticalSection ReleaseSemaphore Sleep '
                       'WaitForSingleObject'))
KERNEL32.update(_table('processthreadsapi', WINDOWS_XP,
                       'ExitProcess GetCurrentProcess GetCurrentThreadId TlsAlloc TlsFree TlsGetValue '
                       'TlsSetValue'))
KERNEL32.update(_table('winbase', WINDOWS_XP,
                       'FindResourceA FindResourceExA GetStartupInfoA GlobalAlloc GlobalFree GlobalLock GlobalUnlock '
                       'LocalAlloc LocalFree MoveFileExW MulDiv'))
KERNEL32.update(_table('winbase', WINDOWS_XP_SP1, 'SetDllDirectoryW'))
KERNEL32.update(_table('libloaderapi', WINDOWS_XP,
                       'FreeLibrary FreeResource GetModuleFileNameW GetModuleHandleA GetModuleHandleW '
                       'GetProcAddress LoadLibraryA LoadLibraryExW LoadLibraryW LoadResource LockResource '
                       'SizeofResource'))
KERNEL32.update(_table('processenv', WINDOWS_XP, 'GetCommandLineW'))
KERNEL32.update(_table('errhandlingapi', WINDOWS_XP, 'GetLastError RaiseException SetLastError '
                       'SetUnhandledExceptionFilter'))
KERNEL32.update(_table('sysinfoapi', WINDOWS_2000, 'GetSystemDirectoryW GetTickCount GetWindowsDirectoryW'))
KERNEL32.update(_table('sysinfoapi', WINDOWS_VISTA, 'GetTickCount64'))
KERNEL32.update(_table('winnls', WINDOWS_2000, 'GetUserDefaultUILanguage IsDBCSLeadByteEx'))
KERNEL32.update(_table('stringapiset', WINDOWS_2000, 'MultiByteToWideChar WideCharToMultiByte'))
KERNEL32.update(_table('memoryapi', WINDOWS_XP, 'VirtualProtect VirtualQuery'))
# The 64-bit program's exception handling (x64 Windows only).
KERNEL32.update(_table('winnt', WINDOWS_XP,
                       'RtlCaptureContext RtlLookupFunctionEntry RtlUnwindEx RtlVirtualUnwind'))
# The language-specific handler of x64 exception handling, which every x64
# kernel32 forwards to ntdll; Microsoft documents it with x64 exception
# handling, not as a page of its own.
KERNEL32['__C_specific_handler'] = ('winnt', WINDOWS_XP)

USER32 = _table('winuser', WINDOWS_2000, '''
    AdjustWindowRectEx AllowSetForegroundWindow BeginPaint CheckMenuItem CheckMenuRadioItem CheckRadioButton ClientToScreen
    CloseClipboard CreateWindowExA DefWindowProcA DestroyIcon DestroyWindow DialogBoxIndirectParamA
    DialogBoxIndirectParamW DialogBoxParamA DialogBoxParamW
    DispatchMessageA DrawFocusRect DrawIconEx DrawMenuBar DrawTextA EmptyClipboard EnableMenuItem
    EnableWindow EndDialog EndPaint EnumThreadWindows FillRect FindWindowA FindWindowExA FrameRect
    GetActiveWindow GetAncestor GetAsyncKeyState GetClassInfoA GetClassNameA GetClientRect GetDC
    GetDesktopWindow GetDlgItem GetDlgItemTextA GetFocus GetLastActivePopup GetMenu GetMenuStringA GetMessageA
    GetMonitorInfoA GetParent GetPropA GetQueueStatus GetSubMenu GetSysColor GetSysColorBrush
    GetSystemMetrics GetWindowLongA
    GetWindowLongPtrA GetWindowRect GetWindowThreadProcessId InvalidateRect InvertRect IsIconic
    IsRectEmpty IsWindow IsWindowEnabled LoadAcceleratorsA LoadBitmapA LoadCursorA LoadImageA LoadMenuIndirectA
    LoadStringA
    LoadStringW LookupIconIdFromDirectoryEx MapDialogRect MessageBeep MessageBoxA MessageBoxW
    MonitorFromWindow MsgWaitForMultipleObjectsEx NotifyWinEvent OpenClipboard PeekMessageA PostMessageA
    PostQuitMessage PostThreadMessageA PtInRect RedrawWindow RegisterClassA RegisterClassExA ReleaseCapture
    ReleaseDC
    RemovePropA ScreenToClient SendDlgItemMessageA SendMessageA SendMessageTimeoutW SetCapture
    SetClipboardData SetCursor SetDlgItemTextA SetMenuItemInfoA SetDlgItemTextW SetFocus SetForegroundWindow SetPropA
    SetRect SetRectEmpty SetWindowLongA SetWindowLongPtrA SetWindowPos SetWindowTextA ShowWindow
    SystemParametersInfoA TranslateAcceleratorA TranslateMessage UnionRect UpdateWindow WinHelpW''')

GDI32 = _table('wingdi', WINDOWS_2000, '''
    BitBlt CreateCompatibleBitmap CreateCompatibleDC CreateDIBitmap CreateDIBSection CreateFontIndirectA CreatePatternBrush
    CreatePen CreateSolidBrush DPtoLP DeleteDC DeleteObject GdiFlush GetBoundsRect GetDIBits GetDeviceCaps
    GetMapMode GetObjectA GetStockObject GetTextExtentPoint32A GetTextMetricsA IntersectClipRect LineTo
    ModifyWorldTransform MoveToEx Polygon Rectangle RestoreDC SaveDC SelectObject SetBkMode SetBoundsRect
    SetBrushOrgEx SetDIBitsToDevice SetGraphicsMode SetMapMode SetTextAlign SetTextColor SetViewportOrgEx
    SetWindowOrgEx StretchDIBits TextOutA''')

ADVAPI32 = {}
ADVAPI32.update(_table('securitybaseapi', WINDOWS_XP, 'GetTokenInformation'))
ADVAPI32.update(_table('processthreadsapi', WINDOWS_XP, 'OpenProcessToken'))
ADVAPI32.update(_table('winreg', WINDOWS_2000, 'RegCloseKey RegOpenKeyExA RegQueryValueExA'))

# The DLLs loaded at their first call (cmake/delay-load/*.def).
COMDLG32 = _table('commdlg', WINDOWS_2000, 'CommDlgExtendedError GetOpenFileNameW GetSaveFileNameW')
OLE32 = {}
OLE32.update(_table('combaseapi', WINDOWS_2000, 'CoCreateInstance CoDisconnectObject CoInitializeEx '
                    'CoUninitialize'))
OLE32.update(_table('ole2', WINDOWS_2000, 'OleInitialize OleUninitialize'))
OLEACC = _table('oleacc', WINDOWS_2000, 'CreateStdAccessibleObject LresultFromObject')
OLEAUT32 = _table('oleauto', WINDOWS_2000, 'SysAllocString SysAllocStringLen SysFreeString VariantInit')
SHELL32 = {}
SHELL32.update(_table('shellapi', WINDOWS_XP, 'DragFinish DragQueryFileW ShellExecuteA ShellExecuteExW'))
SHELL32.update(_table('shlobj_core', WINDOWS_XP, 'SHGetFolderPathW'))
WINMM = _table('mmeapi', WINDOWS_2000, 'waveOutClose waveOutOpen waveOutPrepareHeader waveOutReset '
               'waveOutUnprepareHeader waveOutWrite')

MSVCRT = _table('msvcrt', WINDOWS_XP, '''
    ___lc_codepage_func ___mb_cur_max_func __getmainargs __initenv __iob_func __mb_cur_max __p__acmdln
    __p__commode __p__fmode __set_app_type __setusermatherr _acmdln _amsg_exit _cexit _close _commit
    _commode _errno _fileno _fmode _get_osfhandle _initterm _iob _onexit _read _time64 _wfopen abort atoi calloc exit
    fclose ferror fflush fprintf fputc fputs fputwc fread free fseek ftell fwprintf fwrite localeconv
    malloc memchr memcmp memcpy memmove memset qsort realloc setlocale signal strcat strchr strcmp strcpy strcspn
    strerror strlen strncmp strncpy strspn strtol time vfprintf wcscpy wcslen''')

FUNCTIONS = {
    'kernel32.dll': KERNEL32, 'user32.dll': USER32, 'gdi32.dll': GDI32, 'advapi32.dll': ADVAPI32,
    'msvcrt.dll': MSVCRT, 'comdlg32.dll': COMDLG32, 'ole32.dll': OLE32, 'oleacc.dll': OLEACC,
    'oleaut32.dll': OLEAUT32, 'shell32.dll': SHELL32, 'winmm.dll': WINMM,
}
