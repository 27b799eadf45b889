#pragma once

#include <QString>

// What the transfer window and the progress window show of a transfer in progress.
struct TransferScreen {
    QString dataText;    // the transfer window's text: the status text or the last chunk received
    QString statusText;  // the progress window's text: the status texts only
    QString volumePanel = QStringLiteral("volume : ");
    QString countPanel = QStringLiteral("count : ");
    QString percentText;  // "50% 受信", "100% 照合"
    int progressMaximum = 100;
    int progressValue = 0;
    bool markFilled = false;  // the progress mark shows "●" instead of "○"

    QString rxCaption = QStringLiteral("受信開始");
    bool rxEnabled = true;
    QString txCaption = QStringLiteral("送信開始");
    bool txEnabled = false;
    bool stopEnabled = false;

    bool operator==(const TransferScreen&) const = default;
};
