#include "app/jobarguments.h"

#include <QRegularExpression>
#include <algorithm>
#include <limits>

#include "app/jobmessages.h"
#include "app/subcommands.h"
#include "platform/appinfo.h"

namespace {

QString usageOf(const char* job) {
    for (const Subcommand& subcommand : subcommands())
        if (qstrcmp(subcommand.name, job) == 0)
            return QStringLiteral("使い方: %1 %2")
                .arg(AppInfo::programName(), QString::fromUtf8(subcommand.synopsis));
    return {};
}

QString optionList(const char* job, const std::vector<JobOption>& options) {
    if (options.empty()) return QStringLiteral("%1 にオプションはありません").arg(QString::fromUtf8(job));
    QStringList names;
    for (const JobOption& option : options) names << QString::fromUtf8(option.name);
    return QStringLiteral("使えるオプション: ") + names.join(QStringLiteral(", "));
}

}  // namespace

bool JobArguments::has(const char* option) const {
    return given_.count(QString::fromUtf8(option)) > 0;
}

std::optional<QString> JobArguments::value(const char* option) const {
    const auto found = given_.find(QString::fromUtf8(option));
    return found == given_.end() ? std::nullopt : std::optional<QString>(found->second);
}

std::optional<JobArguments> parseJobArguments(const char* job, const QStringList& arguments,
                                              const std::vector<JobOption>& options,
                                              const std::vector<const char*>& files) {
    JobArguments parsed;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            parsed.files_ << argument;
            continue;
        }
        const auto option = std::find_if(options.begin(), options.end(), [&](const JobOption& candidate) {
            return argument == QLatin1String(candidate.name);
        });
        if (option == options.end()) {
            refuseJobArguments(job, QStringLiteral("オプション %1 はありません。（%2）")
                                        .arg(quotedInput(argument), optionList(job, options)));
            return std::nullopt;
        }
        if (parsed.given_.count(argument) > 0) {
            refuseJobArguments(
                job, QStringLiteral("オプション %1 が2回指定されています。1回だけ指定してください。")
                         .arg(argument));
            return std::nullopt;
        }
        QString value;
        if (option->value) {
            if (i + 1 >= arguments.size()) {
                refuseJobArguments(job, QStringLiteral("オプション %1 のあとに %2 を指定してください。")
                                            .arg(argument, QString::fromUtf8(option->value)));
                return std::nullopt;
            }
            value = arguments[++i];
        }
        parsed.given_[argument] = value;
    }
    const auto wanted = static_cast<qsizetype>(files.size());
    if (parsed.files_.size() < wanted) {
        QStringList missing;
        for (qsizetype at = parsed.files_.size(); at < wanted; ++at) missing << QString::fromUtf8(files[at]);
        refuseJobArguments(job,
                           QStringLiteral("%1 を指定してください。").arg(missing.join(QLatin1Char(' '))));
        return std::nullopt;
    }
    if (parsed.files_.size() > wanted) {
        refuseJobArguments(
            job, QStringLiteral("余分な引数 %1 があります。").arg(quotedInput(parsed.files_[wanted])));
        return std::nullopt;
    }
    return parsed;
}

int refuseJobArguments(const char* job, const QString& refusal) {
    printJobMessage(refusal + QLatin1Char('\n') + usageOf(job));
    return 1;
}

std::optional<qint64> wholeNumberOf(const char* job, const char* option, const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
    if (!digits.match(text).hasMatch()) {
        refuseJobArguments(job, QStringLiteral("オプション %1 の値 %2 は整数ではありません。")
                                    .arg(QString::fromUtf8(option), quotedInput(text)));
        return std::nullopt;
    }
    // Beyond any block number, a longer number is as far out of range as the largest.
    bool fits = false;
    const qint64 value = text.toLongLong(&fits);
    if (fits) return value;
    return text.startsWith(QLatin1Char('-')) ? std::numeric_limits<qint64>::min()
                                             : std::numeric_limits<qint64>::max();
}

std::optional<PageRange> jobBlockRange(const std::optional<QString>& from, const std::optional<QString>& to,
                                       int blockCount) {
    const QString blocks = QStringLiteral("（1～%1）").arg(blockCount);
    const auto block = [&](const std::optional<QString>& given, int otherwise) -> std::optional<int> {
        if (!given) return otherwise;
        const qint64 number = given->toLongLong();
        if (number >= 1 && number <= blockCount) return static_cast<int>(number);
        printJobMessage(QStringLiteral("ブロック %1 はありません").arg(quotedInput(*given)) + blocks);
        return std::nullopt;
    };
    const std::optional<int> first = block(from, 1);
    if (!first) return std::nullopt;
    const std::optional<int> last = block(to, blockCount);
    if (!last) return std::nullopt;
    if (*first > *last) {
        printJobMessage(
            QStringLiteral("--from %1 が --to %2 より後のブロックです。--from は --to 以下にしてください。")
                .arg(*first)
                .arg(*last));
        return std::nullopt;
    }
    return PageRange{*first, *last};
}
