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

// The port named on the command line is not a setting: the reason and remedy follow at once.
QString commandLineText(const QString& device, const SerialOpenFailure& failure) {
    return (QStringLiteral("ﾎﾟｰﾄ%1をOPENできません。\n").arg(device) + detail(device, failure)).trimmed();
}

}  // namespace PortOpenMessage
