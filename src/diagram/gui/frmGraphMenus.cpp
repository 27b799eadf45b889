#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMenuBar>
#include <QMouseEvent>

#include "datafile/savechosenfile.h"
#include "diagram/gui/diagrampanel.h"
#include "diagram/gui/frmGraph.h"
#include "model/testdata.h"
#include "platform/dialogs.h"
#include "platform/printer.h"

// The menus of the graph window, its right-button pop-ups, and the diagram's way to the clipboard and
// to picture files.
void frmGraph::createMenus() {
    const auto item = [this](QMenu* menu, const char* caption, const char* shortcut) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        if (shortcut) action->setShortcut(QKeySequence(QString::fromUtf8(shortcut)));
        return action;
    };
    mnuFile = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    mnuPrint = item(mnuFile, "印刷(&P)", "Ctrl+P");
    connect(mnuPrint, &QAction::triggered, this, [this] { printForms(false); });
    mnuSetPrinter = item(mnuFile, "プリンタの設定(&T)", nullptr);
    connect(mnuSetPrinter, &QAction::triggered, this, [this] { printer_.setUp(); });
    mnuPreview = item(mnuFile, "印刷プレビュー(&V)", nullptr);
    connect(mnuPreview, &QAction::triggered, this, [this] { printForms(true); });
    mnuFile->addSeparator();
    mnuClose = item(mnuFile, "閉じる(&C)", "Ctrl+Q");
    connect(mnuClose, &QAction::triggered, this, &QWidget::close);

    mnuOption = menuBar()->addMenu(QStringLiteral("オプション(&O)"));
    mnuCopy = item(mnuOption, "コピー(&C)", "Ctrl+C");
    connect(mnuCopy, &QAction::triggered, this, &frmGraph::copyPicture);
    mnuFileOut = item(mnuOption, "ファイル出力(&F)", "Ctrl+O");
    connect(mnuFileOut, &QAction::triggered, this, &frmGraph::saveBitmap);
    mnuOption->addSeparator();
    mnuGGT = item(mnuOption, "特殊機能(&S)", nullptr);
    connect(mnuGGT, &QAction::triggered, this, &frmGraph::mnuGGT_Click);
}

void frmGraph::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) return QMainWindow::mouseReleaseEvent(event);
    QMenu* menu = event->modifiers() & Qt::ShiftModifier ? mnuFile : mnuOption;
    menu->popup(event->globalPosition().toPoint());
    event->accept();
}

void frmGraph::copyPicture() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(picture_->grab().toImage());
}

// Writes the panel's picture as a Windows bitmap, or in the format the name's extension asks for when
// it names another picture format (PNG, the usual one here).
void frmGraph::saveBitmap() {
    SaveToChosenFile(dialogs_,
                     {{QStringLiteral("すべてのﾌｧｲﾙ (*.bmp)"), QStringLiteral("*.bmp")},
                      {QStringLiteral("PNG ﾌｧｲﾙ (*.png)"), QStringLiteral("*.png")}},
                     data_.DataFileName, [this](const QString& path) -> std::optional<QByteArray> {
                         QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
                         if (!QImageWriter::supportedImageFormats().contains(format)) format = "bmp";
                         QByteArray bytes;
                         QBuffer buffer(&bytes);
                         buffer.open(QIODevice::WriteOnly);
                         if (!picture_->grab().toImage().save(&buffer, format.constData()))
                             return std::nullopt;
                         return bytes;
                     });
}
