#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "datafile/savechosenfile.h"
#include "diagram/sitecsv.h"
#include "mainwin/frmGlance.h"
#include "mainwin/frmMain.h"
#include "mainwin/frmReport.h"
#include "mainwin/frmSummary.h"
#include "model/testdata.h"

// Data files reached without the file dialog (the recent files, a file dropped on the window), the
// CSV export and the report, and the site's summary and glance windows.

namespace {

// The one local file a drag carries, or nothing.
QString droppedFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1) return {};
    const QUrl url = mime->urls().front();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

}  // namespace

void frmMain::fillRecentMenu() {
    mnuRecent->clear();
    const QStringList& files = recent_.files();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* item = mnuRecent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path));
        connect(item, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    if (files.isEmpty()) mnuRecent->addAction(QStringLiteral("(なし)"))->setEnabled(false);
}

// A file that is not there any more leaves the list.
void frmMain::openRecent(const QString& path) {
    if (!commands_.files.openChosen(path)) recent_.remove(path);
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    commands_.files.openChosen(path);
}

void frmMain::exportCsv() {
    commands_.entry.settle();
    commands_.blocks.StoreBlockHeader();
    if (!commands_.blocks.requireData()) return;
    SaveToChosenFile(dialogs_, {{QStringLiteral("CSVﾌｧｲﾙ (*.csv)"), QStringLiteral("*.csv")}},
                     data_.DataFileName, [this](const QString&) { return DropsCsv(data_); });
}

// 報告書出力 over the survey texts as shown; the dialog holds the main window until it closes.
void frmMain::showReport() {
    commands_.entry.settle();
    commands_.blocks.storeSurveyTexts();
    auto* report = new frmReport({data_, parts_.display, parts_.printer, dialogs_, parts_.settings}, this);
    report->setAttribute(Qt::WA_DeleteOnClose);
    report->open();
}

// One summary and one glance window at a time; they stay open beside the main window.
void frmMain::showSummary() {
    commands_.entry.settle();
    commands_.blocks.storeSurveyTexts();
    if (!summary_) {
        auto* summary = new frmSummary(data_, dialogs_);
        connect(summary, &frmSummary::blockChosen, this, &frmMain::showChosenBlock);
        summary_ = summary;
    }
    summary_->show();
    summary_->raise();
}

void frmMain::showGlance() {
    commands_.entry.settle();
    if (!glance_) {
        auto* glance = new frmGlance(data_, dialogs_);
        connect(glance, &frmGlance::blockChosen, this, &frmMain::showChosenBlock);
        glance_ = glance;
    }
    glance_->show();
    glance_->raise();
}

// A block chosen in the summary or the glance window is shown here, the fields of the one shown
// before stored first.
void frmMain::showChosenBlock(int block) {
    if (graph_) return;  // the graph window decides the block shown while it is open
    commands_.entry.settle();
    commands_.blocks.StoreBlockHeader();
    if (block < 1 || block > data_.BlockCount) return;
    data_.CurBlock = static_cast<qint16>(block);
    commands_.blocks.ShowBlockFromStart();
    show();
    raise();
    activateWindow();
}
