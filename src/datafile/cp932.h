#pragma once

#include <iconv.h>
#include <QByteArray>
#include <QString>
#include <QStringView>
#include <string_view>

// Text in Windows code page 932, the encoding of the data files (Shift-JIS with the Windows
// additions such as "～"), converted through iconv. One converter serves a whole file.
class Cp932 {
public:
    Cp932();
    ~Cp932();
    Cp932(const Cp932&) = delete;
    Cp932& operator=(const Cp932&) = delete;

    // The text of CP932 bytes. A byte that starts no CP932 character becomes U+FFFD and clears
    // `*valid` (when given).
    QString decode(std::string_view bytes, bool* valid);

    // The CP932 bytes of a text. A character CP932 cannot store becomes "？" and clears `*exact`
    // (when given).
    QByteArray encode(QStringView text, bool* exact);
    // The same, appended to `output`.
    void encode(QStringView text, QByteArray& output, bool* exact);

private:
    iconv_t decoder_;
    iconv_t encoder_;
};
