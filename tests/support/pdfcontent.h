#pragma once

#include <QByteArray>
#include <QPointF>
#include <vector>

// What a PDF's pages draw, read back from their content streams, for tests that compare how a page
// came out. Lengths and points are in PDF points (1/72 inch), y upward from the bottom of the page.

struct PdfStroke {
    double width;
    QPointF from;  // the first and the last point of the path
    QPointF to;
};

// The stroked paths of every content stream of the document, in the order they are drawn.
std::vector<PdfStroke> strokesOf(const QByteArray& pdf);

// A dotted line: dots (strokes shorter than 1 pt) drawn one after the other along one straight line.
struct DottedLine {
    QPointF from;  // the first dot's start and the last dot's end
    QPointF to;
    int dots;
    double dotLength;  // of the first dot
    double period;     // from the start of one dot to the start of the next, on average
};

std::vector<DottedLine> dottedLinesOf(const std::vector<PdfStroke>& strokes);
