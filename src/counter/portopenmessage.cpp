#include "counter/portopenmessage.h"

namespace PortOpenMessage {
// A read can be tried again at once, so the program need not be restarted.
QString text() {
    return QStringLiteral("設定されているﾎﾟｰﾄがOPENできません。別のﾎﾟｰﾄを設定してください。");
}

QString detail(const QString& device, const SerialOpenFailure& failure) {
    const QString reason = device + QStringLiteral(": ") + failure.systemText + QLatin1Char('\n');
    switch (failure.reason) {
        case SerialOpenFailure::Reason::NotFound:
            return reason +
                   QStringLiteral(
                       "ﾎﾟｰﾄが見つかりません。ｹｰﾌﾞﾙが抜けたか、ﾃﾞﾊﾞｲｽ名が変わった可能性があります。");
        case SerialOpenFailure::Reason::NoAccess:
            // Joining a group helps only when that group may read and write the device.
            if (failure.group.isEmpty())
                return reason +
                       QStringLiteral("ﾎﾟｰﾄを使う権限がありません。ﾃﾞﾊﾞｲｽの権限を管理者に確認してください。");
            return reason + QStringLiteral("ﾎﾟｰﾄを使う権限がありません。ﾃﾞﾊﾞｲｽを所有するｸﾞﾙｰﾌﾟ（") +
                   failure.group + QStringLiteral("）に利用者を追加し、ﾛｸﾞｲﾝし直してください。");
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
            if (failure.group.isEmpty())
                return reason +
                       QStringLiteral("\nYou may not use the device: ask the administrator for access.");
            return reason + QStringLiteral("\nYou may not use the device: join the group that owns it (") +
                   failure.group + QStringLiteral("), then log in again.");
        case SerialOpenFailure::Reason::Busy:
            return reason + QStringLiteral("\nAnother program holds the port: end that program first.");
        case SerialOpenFailure::Reason::Other: return reason;
    }
    return reason;
}

}  // namespace PortOpenMessage
