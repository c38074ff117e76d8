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

// Client pixel t covers the scene from t * S / C to (t + 1) * S / C; in
// units of 1 / C scene pixel that is t * S to (t + 1) * S, and scene pixel
// i lies from i * C to (i + 1) * C. The client is never smaller than the
// scene, so a client pixel reaches at most two scene pixels.
void FillAxis(ScaleAxis& axis, int sceneSize, int clientSize) {
    axis.SceneSize = sceneSize;
    axis.ClientSize = clientSize;
    axis.First.assign(static_cast<size_t>(clientSize), 0);
    axis.Share.assign(static_cast<size_t>(clientSize), kFullShare);
    const long s = sceneSize;
    const long c = clientSize;
    for (long t = 0; t < c; ++t) {
        const long first = t * s / c;
        const long overlap = std::min((first + 1) * c, (t + 1) * s) - t * s;
        axis.First[static_cast<size_t>(t)] = static_cast<uint16_t>(first);
        axis.Share[static_cast<size_t>(t)] = static_cast<uint16_t>((overlap * kFullShare + s / 2) / s);
    }
}

// The middle of client pixel t lies at (2t + 1) * S / 2C scene pixels.
int SceneCoordinateOf(const ScaleAxis& axis, int client) {
    return static_cast<int>(FloorDiv((2L * client + 1) * axis.SceneSize, 2L * axis.ClientSize));
}

int ClientEdgeBelow(const ScaleAxis& axis, int scene) {
    return static_cast<int>(FloorDiv(static_cast<long>(scene) * axis.ClientSize, axis.SceneSize));
}

int ClientEdgeAbove(const ScaleAxis& axis, int scene) {
    return static_cast<int>(CeilDiv(static_cast<long>(scene) * axis.ClientSize, axis.SceneSize));
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

void SetDisplayScale(DisplayScale& scale, int dpi) {
    scale.Dpi = ClampDpi(dpi);
    FillAxis(scale.X, kSceneWidth, ScaledLength(kSceneWidth, scale.Dpi));
    FillAxis(scale.Y, kSceneHeight, ScaledLength(kSceneHeight, scale.Dpi));
}

bool IsUnscaled(const DisplayScale& scale) {
    return scale.X.ClientSize == scale.X.SceneSize && scale.Y.ClientSize == scale.Y.SceneSize;
}

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
        return static_cast<int>(FloorDiv(static_cast<long>(c) * a.SceneSize, a.ClientSize));
    };
    const auto above = [](const ScaleAxis& a, int c) {
        return static_cast<int>(CeilDiv(static_cast<long>(c) * a.SceneSize, a.ClientSize));
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
