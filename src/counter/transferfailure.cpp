#include "counter/transferfailure.h"

#include "counter/portopenmessage.h"

namespace {

// The refused characters as readable text: printable ASCII as is, everything else as <hex>.
QString shownCharacters(const QByteArray& characters) {
    constexpr int Shown = 40;
    QString text;
    for (const char character : characters.left(Shown)) {
        const auto byte = static_cast<unsigned char>(character);
        text +=
            byte >= 0x20 && byte < 0x7F
                ? QString(QChar(byte))
                : QLatin1Char('<') + QString::fromLatin1(QByteArray(1, character).toHex()) + QLatin1Char('>');
    }
    if (characters.size() > Shown) text += QStringLiteral("...");
    return text;
}

}  // namespace

QString TransferFailure::windowText() const {
    switch (kind) {
        case Kind::OpenFailed: return PortOpenMessage::text();
        case Kind::PortNotOpen: return QStringLiteral("ﾎﾟｰﾄが開かれていないため、通信できません。");
        case Kind::WrongFirstCharacter:
        case Kind::WrongReady:
        case Kind::WrongAcknowledgement:
        case Kind::Flood:
            return QStringLiteral("ﾃﾗｺｶｳﾝﾀから予期しない応答があったため、通信を中断しました。\n受信: ") +
                   shownCharacters(received);
        case Kind::TimedOut:
            return QStringLiteral(
                "ﾃﾗｺｶｳﾝﾀから応答がないため、通信を中断しました。\n"
                "ｹｰﾌﾞﾙの接続とﾃﾗｺｶｳﾝﾀのﾛｰﾀﾘSWの位置を確認してください。");
        case Kind::Stopped: return QStringLiteral("通信を中断しました。");
        case Kind::LineFailed:
            return QStringLiteral("通信ﾎﾟｰﾄが使えなくなったため、通信を中断しました。\n") + detail;
        case Kind::Disconnected:
            return QStringLiteral(
                "ﾃﾗｺｶｳﾝﾀとの接続が切れたため、通信を中断しました。\nｹｰﾌﾞﾙが抜けていないか確認してください。");
        case Kind::DumpNotWritten:
            return QStringLiteral("受信ﾃﾞｰﾀをﾌｧｲﾙ k40read.tmp に保存できません。\n") + detail;
        case Kind::DumpRefused:
            return QStringLiteral(
                       "ﾃﾗｺｶｳﾝﾀから受信したﾃﾞｰﾀが正しくないため、ﾃﾗｺｶｳﾝﾀの記録は消去しません。\n") +
                   detail;
    }
    return {};
}

QString TransferFailure::windowDetail() const {
    return kind == Kind::OpenFailed ? PortOpenMessage::detail(device, open) : QString();
}

QString TransferFailure::commandLineText() const {
    switch (kind) {
        case Kind::OpenFailed: return PortOpenMessage::commandLineText(device, open);
        case Kind::PortNotOpen: return QStringLiteral("the port is not open");
        case Kind::WrongFirstCharacter:
            return QStringLiteral("the counter's first chunk does not start with \"A\": ") +
                   shownCharacters(received);
        case Kind::WrongReady:
            return QStringLiteral("the counter answered ") + shownCharacters(received) +
                   QStringLiteral(" instead of \"S\" before the image");
        case Kind::WrongAcknowledgement:
            return QStringLiteral("the counter answered ") + shownCharacters(received) +
                   QStringLiteral(" instead of \"A\" to an image byte");
        case Kind::Flood:
            return QStringLiteral("the counter sent more characters at once than any reply holds: ") +
                   shownCharacters(received);
        case Kind::TimedOut:
            return QStringLiteral(
                "no answer from the counter; check the cable and the counter's rotary switch");
        case Kind::Stopped: return QStringLiteral("the transfer was stopped");
        case Kind::LineFailed: return QStringLiteral("the serial line failed: ") + detail;
        case Kind::Disconnected: return QStringLiteral("the device was disconnected; check the cable");
        case Kind::DumpNotWritten: return QStringLiteral("k40read.tmp could not be written: ") + detail;
        case Kind::DumpRefused:
            return QStringLiteral(
                       "the memory received is not a counter's memory; the counter was not erased: ") +
                   detail;
    }
    return {};
}

Failure TransferFailure::commandLineFailure() const {
    const auto failureKind = [this] {
        switch (kind) {
            case Kind::TimedOut: return Failure::Kind::TimedOut;
            case Kind::Stopped: return Failure::Kind::Cancelled;
            case Kind::DumpNotWritten: return Failure::Kind::WriteFailed;
            default: return Failure::Kind::Device;
        }
    };
    return {failureKind(), commandLineText()};
}
