#include "counter/portopenmessage.h"

namespace PortOpenMessage {
namespace {

QString groupOr(const SerialOpenFailure& failure, const QString& fallback) {
    return failure.group.isEmpty() ? fallback : failure.group;
}

}  // namespace

QString text() {
    return QStringLiteral(
        "設定されているﾎﾟｰﾄがOPENできません。ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌを再起動し、別のﾎﾟｰﾄを設定してください。");
}

QString detail(const QString& device, const SerialOpenFailure& failure) {
    const QString reason = device + QStringLiteral(": ") + failure.systemText + QLatin1Char('\n');
    switch (failure.reason) {
        case SerialOpenFailure::Reason::NotFound:
            return reason +
                   QStringLiteral(
                       "ﾎﾟｰﾄが見つかりません。ｹｰﾌﾞﾙが抜けたか、ﾃﾞﾊﾞｲｽ名が変わった可能性があります。");
        case SerialOpenFailure::Reason::NoAccess:
            return reason + QStringLiteral("ﾎﾟｰﾄを使う権限がありません。ﾃﾞﾊﾞｲｽを所有するｸﾞﾙｰﾌﾟ（") +
                   groupOr(failure, QStringLiteral("dialout")) +
                   QStringLiteral("）に利用者を追加し、ﾛｸﾞｲﾝし直してください。");
        case SerialOpenFailure::Reason::Busy:
            return reason + QStringLiteral("ﾎﾟｰﾄは他のﾌﾟﾛｸﾞﾗﾑが使用中です。そのﾌﾟﾛｸﾞﾗﾑを終了してください。");
        case SerialOpenFailure::Reason::Other: return reason;
    }
    return reason;
}

QString commandLineText(const QString& device, const SerialOpenFailure& failure) {
    const QString reason =
        QStringLiteral("cannot open ") + device + QStringLiteral(": ") + failure.systemText;
    switch (failure.reason) {
        case SerialOpenFailure::Reason::NotFound:
            return reason + QStringLiteral("\nThe device does not exist: it was unplugged or renamed.");
        case SerialOpenFailure::Reason::NoAccess:
            return reason + QStringLiteral("\nYou may not use the device: join the group that owns it (") +
                   groupOr(failure, QStringLiteral("dialout")) + QStringLiteral("), then log in again.");
        case SerialOpenFailure::Reason::Busy:
            return reason + QStringLiteral("\nAnother program holds the port: end that program first.");
        case SerialOpenFailure::Reason::Other: return reason;
    }
    return reason;
}

}  // namespace PortOpenMessage
