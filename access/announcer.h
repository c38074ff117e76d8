// Saying something to the screen reader. Each window of the program that
// speaks (the main window, and a dialog while it is the active window)
// gets an announcer: a small child window of its own, of no size, that a
// screen reader can make an object of. Where the system has UI
// Automation's notification event (Windows 10 version 1709 on) the
// announcer is a UI Automation element (its provider answers WM_GETOBJECT
// with UiaRootObjectId) and each announcement is that event, which
// carries the text. Elsewhere the announcer is an accessible object whose
// children are alert elements, and each announcement is EVENT_SYSTEM_ALERT
// on the element that holds its text. Only one of the two is ever sent.
#ifndef WORDLOFT_ACCESS_ANNOUNCER_H
#define WORDLOFT_ACCESS_ANNOUNCER_H

#include <windows.h>

#include <string>

enum AnnounceKind { kAnnounceGame, kAnnounceGuess, kAnnounceGameEnd };

// The announcer's window class, and how many announcements it keeps, each
// under its own child number 1.. so that a client reading one late still
// reads that one.
constexpr char kAnnouncerClass[] = "WordloftAnnouncer";
constexpr long kAnnouncementSlots = 8;

// From the first client's request (the main window's announcer is made
// then) to the main window's end; afterwards nothing is said or made.
void StartAnnouncements(HWND mainWindow);
void StopAnnouncements();
bool AnnouncementsStarted();

// Says a text through the announcer of the program's active window (the
// main window's when none of the program's windows is active).
void Announce(const std::string& text, AnnounceKind kind);

// Runs a task once the message being handled now is over: it is posted
// to the main window's announcer and run when a message loop takes it.
void RunAfterThisMessage(void (*task)());

#endif
