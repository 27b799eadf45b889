#pragma once

#include <QByteArray>
#include <QIcon>

class QPainter;

// The application's icon: a weight on a rod driven into layered soil, beside a softness step line.
// One drawing for the windows, the installed bitmaps and the scalable file.

// Paints the icon into the square (0, 0)–(size, size).
void paintApplicationIcon(QPainter& painter, int size);
// The icon as an SVG document.
QByteArray applicationIconSvg();
// The icon in the sizes the window system asks for.
QIcon applicationIcon();
