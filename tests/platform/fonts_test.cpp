#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>

namespace {

// The test main installs the substitutes as the application does at start-up.
TEST(FontSubstitutes, WindowsFaceNamesResolveToTheIpaFaces) {
    const std::pair<const char*, const char*> faces[] = {
        {"ＭＳ 明朝", "IPAMincho"},
        {"MS 明朝", "IPAMincho"},
        {"ＭＳ Ｐ明朝", "IPAPMincho"},
        {"ＭＳ Ｐゴシック", "IPAPGothic"},
    };
    for (const auto& [name, face] : faces)
        EXPECT_EQ(QFontInfo(QFont(QString::fromUtf8(name))).family().toStdString(), face) << name;
}

}  // namespace
