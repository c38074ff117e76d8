// The display scale's arithmetic: the client size at a resolution, the
// pixel mapping of each axis, and the scaled copy of the scene's pixels.
#include "render/display_scale.h"

#include <algorithm>

namespace {

constexpr int kFullShare = 256;

// Division rounding toward minus infinity and toward plus infinity, for
// coordinates that may lie left of or above the client area.
long FloorDiv(long a, long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
long CeilDiv(long a, long b) { return -FloorDiv(-a, b); }

int ClampDpi(int dpi) { return std::min(std::max(dpi, kSceneDpi), kLargestDpi); }

// Scene pixels are dpi / 96 client pixels wide, exactly, so that the
// pattern of mixed pixels repeats evenly across the scene (at 150 %: one
// pure, one mixed, one pure for every two scene pixels). Client pixel t
// covers the scene from t * 96 / dpi to (t + 1) * 96 / dpi; in units of
// 1 / dpi scene pixel that is t * 96 to (t + 1) * 96, and scene pixel i
// lies from i * dpi to (i + 1) * dpi. The client is never smaller than
// the scene, so a client pixel reaches at most two scene pixels; the last
// one may reach past the scene's edge, which counts as its last pixel.
void FillAxis(ScaleAxis& axis, int sceneSize, int dpi) {
    axis.SceneSize = sceneSize;
    axis.ClientSize = ScaledLength(sceneSize, dpi);
    axis.Dpi = dpi;
    axis.First.assign(static_cast<size_t>(axis.ClientSize), 0);
    axis.Share.assign(static_cast<size_t>(axis.ClientSize), kFullShare);
    for (long t = 0; t < axis.ClientSize; ++t) {
        long first = t * kSceneDpi / dpi;
        const long overlap = std::min((first + 1) * dpi, (t + 1) * kSceneDpi) - t * kSceneDpi;
        long share = (overlap * kFullShare + kSceneDpi / 2) / kSceneDpi;
        // A sliver too thin to show leaves the pixel wholly to the next one.
        if (share == 0) {
            ++first;
            share = kFullShare;
        }
        if (first >= sceneSize - 1) {
            first = sceneSize - 1;
            share = kFullShare;
        }
        axis.First[static_cast<size_t>(t)] = static_cast<uint16_t>(first);
        axis.Share[static_cast<size_t>(t)] = static_cast<uint16_t>(share);
    }
}

// The middle of client pixel t lies at (2t + 1) * 96 / 2dpi scene pixels.
int SceneCoordinateOf(const ScaleAxis& axis, int client) {
    return static_cast<int>(FloorDiv((2L * client + 1) * kSceneDpi, 2L * axis.Dpi));
}

int ClientEdgeBelow(const ScaleAxis& axis, int scene) {
    return static_cast<int>(FloorDiv(static_cast<long>(scene) * axis.Dpi, kSceneDpi));
}

int ClientEdgeAbove(const ScaleAxis& axis, int scene) {
    return static_cast<int>(CeilDiv(static_cast<long>(scene) * axis.Dpi, kSceneDpi));
}

int Clamp(int value, int size) { return std::min(std::max(value, 0), size); }

// Mixes two pixels, share/256 of a and the rest of b, two channels at a
// time: each channel's product stays within its 16 bits.
uint32_t Mix(uint32_t a, uint32_t b, uint32_t share) {
    if (share >= kFullShare) return a;
    const uint32_t rest = kFullShare - share;
    const uint32_t redBlue = ((a & 0xFF00FFu) * share + (b & 0xFF00FFu) * rest + 0x800080u) >> 8;
    const uint32_t green = (((a >> 8) & 0xFFu) * share + ((b >> 8) & 0xFFu) * rest + 0x80u) >> 8;
    return (redBlue & 0xFF00FFu) | ((green & 0xFFu) << 8);
}

}  // namespace

int ScaledLength(int sceneLength, int dpi) {
    return static_cast<int>((static_cast<long>(sceneLength) * ClampDpi(dpi) + kSceneDpi / 2) / kSceneDpi);
}

int TextScaledDpi(int dpi, int textScalePercent) {
    constexpr int kNormalText = 100;
    constexpr int kLargestText = 225;
    if (textScalePercent < kNormalText || textScalePercent > kLargestText) textScalePercent = kNormalText;
    const long scaled = (static_cast<long>(dpi) * textScalePercent + kNormalText / 2) / kNormalText;
    return static_cast<int>(std::min(scaled, static_cast<long>(kLargestDpi)));
}

void SetDisplayScale(DisplayScale& scale, int dpi) { SetPictureScale(scale, kSceneWidth, kSceneHeight, dpi); }

void SetPictureScale(DisplayScale& scale, int width, int height, int dpi) {
    scale.Dpi = ClampDpi(dpi);
    FillAxis(scale.X, width, scale.Dpi);
    FillAxis(scale.Y, height, scale.Dpi);
}

bool IsUnscaled(const DisplayScale& scale) { return scale.Dpi == kSceneDpi; }

int SceneXOf(const DisplayScale& scale, int clientX) { return SceneCoordinateOf(scale.X, clientX); }

int SceneYOf(const DisplayScale& scale, int clientY) { return SceneCoordinateOf(scale.Y, clientY); }

RegionRect ClientRectOfScene(const DisplayScale& scale, const RegionRect& scene) {
    return {Clamp(ClientEdgeBelow(scale.X, scene.left), scale.X.ClientSize),
            Clamp(ClientEdgeBelow(scale.Y, scene.top), scale.Y.ClientSize),
            Clamp(ClientEdgeAbove(scale.X, scene.right), scale.X.ClientSize),
            Clamp(ClientEdgeAbove(scale.Y, scene.bottom), scale.Y.ClientSize)};
}

RegionRect SceneRectOfClient(const DisplayScale& scale, const RegionRect& client) {
    const auto below = [](const ScaleAxis& a, int c) {
        return static_cast<int>(FloorDiv(static_cast<long>(c) * kSceneDpi, a.Dpi));
    };
    const auto above = [](const ScaleAxis& a, int c) {
        return static_cast<int>(CeilDiv(static_cast<long>(c) * kSceneDpi, a.Dpi));
    };
    return {Clamp(below(scale.X, client.left), scale.X.SceneSize),
            Clamp(below(scale.Y, client.top), scale.Y.SceneSize),
            Clamp(above(scale.X, client.right), scale.X.SceneSize),
            Clamp(above(scale.Y, client.bottom), scale.Y.SceneSize)};
}

void ScaleScenePixels(const DisplayScale& scale, const uint32_t* scene, int sceneStride,
                      uint32_t* client, int clientStride, const RegionRect& area) {
    const ScaleAxis& ax = scale.X;
    const ScaleAxis& ay = scale.Y;
    const int lastX = ax.SceneSize - 1;
    const int lastY = ay.SceneSize - 1;
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, ay.ClientSize); ++y) {
        const int firstY = ay.First[static_cast<size_t>(y)];
        const uint32_t shareY = ay.Share[static_cast<size_t>(y)];
        const uint32_t* upper = scene + static_cast<long>(firstY) * sceneStride;
        const uint32_t* lower = firstY < lastY ? upper + sceneStride : upper;
        uint32_t* out = client + static_cast<long>(y) * clientStride;
        for (int x = std::max(area.left, 0); x < std::min(area.right, ax.ClientSize); ++x) {
            const int firstX = ax.First[static_cast<size_t>(x)];
            const int nextX = firstX < lastX ? firstX + 1 : firstX;
            const uint32_t shareX = ax.Share[static_cast<size_t>(x)];
            const uint32_t top = Mix(upper[firstX], upper[nextX], shareX);
            out[x] = shareY >= kFullShare ? top : Mix(top, Mix(lower[firstX], lower[nextX], shareX), shareY);
        }
    }
}
