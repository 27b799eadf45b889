#include "platform/systemerror.h"

#include <cerrno>
#include <cstring>

QString systemErrorText(int error) {
    switch (error) {
        case ENOENT: return QStringLiteral("ファイルまたはフォルダーがありません");
        case EACCES:
        case EPERM: return QStringLiteral("アクセスが許可されていません");
        case EISDIR: return QStringLiteral("ファイルではなくフォルダーです");
        case ENOTDIR: return QStringLiteral("パスの途中にフォルダーでないものがあります");
        case EFBIG: return QStringLiteral("ファイルが大きすぎます");
        case ENOSPC: return QStringLiteral("ディスクの空き容量が足りません");
        case EDQUOT: return QStringLiteral("ディスクの使用量の上限を超えています");
        case EROFS: return QStringLiteral("書込みできない場所です");
        case ENAMETOOLONG: return QStringLiteral("ファイル名が長すぎます");
        case EIO: return QStringLiteral("読み書き中にエラーが発生しました");
        case EPIPE: return QStringLiteral("出力先のパイプが閉じられています");
        case EBUSY:
        case ETXTBSY: return QStringLiteral("ほかのプログラムが使用中です");
        case ENODEV:
        case ENXIO: return QStringLiteral("デバイスがありません");
        default: return QString::fromLocal8Bit(std::strerror(error));
    }
}
