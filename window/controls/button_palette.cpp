#include "controls/button_palette.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace kometa::window {

namespace {

double RelativeLuminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF())
            + 0.0722 * linear(rgb.blueF());
}

constexpr double ReadableContrast = 4.5;

} // namespace

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette WhiteFacePalette(const QPalette &platform)
{
    QPalette faces;
    faces.setColor(QPalette::Button, Qt::white);
    // Buttons here are never disabled, so the disabled colours are left to the platform.
    for (QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive }) {
        if (ContrastRatio(platform.color(group, QPalette::ButtonText), Qt::white)
            < ReadableContrast)
            faces.setColor(group, QPalette::ButtonText, Qt::black);
    }
    return faces;
}

} // namespace kometa::window
