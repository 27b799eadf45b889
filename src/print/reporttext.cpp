#include "print/reporttext.h"

#include <algorithm>

#include "platform/surface.h"

const QString ReportFace = QStringLiteral("ＭＳ 明朝");
const QString ReportTitleFace = QStringLiteral("ＭＳ Ｐゴシック");

namespace {

constexpr double TwipsPerPoint = 20;
const QString Ellipsis = QStringLiteral("…");

// Width in ems of one character: half for ASCII and half-width katakana, one for the rest. The second
// half of a surrogate pair adds nothing.
double emsOf(QChar c) {
    const char16_t u = c.unicode();
    if (c.isLowSurrogate()) return 0;
    if (u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F)) return 0.5;
    return 1;
}

double emsOf(const QString& text) {
    double ems = 0;
    for (const QChar c : text) ems += emsOf(c);
    return ems;
}

QString printable(const QString& text) {
    QString clean = text;
    for (QChar& c : clean)
        if (c.category() == QChar::Other_Control) c = QLatin1Char(' ');
    return clean;
}

}  // namespace

double textWidth(const QString& text, double points) {
    return emsOf(text) * points * TwipsPerPoint;
}

QString FittedTexts::fit(const QString& text, double width, double points, const QString& field, int block) {
    const QString clean = printable(text);
    const double room = width / (points * TwipsPerPoint);
    if (emsOf(clean) <= room) return clean;
    double ems = emsOf(Ellipsis);
    qsizetype kept = 0;
    // The second half of a surrogate pair adds nothing, so a pair is kept whole or not at all.
    while (kept < clean.size() && ems + emsOf(clean[kept]) <= room) ems += emsOf(clean[kept++]);
    auto known = std::find_if(shortened_.begin(), shortened_.end(),
                              [&](const Shortened& entry) { return entry.field == field; });
    if (known == shortened_.end()) known = shortened_.insert(shortened_.end(), {field, {}});
    if (block > 0 && std::find(known->blocks.begin(), known->blocks.end(), block) == known->blocks.end())
        known->blocks.push_back(block);
    return clean.left(kept) + Ellipsis;
}

void FittedTexts::warn(const LengthWarning& warn) const {
    for (const Shortened& entry : shortened_) {
        QStringList blocks;
        for (int block : entry.blocks) blocks << QString::number(block);
        const QString where = blocks.isEmpty()
                                  ? QString()
                                  : QStringLiteral("（ブロック %1）").arg(blocks.join(QStringLiteral(", ")));
        warn(QStringLiteral("%1が印刷可能文字数を越えました。「…」で省略して印刷します。%2")
                 .arg(entry.field, where),
             QStringLiteral("印刷可能文字数超過（%1）").arg(entry.field));
    }
}

void textAt(Surface& page, double x, double y, const QString& text) {
    page.moveTo(x, y);
    page.printLine(text);
}

void textRight(Surface& page, double right, double y, const QString& text) {
    textAt(page, right - textWidth(text, page.fontSize()), y, text);
}

void textCentred(Surface& page, double left, double right, double y, const QString& text) {
    textAt(page, (left + right - textWidth(text, page.fontSize())) / 2, y, text);
}

void frameBox(Surface& page, double left, double top, double right, double bottom) {
    page.line(left, top, right, top);
    page.line(right, top, right, bottom);
    page.line(right, bottom, left, bottom);
    page.line(left, bottom, left, top);
}
