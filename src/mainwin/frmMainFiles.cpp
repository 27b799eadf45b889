#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "mainwin/frmMain.h"

// Data files reached without the file dialog: the recent files and a file dropped on the window.

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
