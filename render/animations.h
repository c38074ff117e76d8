// Every animation of the scene in one table: how many frames a round, how
// many rounds, the pause after each frame (DelayMilliseconds), and the
// frame that stays at the end. The panels that play them read their
// pacing here and nowhere else.
//
// With "Show animations in Windows" switched off (AnimationsOn() of
// platform/player_settings.h) each of them shows its final frame at once,
// without its pauses: the sun stands at the top, the figure in its last
// pose, the meter and the case toggle are simply drawn anew. The flash of
// the phrase band at a game's end keeps its clicks and their spacing, but
// the band keeps its colours; every other sound, the reveal of the missing
// letters with its pauses, and the order of every step stay as they are.
#ifndef WORDLOFT_RENDER_ANIMATIONS_H
#define WORDLOFT_RENDER_ANIMATIONS_H

#include <cstdint>

struct AnimationFacts {
    int Frames;        // frames (or steps) of one round
    int Rounds;
    int16_t FrameMs;   // the pause after each frame
    int FinalFrame;    // the frame that stays when it is over; -1: none
};

// The sun of the last-but-one miss climbs from its low place to the top:
// 30 steps of (+5, -1) (SunClimbPosition), the sky behind it restored for
// each.
constexpr AnimationFacts kSunClimb = {30, 1, 30, -1};

// The figure dances at the last miss: ten rounds of the eight frames over
// the patch of sky behind it, ending in the fifth pose, which is also all
// a scene composed afterwards shows.
constexpr AnimationFacts kDance = {8, 10, 50, 4};

// Before a block of the guess meter goes: red frame lines close in on the
// meter's middle one step at a time, then white ones open out again (a
// round each way, as many steps as the meter is half wide, less its
// frame).
constexpr AnimationFacts kMeterWipe = {13, 2, 1, -1};

// A click on the case toggle: the box inverted, for one pause, and back.
constexpr AnimationFacts kCaseToggleFlash = {1, 1, 50, -1};

#endif
