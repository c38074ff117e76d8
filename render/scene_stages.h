// Scene stages: the picture in the scene box.
//
// Before the first miss of a game the box shows the welcome picture; from
// then on a desert scene that gains fixed stages with every miss, the sun
// climbing one miss before the end and the figure dancing at the last.
// A repaint rebuilds the same scene from GuessesLeft alone.
#ifndef WORDLOFT_RENDER_SCENE_STAGES_H
#define WORDLOFT_RENDER_SCENE_STAGES_H

#include <windows.h>

#include <cstdint>

// The content of the scene box, after its white fill.
void DrawScene(HDC dc);

// One stage (0..11); with animate the climbing sun of stage 1 moves and
// the figure of stage 0 dances; without, both are drawn where they end.
void DrawSceneStage(HDC dc, int16_t stage, bool animate);

#endif
