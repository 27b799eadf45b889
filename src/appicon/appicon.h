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

// The icon of the data files in a file manager: a sheet with a folded corner carrying the soil layers
// and the softness step line of the application's icon.
void paintDataFileIcon(QPainter& painter, int size);
QByteArray dataFileIconSvg();
