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

// ModemManager's probing garbles or swallows what the counter sends; say so where that shows.
QString withModemManagerAdvice(const TransferFailure& failure, const QString& text) {
    using Kind = TransferFailure::Kind;
    if (!failure.modemManagerProbing) return text;
    switch (failure.kind) {
        case Kind::WrongFirstCharacter:
        case Kind::WrongReady:
        case Kind::WrongAcknowledgement:
        case Kind::Flood:
        case Kind::TimedOut:
        case Kind::DumpRefused: break;
        default: return text;
    }
    return text + QStringLiteral(
                      "\nModemManager が動いているため、USB 接続のﾃﾗｺｶｳﾝﾀ（%1）を調べて通信を乱した"
                      "可能性があります。udev の規則で ENV{ID_MM_DEVICE_IGNORE}=\"1\" を設定するか、"
                      "sudo systemctl stop ModemManager で止めてから、もう一度読込んでください。")
                      .arg(failure.device);
}

}  // namespace

QString TransferFailure::windowText() const {
    return withModemManagerAdvice(*this, plainWindowText());
}

QString TransferFailure::plainWindowText() const {
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
    return withModemManagerAdvice(*this, plainCommandLineText());
}

// The window's words, with what the window shows in a box of its own said in one message.
QString TransferFailure::plainCommandLineText() const {
    const QString shown = QStringLiteral("\n受信: ") + shownCharacters(received);
    switch (kind) {
        case Kind::OpenFailed: return PortOpenMessage::commandLineText(device, open);
        case Kind::PortNotOpen: return plainWindowText();
        case Kind::WrongFirstCharacter:
            return QStringLiteral(
                       "ﾃﾗｺｶｳﾝﾀから受信したﾃﾞｰﾀが \"A\" で始まっていないため、通信を中断しました。") +
                   shown;
        case Kind::WrongReady:
            return QStringLiteral("ﾃﾗｺｶｳﾝﾀが書込みの前に \"S\" を返さなかったため、通信を中断しました。") +
                   shown;
        case Kind::WrongAcknowledgement:
            return QStringLiteral("ﾃﾗｺｶｳﾝﾀが書込んだﾃﾞｰﾀに \"A\" を返さなかったため、通信を中断しました。") +
                   shown;
        case Kind::Flood:
            return QStringLiteral("ﾃﾗｺｶｳﾝﾀから応答より長い文字列が届いたため、通信を中断しました。") + shown;
        case Kind::TimedOut:
        case Kind::Stopped:
        case Kind::LineFailed:
        case Kind::Disconnected:
        case Kind::DumpNotWritten:
        case Kind::DumpRefused: return plainWindowText();
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
