// The queue flags of the running Windows (see queue_flags.h).
#include "platform/queue_flags.h"

namespace {

constexpr uint32_t kWindows8Major = 6;
constexpr uint32_t kWindows8Minor = 2;

}  // namespace

bool VersionHasLaterQueueKinds(uint32_t major, uint32_t minor) {
    return major > kWindows8Major || (major == kWindows8Major && minor >= kWindows8Minor);
}

QueueFlags QueueFlagsFor(uint32_t major, uint32_t minor, bool laterKindsRefused) {
    const bool later = VersionHasLaterQueueKinds(major, minor) && !laterKindsRefused;
    const uint32_t kinds = later ? kQueueTouch | kQueuePointer : 0;
    return QueueFlags{kQueueAllInputXp | kinds, (kQueueInputXp | kinds) << 16};
}
