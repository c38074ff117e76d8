// The display scale: client sizes, the pixel mapping both ways, and the
// scaled copy of the scene (exact blocks at whole scales, every scene
// pixel keeping its share of the area at the others).
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "render/display_scale.h"

namespace {

const int kDpis[] = {96, 120, 144, 168, 192, 288};

DisplayScale ScaleAt(int dpi) {
    DisplayScale scale;
    SetDisplayScale(scale, dpi);
    return scale;
}

std::vector<uint32_t> RandomScene() {
    std::vector<uint32_t> scene(static_cast<size_t>(kSceneWidth) * kSceneHeight);
    unsigned seed = 12345;
    for (uint32_t& p : scene) {
        seed = seed * 214013 + 2531011;
        p = (seed >> 8) & 0xFFFFFF;
    }
    return scene;
}

std::vector<uint32_t> Scaled(const DisplayScale& scale, const std::vector<uint32_t>& scene) {
    std::vector<uint32_t> client(static_cast<size_t>(scale.X.ClientSize) * scale.Y.ClientSize, 0xDEADBEEF);
    ScaleScenePixels(scale, scene.data(), kSceneWidth, client.data(), scale.X.ClientSize,
                     {0, 0, scale.X.ClientSize, scale.Y.ClientSize});
    return client;
}

}  // namespace

TEST(DisplayScale, ClientSizeFollowsTheResolution) {
    const int widths[] = {593, 741, 890, 1038, 1186, 1779};
    const int heights[] = {378, 473, 567, 662, 756, 1134};
    for (int i = 0; i < 6; ++i) {
        const DisplayScale scale = ScaleAt(kDpis[i]);
        EXPECT_EQ(scale.X.ClientSize, widths[i]) << kDpis[i];
        EXPECT_EQ(scale.Y.ClientSize, heights[i]) << kDpis[i];
    }
    EXPECT_TRUE(IsUnscaled(ScaleAt(96)));
    EXPECT_TRUE(IsUnscaled(ScaleAt(72))) << "a resolution below 96 shows the scene at its own size";
    EXPECT_FALSE(IsUnscaled(ScaleAt(97)));
    EXPECT_EQ(ScaledLength(593, 100000), 593 * 8);
}

TEST(DisplayScale, BiggerTextScalesTheWholeScene) {
    struct Row { int dpi, percent, scaled; };
    const Row rows[] = {{96, 100, 96},  {96, 150, 144},  {96, 225, 216}, {144, 150, 216}, {120, 110, 132},
                        {96, 99, 96},   {96, 226, 96},   {96, 0, 96},    {384, 225, 768}};
    for (const Row& r : rows) EXPECT_EQ(TextScaledDpi(r.dpi, r.percent), r.scaled) << r.dpi << " " << r.percent;
}

TEST(DisplayScale, WholeScalesCopyEveryPixelIntoAnExactBlock) {
    const std::vector<uint32_t> scene = RandomScene();
    for (int n : {1, 2, 3}) {
        const DisplayScale scale = ScaleAt(96 * n);
        const std::vector<uint32_t> client = Scaled(scale, scene);
        long wrong = 0;
        for (int y = 0; y < scale.Y.ClientSize; ++y)
            for (int x = 0; x < scale.X.ClientSize; ++x)
                wrong += client[static_cast<size_t>(y) * scale.X.ClientSize + x] !=
                         scene[static_cast<size_t>(y / n) * kSceneWidth + x / n];
        EXPECT_EQ(wrong, 0) << n << " x";
    }
}

// Every scene pixel covers its share of the client area, dpi / 96 client
// pixels along each axis, so none comes out wider than its neighbours;
// at 150 % and more each also keeps at least one client pixel of its own.
TEST(DisplayScale, EveryScenePixelKeepsItsShareOfTheArea) {
    for (int dpi : kDpis) {
        const DisplayScale scale = ScaleAt(dpi);
        const ScaleAxis& axis = scale.X;
        std::vector<long> share(kSceneWidth, 0);
        std::vector<int> pure(kSceneWidth, 0);
        for (int t = 0; t < axis.ClientSize; ++t) {
            const int first = axis.First[t];
            share[first] += axis.Share[t];
            if (axis.Share[t] < 256) share[first + 1] += 256 - axis.Share[t];
            if (axis.Share[t] == 256) ++pure[first];
        }
        const double expected = 256.0 * dpi / 96;
        // The last column also takes what rounding the client size adds.
        for (int i = 0; i < kSceneWidth - 1; ++i) {
            EXPECT_NEAR(share[i], expected, 2) << "dpi " << dpi << ", scene column " << i;
            if (dpi >= 144) {
                EXPECT_GE(pure[i], 1) << "dpi " << dpi << ", scene column " << i;
            }
        }
    }
}

TEST(DisplayScale, MixedPixelsLieBetweenTheirNeighbours) {
    std::vector<uint32_t> scene(static_cast<size_t>(kSceneWidth) * kSceneHeight, 0xFFFFFF);
    for (int x = 0; x < kSceneWidth; x += 2) scene[100 * kSceneWidth + x] = 0x000000;
    const DisplayScale scale = ScaleAt(120);
    const std::vector<uint32_t> client = Scaled(scale, scene);
    for (uint32_t p : client) {
        const int blue = p & 0xFF, green = (p >> 8) & 0xFF, red = (p >> 16) & 0xFF;
        EXPECT_TRUE(blue == green && green == red) << std::hex << p << ": a grey line gained a colour";
    }
    // Above and below the line's rows the picture stays white.
    const RegionRect line = ClientRectOfScene(scale, {0, 100, kSceneWidth, 101});
    for (int y = 0; y < scale.Y.ClientSize; ++y) {
        if (y < line.top || y >= line.bottom) {
            EXPECT_EQ(client[static_cast<size_t>(y) * scale.X.ClientSize + 7], 0xFFFFFFu) << y;
        }
    }
}

// A click at the middle of a scene rectangle's client pixels lands in it,
// and positions outside the client area stay outside the scene.
TEST(DisplayScale, PositionsMapBackToTheScene) {
    const RegionRect cells[] = {{14, 272, 46, 304}, {518, 310, 550, 342}, {563, 0, 593, 45}, {0, 348, 563, 378}};
    for (int dpi : kDpis) {
        const DisplayScale scale = ScaleAt(dpi);
        for (const RegionRect& cell : cells) {
            const RegionRect client = ClientRectOfScene(scale, cell);
            const int x = SceneXOf(scale, (client.left + client.right) / 2);
            const int y = SceneYOf(scale, (client.top + client.bottom) / 2);
            EXPECT_TRUE(x >= cell.left && x < cell.right && y >= cell.top && y < cell.bottom)
                << "dpi " << dpi << ": " << x << "," << y;
            // Every client pixel of the rectangle maps into it or onto its edge pixels' neighbours.
            EXPECT_GE(SceneXOf(scale, client.left), cell.left - 1);
            EXPECT_LE(SceneXOf(scale, client.right - 1), cell.right);
            const RegionRect back = SceneRectOfClient(scale, client);
            EXPECT_TRUE(back.left <= cell.left && back.right >= cell.right && back.top <= cell.top &&
                        back.bottom >= cell.bottom)
                << "dpi " << dpi;
        }
        EXPECT_LT(SceneXOf(scale, -1), 0);
        EXPECT_LT(SceneYOf(scale, -3), 0);
        EXPECT_GE(SceneXOf(scale, scale.X.ClientSize), kSceneWidth);
        EXPECT_GE(SceneYOf(scale, scale.Y.ClientSize), kSceneHeight);
        const RegionRect whole = ClientRectOfScene(scale, {-5, -5, 900, 900});
        EXPECT_TRUE(whole.left == 0 && whole.top == 0 && whole.right == scale.X.ClientSize &&
                    whole.bottom == scale.Y.ClientSize);
    }
}
