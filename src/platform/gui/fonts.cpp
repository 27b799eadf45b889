#include "platform/gui/fonts.h"

#include <QFont>
#include <QGuiApplication>

void installApplicationFonts() {
    QFont::insertSubstitution(QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
    QFont::insertSubstitution(QStringLiteral("MS 明朝"), QStringLiteral("IPAMincho"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QGuiApplication::setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
}
