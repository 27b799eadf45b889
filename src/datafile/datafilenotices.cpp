#include "datafile/datafilenotices.h"

#include "datafile/datafilereader.h"
#include "datafile/savefile.h"
#include "model/format.h"

namespace DataFileNotices {

QString notADataFile() {
    return QStringLiteral("このﾌｧｲﾙは貫入計ではありません。もう一度読み直してください。");
}

QString unreadable(const QString& path, const QString& reason) {
    return QStringLiteral("ファイル%1を読込めませんでした。\n(%2)").arg(path, reason);
}

QString damaged(const QString& path) {
    return QStringLiteral("ファイル%1の一部が読めませんでした。ファイルが壊れている可能性があります。")
        .arg(path);
}

QString tooLarge(const QString& path) {
    return QStringLiteral(
               "ファイル%1には、読込める量(100ブロック、1ブロック500回)を超えるデータがあります。\n"
               "超えた分は読込まれていません。")
        .arg(path);
}

QString oversized(const QString& path, qint64 largestBytes) {
    return QStringLiteral("ファイル%1は大きすぎるため読込めません。(%2MBまで)")
        .arg(path)
        .arg(largestBytes >> 20);
}

QString silent(const QString& path, std::chrono::milliseconds silence) {
    return QStringLiteral("ファイル%1からの入力が%2秒間途絶えたため、読込みを中止しました。")
        .arg(path, Format::signOrBlank(double(silence.count()) / 1000).trimmed());
}

QString leftOut(const QString& path) {
    return QStringLiteral(
               "ファイル%1には、計測値 0 の後にも計測値があるブロックがあります。\n"
               "0 の後の計測値は読込まれていません。")
        .arg(path);
}

QStringList readFacts(const QString& path, const ReadResult& result) {
    QStringList all;
    if (result.tooLarge) all << tooLarge(path);
    if (result.damaged) all << damaged(path);
    if (result.leftOut) all << leftOut(path);
    return all;
}

// In the window the data read are shown and may be saved over the file.
QStringList warnings(const QString& path, const ReadResult& result) {
    QStringList all;
    if (result.tooLarge) all << tooLarge(path) + QStringLiteral("上書き保存すると、その分は失われます。");
    if (result.damaged)
        all << damaged(path) +
                   QStringLiteral(
                       "\n読めた範囲のデータを表示します。上書き保存する前に内容を確認してください。");
    if (result.leftOut) all << leftOut(path) + QStringLiteral("上書き保存すると、その計測値は失われます。");
    return all;
}

QString unwritable(const QString& path, const SaveFailure& failure) {
    if (path == QLatin1String("/dev/stdout")) {
        const QString text = QStringLiteral("標準出力に書込めませんでした。\n(%1)").arg(failure.reason);
        if (failure.outcome != SaveFailure::Outcome::Cut) return text;
        return text + QStringLiteral("\n途中までしか書込まれていません。");
    }
    QString outcome;
    switch (failure.outcome) {
        case SaveFailure::Outcome::Unchanged:
            outcome = QStringLiteral("ファイルは変更されていません。");
            break;
        case SaveFailure::Outcome::Damaged:
            outcome =
                QStringLiteral("ファイル%1は元に戻せなかったため、壊れている可能性があります。").arg(path);
            break;
        case SaveFailure::Outcome::Cut: outcome = QStringLiteral("途中までしか書込まれていません。"); break;
    }
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
