#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "print/testformpage.h"

class Surface;

// The texts of the report pages, in the fixed-pitch face "ＭＳ 明朝", where a full-width character is
// one em wide (the font size) and an ASCII or half-width character half of one, so that a text's width
// is known before it is printed.
extern const QString ReportFace;
// The face of titles and headings, whose texts are the program's own.
extern const QString ReportTitleFace;

// The width of a text in twips at a size in points.
double textWidth(const QString& text, double points);

// Texts fitted into their cells: a text wider than its cell is cut and ends in "…", and noted, so that
// the report warns once about each kind of text that was shortened. Line ends and other control
// characters become blanks.
class FittedTexts {
public:
    // The text as it fits `width` twips at the size in points; `field` names the kind of text in the
    // warning, and `block` the block it belongs to (0 for a text of no one block).
    QString fit(const QString& text, double width, double points, const QString& field, int block = 0);
    // One warning for each field that was shortened, naming its blocks, in the order first met.
    void warn(const LengthWarning& warn) const;

private:
    struct Shortened {
        QString field;
        std::vector<int> blocks;
    };
    std::vector<Shortened> shortened_;
};

// Texts at a place on a page: with their top-left corner there, ending at `right`, or centred between
// `left` and `right`.
void textAt(Surface& page, double x, double y, const QString& text);
void textRight(Surface& page, double right, double y, const QString& text);
void textCentred(Surface& page, double left, double right, double y, const QString& text);
// The four sides of a box.
void frameBox(Surface& page, double left, double top, double right, double bottom);
