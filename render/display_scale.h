// The display scale: how the scene's fixed 593 x 378 pixels map onto the
// window's client area on a monitor of a given resolution, and back.
//
// The scene is always drawn at its own size (96 pixels to the logical
// inch). On a monitor set to a larger scale the window's client area is
// the scene times dpi / 96, and every scene pixel covers that many client
// pixels along each axis. A client pixel takes the colours of the scene
// pixels under it, each by the share of its area it covers. At whole
// scales every scene pixel becomes an exact n x n block; between them the
// edges of the art are softened by at most one mixed client pixel, and no
// scene pixel comes out wider than its neighbours. At 150 % and 175 % each
// scene pixel keeps a solid core of its own; at 125 % a scene pixel is
// only 1.25 client pixels wide, so two in four share every client pixel
// they reach. This is the picture that enlarging by the next whole number
// with copied pixels and then reducing to the target size by area gives;
// it neither blurs like a smooth stretch nor leaves the uneven 1- and
// 2-pixel columns of a plain nearest-pixel stretch.
//
// Portable: pure arithmetic on 32-bit pixels (blue, green, red, unused).
#ifndef WORDLOFT_RENDER_DISPLAY_SCALE_H
#define WORDLOFT_RENDER_DISPLAY_SCALE_H

#include <cstdint>
#include <vector>

#include "render/scene_layout.h"

constexpr int kSceneWidth = 593;
constexpr int kSceneHeight = 378;
// The logical inch the scene is drawn for, and the largest scale the
// window follows (800 %).
constexpr int kSceneDpi = 96;
constexpr int kLargestDpi = 8 * kSceneDpi;

// One axis of the mapping: for every client pixel, the first scene pixel
// under it and that pixel's share of it out of 256 (the rest belongs to
// the next scene pixel).
struct ScaleAxis {
    int SceneSize = 0;
    int ClientSize = 0;
    int Dpi = kSceneDpi;
    std::vector<uint16_t> First;
    std::vector<uint16_t> Share;
};

struct DisplayScale {
    int Dpi = kSceneDpi;
    ScaleAxis X;
    ScaleAxis Y;
};

// The client size of the scene at a resolution: dpi / 96 of it, rounded
// to the nearest pixel. A dpi outside 96..768 counts as the nearer end.
int ScaledLength(int sceneLength, int dpi);

// The resolution the scene is drawn at on a monitor of the given one when
// the player has made text bigger by textScalePercent (100 to 225): every
// word of the game is painted into the scene, so the whole scene grows by
// that factor. A factor outside 100..225 counts as 100; the result is
// rounded to the nearest whole resolution and held to 768.
int TextScaledDpi(int dpi, int textScalePercent);

// Fills the mapping of the scene onto a monitor of the given resolution.
void SetDisplayScale(DisplayScale& scale, int dpi);
// The same for another picture of the program's art, width x height
// pixels at 96 to the inch.
void SetPictureScale(DisplayScale& scale, int width, int height, int dpi);

// True when the client area shows the scene pixel for pixel.
bool IsUnscaled(const DisplayScale& scale);

// The scene pixel under the middle of a client pixel; for a point outside
// the client area, a coordinate outside the scene.
int SceneXOf(const DisplayScale& scale, int clientX);
int SceneYOf(const DisplayScale& scale, int clientY);

// The client rectangle a scene rectangle covers (every client pixel that
// any of its scene pixels reaches), and the scene rectangle that holds
// every scene pixel under a client rectangle. Both are kept inside the
// scene or the client area.
RegionRect ClientRectOfScene(const DisplayScale& scale, const RegionRect& scene);
RegionRect SceneRectOfClient(const DisplayScale& scale, const RegionRect& client);

// Writes the client pixels of the client rectangle area from the scene's
// pixels (or the picture's, for a picture scale). Both pictures are stored
// top row first, rows of the given lengths in pixels; area must lie inside
// the client area.
void ScaleScenePixels(const DisplayScale& scale, const uint32_t* scene, int sceneStride,
                      uint32_t* client, int clientStride, const RegionRect& area);

#endif
