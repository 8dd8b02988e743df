// Buttons keep white faces under every desktop theme, so their captions must stay dark
// enough to read on white even where the theme's button text is light.
#pragma once

#include <QColor>
#include <QPalette>

namespace kometa::window {

// The contrast of two colours as accessibility guidelines measure it: 1 to 21.
double ContrastRatio(const QColor &a, const QColor &b);

// A palette that sets only what a button needs: a white face, and black captions where the
// platform's caption colour would fall below 4.5:1 on white. Every other role stays
// inherited, so that under a light theme a button looks exactly as the platform draws it.
QPalette WhiteFacePalette(const QPalette &platform);

} // namespace kometa::window
