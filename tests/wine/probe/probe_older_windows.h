// Where Wine is more lenient than the Windows it plays, or keeps no
// setting that Windows keeps, the probe answers as that Windows would: the
// queue flags of Windows 8 refused on Windows 7 and older, the DPI
// function of Windows 10 hidden on request, and a contrast theme reported
// on request.
#ifndef WORDLOFT_TESTS_PROBE_OLDER_WINDOWS_H
#define WORDLOFT_TESTS_PROBE_OLDER_WINDOWS_H

#include <windows.h>

#include "probe_protocol.h"

// Puts the refusals in place once, when the program runs as Windows 7 or
// older (its RtlGetVersion says so).
void ActAsOlderWindows(ProbeBlock* block);

// True (with ERROR_INVALID_PARAMETER set and the call counted) when a
// call naming these queue-status flags is refused.
bool RefuseLaterQueueFlags(UINT flags);

// kProbeHideWindowDpi.
int32_t HideWindowDpi();

// kProbeAnswerHighContrast.
int32_t AnswerHighContrast(bool on);

#endif
