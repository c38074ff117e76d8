// Saying something to the screen reader: each announcement is kept as an
// alert element of the main window's object and sent, where the system has
// it and a UI Automation client listens, as UI Automation's notification
// event (which carries the text); otherwise as EVENT_SYSTEM_ALERT on that
// alert element. Only one of the two is sent, so that a screen reader that
// listens to both does not say it twice.
#ifndef WORDLOFT_ACCESS_ANNOUNCER_H
#define WORDLOFT_ACCESS_ANNOUNCER_H

#include <windows.h>

#include <string>

enum AnnounceKind { kAnnounceGame, kAnnounceGuess, kAnnounceGameEnd };

// From the first client's request to the window's end.
void StartAnnouncements(HWND window);
void StopAnnouncements();

void Announce(const std::string& text, AnnounceKind kind);

// The newest announcement, or the one kept under an alert element's own
// number (kAccessFirstAnnouncement and on); nullptr when there is none.
const char* NewestAnnouncement();
const char* AnnouncementNumbered(long child);

#endif
