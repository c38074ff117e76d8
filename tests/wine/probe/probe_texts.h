// What the probe reads of the program's texts from inside it: a menu item's
// text, and whether each control's text fits the control in its font.
#ifndef WORDLOFT_TESTS_PROBE_TEXTS_H
#define WORDLOFT_TESTS_PROBE_TEXTS_H

#include <windows.h>

#include "probe_protocol.h"

int32_t AnswerMenuText(HWND window, ProbeBlock* block);
int32_t AnswerTextsThatDoNotFit(HWND dialog, ProbeBlock* block);

#endif
