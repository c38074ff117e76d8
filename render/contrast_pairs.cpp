// The contrast look's pairs of system colours and the contrast ratio.
#include "render/contrast_pairs.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTextRatio = 4.5;
constexpr double kShapeRatio = 3.0;

// One sRGB channel, 0..255, as linear light.
double LinearChannel(uint32_t value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(uint32_t rgb) {
    return 0.2126 * LinearChannel((rgb >> 16) & 0xFF) + 0.7152 * LinearChannel((rgb >> 8) & 0xFF) +
           0.0722 * LinearChannel(rgb & 0xFF);
}

}  // namespace

const ContrastPair ContrastPairs[kContrastRoleCount] = {
    {kColourWindowText, kColourWindow, kTextRatio},         // kRoleText
    {kColourGrayText, kColourWindow, kTextRatio},           // kRoleUsedLetter
    {kColourHighlightText, kColourHighlight, kTextRatio},  // kRoleSelectedText
    {kColourWindowText, kColourWindow, kShapeRatio},        // kRoleShape
};

double ContrastRatio(uint32_t a, uint32_t b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
