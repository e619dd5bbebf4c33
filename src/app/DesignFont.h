#pragma once

#include <QFont>

// Fonts as the window designs give them. The designs measure type in points
// of a 72-dpi screen, where a point is a pixel; sizing in pixels keeps every
// text inside the box the design gives it, at any screen resolution.
namespace DesignFont {

QFont arial(int size, bool bold);

// The platform's system font at its own size.
QFont system(bool bold);

}
