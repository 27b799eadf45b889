#include "datafile/datafilenotices.h"

#include "datafile/datafilereader.h"
#include "datafile/savefile.h"

namespace DataFileNotices {

QString notADataFile() {
    return QStringLiteral("このﾌｧｲﾙは貫入計ではありません。もう一度読み直してください。");
}

QString unreadable(const QString& path, const QString& reason) {
    return QStringLiteral("ファイル%1を読込めませんでした。\n(%2)").arg(path, reason);
}

QString damaged(const QString& path) {
    return QStringLiteral(
               "ファイル%1の一部が読めませんでした。ファイルが壊れている可能性があります。\n"
               "読めた範囲のデータを表示します。上書き保存する前に内容を確認してください。")
        .arg(path);
}

QString tooLarge(const QString& path) {
    return QStringLiteral(
               "ファイル%1には、読込める量(100ブロック、1ブロック500回)を超えるデータがあります。\n"
               "超えた分は読込まれていません。上書き保存すると、その分は失われます。")
        .arg(path);
}

QString oversized(const QString& path, qint64 largestBytes) {
    return QStringLiteral("ファイル%1は大きすぎるため読込めません。(%2MBまで)")
        .arg(path)
        .arg(largestBytes >> 20);
}

QString leftOut(const QString& path) {
    return QStringLiteral(
               "ファイル%1には、計測値 0 の後にも計測値があるブロックがあります。\n"
               "0 の後の計測値は読込まれていません。上書き保存すると、その計測値は失われます。")
        .arg(path);
}

QStringList warnings(const QString& path, const ReadResult& result) {
    QStringList all;
    if (result.tooLarge) all << tooLarge(path);
    if (result.damaged) all << damaged(path);
    if (result.leftOut) all << leftOut(path);
    return all;
}

QString unwritable(const QString& path, const SaveFailure& failure) {
    const QString outcome = failure.fileChanged
                                ? QStringLiteral("ファイルの一部が書き換えられている可能性があります。")
                                : QStringLiteral("ファイルは変更されていません。");
    return QStringLiteral("ファイル%1に保存できませんでした。\n(%2)\n").arg(path, failure.reason) + outcome;
}

QString unstorableQuestion() {
    return QStringLiteral(
        "調査情報に、ファイルに保存できない文字があります。\n"
        "\" を ” に、保存できないその他の文字を ？ に置き換えて保存しますか？");
}

QString unstorableReplaced() {
    return QStringLiteral("調査情報の \" を ” に、保存できないその他の文字を ？ に置き換えて保存しました。");
}

}  // namespace DataFileNotices
