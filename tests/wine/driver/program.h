// Starting and driving one run of wordloft.exe: finding its main window,
// typing, clicking and choosing commands through window messages, asking
// the probe inside the program about its menus and pictures, and closing it.
#ifndef WORDLOFT_TESTS_PROGRAM_H
#define WORDLOFT_TESTS_PROGRAM_H

#include <windows.h>

#include <string>

#include "image.h"

struct DriverSettings {
    std::string ProgramPath;     // wordloft.exe, as UTF-8
    std::string ProbePath;       // the probe DLL
    std::string ScreenshotFolder;
    // The folder a program starts in; empty: the program's own.
    std::string CurrentFolder;
};
extern DriverSettings Settings;

struct Program {
    PROCESS_INFORMATION Process = {};
    HWND Window = nullptr;
    DWORD ThreadId = 0;
    HHOOK Probe = nullptr;
    HHOOK Marker = nullptr;
};

// A UTF-8 text (a path of any language) as the wide-character calls take it.
std::wstring Widen(const std::string& utf8);

// Starts the program (with the arguments, UTF-8, after its own name on
// the command line), waits for its main window and installs the probe.
// Records a failure and returns false when any of that fails. A show
// command of 0 or more is handed over as a shortcut's "Run:" setting is
// (STARTUPINFO), which overrides what the program asks for.
bool StartProgram(Program& program, const std::string& arguments = std::string(), int showCommand = -1);

// Asks the main window to close (WM_CLOSE) and waits for the process to
// end. Any dialog still open, or one that opens on the way, is recorded as
// a failure and dismissed. Returns true when the program ended by itself.
bool CloseProgram(Program& program);

// Waits for the process to end; kills it after timeoutMs (a failure).
bool WaitForExit(Program& program, DWORD timeoutMs);

// Ends a run that a scenario gave up on.
void KillProgram(Program& program);

// Returns once everything posted to the program so far has been handled:
// a marker is posted behind it and this waits until the program's message
// loop (or a dialog's) takes the marker from the queue. An end-of-game
// sequence started by earlier input is over by then. False after timeoutMs.
bool Settle(const Program& program, DWORD timeoutMs = 30000);

// Input is posted to the program's queue, as the keyboard and mouse would
// deliver it, so that it keeps its order:
// a typed character, handled (with any game end it causes) on return;
bool TypeCharacter(const Program& program, char c);
// a typed character, queued only;
void PostCharacter(const Program& program, char c);
// a menu command or accelerator result, queued;
void PostCommand(const Program& program, int command);
// a key press and release (accelerators), queued;
void PostKey(const Program& program, int virtualKey);
// a left click at a client point, queued.
void PostClick(const Program& program, int x, int y);

std::string Caption(const Program& program);

// ---- Questions to the probe ----
// GetMenuState of a command anywhere in the menu bar; -1 when not found.
int MenuState(const Program& program, int command);
// GetMenuState of a popup of the menu bar, by position.
int PopupState(const Program& program, int position);
bool IsChecked(const Program& program, int command);
bool IsGreyed(const Program& program, int command);
bool IsPopupGreyed(const Program& program, int position);
// The client area as it is on the screen.
bool CaptureClient(const Program& program, Image& image);
// The client area of another window of the program's thread (a dialog or
// one of its controls) as it is on the screen.
bool CaptureWindowOf(const Program& program, HWND window, Image& image);
// The client area as the window paints it into a given context.
bool CapturePrinted(const Program& program, Image& image);
// Invalidates the whole window and has it painted at once.
bool RepaintNow(const Program& program);
// The text of a menu item of the main window, as the program shows it.
std::wstring MenuText(const Program& program, int command);
// How many controls of a dialog of the program show a text that does not
// fit them, and the first one's text.
int TextsThatDoNotFit(const Program& program, HWND dialog, std::wstring& first);
// A measuring request of probe_protocol.h (the bench's); on an answer,
// the memory after the probe's block that holds it, with the block's Value
// in *value. nullptr when the probe did not answer.
const void* AskProbeData(const Program& program, int request, int32_t argument, int32_t* value);
// The program's processor time (user and kernel) and the performance
// counter's clock, both in milliseconds, read inside it by the probe.
struct ProcessorReading {
    double CpuMs = 0;
    double ClockMs = 0;
};
bool ReadProcessor(const Program& program, ProcessorReading& reading);
// How long messages waited on the program's queue before it took them,
// the way Windows judges whether a window is hung (it does at 5 s): the
// probe times every message taken between the two calls.
struct QueueWaits {
    int Messages = 0;
    int LongestMs = 0;
    int LongestMessage = 0;
};
void StartTimingQueueWaits();
QueueWaits StopTimingQueueWaits();
// Presses or releases Ctrl and Shift for the whole system.
bool HoldModifierKeys(bool control, bool shift);

// The client area's rectangle in screen coordinates.
RECT ClientOnScreen(const Program& program);

// Saves a picture into the screenshot folder as NAME.bmp.
void SaveScreenshot(const Image& image, const std::string& name);

// Creates the shared block the probe answers into; once per driver run.
bool CreateProbeBlock();

#endif
