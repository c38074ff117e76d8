/* Starts an installed Wordloft as a shortcut would (program and working
 * folder as given), waits until its main window, of the class "WLT", is
 * visible, prints the window's caption, optionally runs another command
 * line while the game is running, then closes the window the way a player
 * would and waits for the program to end.
 *
 *   window_check.exe PROGRAM WORKING-FOLDER [COMMAND-LINE]
 *
 * Prints "caption: TEXT", "command exit code: N" and "exit code: N";
 * returns 0 when the window showed and the program ended by itself after
 * WM_CLOSE, 1 otherwise. */
#include <windows.h>
#include <stdio.h>

static HWND FindProgramWindow(DWORD processId, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        HWND window = NULL;
        while ((window = FindWindowExA(NULL, window, "WLT", NULL)) != NULL) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == processId && IsWindowVisible(window))
                return window;
        }
        Sleep(50);
    }
    return NULL;
}

/* Runs a command line to its end; returns its exit code, or 9999 when it
 * could not be started or did not end within a minute. */
static DWORD RunCommand(char *commandLine)
{
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    DWORD exitCode = 9999;
    if (!CreateProcessA(NULL, commandLine, NULL, NULL, FALSE, 0, NULL, NULL, &startup,
                        &process))
        return exitCode;
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

int main(int argc, char **argv)
{
    if (argc != 3 && argc != 4) {
        fprintf(stderr, "usage: window_check PROGRAM WORKING-FOLDER [COMMAND-LINE]\n");
        return 2;
    }
    char commandLine[MAX_PATH + 3];
    snprintf(commandLine, sizeof commandLine, "\"%s\"", argv[1]);
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    if (!CreateProcessA(argv[1], commandLine, NULL, NULL, FALSE, 0, NULL, argv[2],
                        &startup, &process)) {
        printf("cannot start %s: error %lu\n", argv[1], GetLastError());
        return 1;
    }
    WaitForInputIdle(process.hProcess, 10000);
    HWND window = FindProgramWindow(process.dwProcessId, 15000);
    int result = 1;
    if (window == NULL) {
        printf("no visible window of the class WLT\n");
        TerminateProcess(process.hProcess, 1);
    } else {
        char caption[256] = "";
        GetWindowTextA(window, caption, sizeof caption);
        printf("caption: %s\n", caption);
        if (argc == 4)
            printf("command exit code: %lu\n", RunCommand(argv[3]));
        PostMessageA(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process.hProcess, 15000) == WAIT_OBJECT_0) {
            result = 0;
        } else {
            printf("the program did not end after WM_CLOSE\n");
            TerminateProcess(process.hProcess, 1);
        }
    }
    DWORD exitCode = 0;
    WaitForSingleObject(process.hProcess, 5000);
    GetExitCodeProcess(process.hProcess, &exitCode);
    printf("exit code: %lu\n", exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}
