// The rules of frame_clicks.h.
#include "platform/frame_clicks.h"

FrameClickReplay ReplayFrameClick(bool doubleClick, int32_t pressHit, bool released, int32_t releaseHit,
                                  bool buttonDown) {
    if (doubleClick && pressHit == kHitSystemMenu) return FrameClickReplay::Close;
    if (!released) return buttonDown ? FrameClickReplay::PressAgain : FrameClickReplay::Nothing;
    if (releaseHit != pressHit) return FrameClickReplay::Nothing;
    switch (pressHit) {
        case kHitCloseBox: return FrameClickReplay::Close;
        case kHitMinimizeBox: return FrameClickReplay::Minimize;
        case kHitMenu:
        case kHitSystemMenu: return FrameClickReplay::PressAgain;
        default: return FrameClickReplay::Nothing;
    }
}
