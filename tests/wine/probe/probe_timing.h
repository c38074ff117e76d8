// The bench's measurements inside the program: painting against a plain
// copy to the window, the program's pauses and window drawing as they
// happen, and its processor time.
#ifndef WORDLOFT_TESTS_PROBE_TIMING_H
#define WORDLOFT_TESTS_PROBE_TIMING_H

#include <windows.h>

#include "probe_protocol.h"

// Each answers one request of probe_protocol.h into the memory after the
// block; 1 on success, 0 on failure.
int32_t TimePainting(HWND window, ProbeBlock* block);
int32_t StartEventLog(ProbeBlock* block);
int32_t StopEventLog(ProbeBlock* block);
int32_t ReadProcessTime(ProbeBlock* block);

// The import slot through which the program calls dll!name, found by name
// in the program's import table; nullptr when it does not import it.
void** ImportSlot(const char* dll, const char* name);
// Writes a new address into an import slot; false when it cannot.
bool WriteSlot(void** slot, void* value);

#endif
