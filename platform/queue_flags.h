// Which kinds of message the pauses wait for and take as input, by the
// Windows the program runs on. The program is compiled for Windows XP's
// API level; Windows 8 added two kinds of input, touch and pointer
// messages (QS_TOUCH, QS_POINTER), which a wait must name to wake for
// them there, and which Windows 7 and older refuse: a wait or a peek that
// names them fails with ERROR_INVALID_PARAMETER. Portable: the unit tests
// check the masks for each version.
#ifndef WORDLOFT_PLATFORM_QUEUE_FLAGS_H
#define WORDLOFT_PLATFORM_QUEUE_FLAGS_H

#include <cstdint>

// The queue-status bits of winuser.h. XP's QS_INPUT and QS_ALLINPUT; the
// two Windows 8 added.
constexpr uint32_t kQueueInputXp = 0x0407;
constexpr uint32_t kQueueAllInputXp = 0x04FF;
constexpr uint32_t kQueueTouch = 0x0800;
constexpr uint32_t kQueuePointer = 0x1000;

struct QueueFlags {
    uint32_t Wake;       // for MsgWaitForMultipleObjectsEx and GetQueueStatus
    uint32_t InputPeek;  // PeekMessage's PM_QS_INPUT: the input kinds, shifted
};

// True for Windows 8 (6.2) and later, which know the two later kinds.
bool VersionHasLaterQueueKinds(uint32_t major, uint32_t minor);

// The flags for Windows major.minor: the Windows 8 kinds only from 6.2 on,
// and only where the system did not refuse them when asked.
QueueFlags QueueFlagsFor(uint32_t major, uint32_t minor, bool laterKindsRefused);

#endif
