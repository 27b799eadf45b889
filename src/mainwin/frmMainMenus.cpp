#include <QAction>
#include <QMenuBar>

#include "counter/gui/frmTRSet.h"
#include "mainwin/frmMain.h"
#include "mainwin/undosteps.h"
#include "platform/printer.h"

// The menu bar of the main window. Items whose commands live in windows not opened from here yet stay
// disabled.
void frmMain::createMenus() {
    const auto item = [this](QMenu* menu, const char* caption, const char* shortcut, auto handler) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        if (shortcut) action->setShortcut(QKeySequence(QString::fromUtf8(shortcut)));
        if constexpr (!std::is_same_v<decltype(handler), std::nullptr_t>)
            connect(action, &QAction::triggered, this, handler);
        else
            action->setEnabled(false);
        return action;
    };

    mnuFile = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    BlockCommands& blocks = commands_.blocks;
    FileCommands& files = commands_.files;
    mnuNew = item(mnuFile, "新規作成(&N)", "Ctrl+N", [&blocks] { blocks.NewData(); });
    mnuOpen = item(mnuFile, "開く(&O)", "Ctrl+O", [&files] { files.open(); });
    mnuRecent = mnuFile->addMenu(QStringLiteral("最近使ったファイル"));
    connect(mnuRecent, &QMenu::aboutToShow, this, &frmMain::fillRecentMenu);
    mnuFile->addSeparator();
    mnuFileCheck = item(mnuFile, "データ補正", nullptr, [&files] { files.correctReadings(); });
    mnuFile->addSeparator();
    mnuSave = item(mnuFile, "上書き保存(&S)", "Ctrl+S", [&files] { files.save(); });
    mnuSaveName = item(mnuFile, "名前を付けて保存(&A)", nullptr, [&files] { files.saveAs(); });
    mnuCsv = item(mnuFile, "CSV出力(&E)", nullptr, [this] { exportCsv(); });
    mnuFile->addSeparator();
    mnuPrint = item(mnuFile, "印刷(&P)", "Ctrl+P", [this] { printForms(false); });
    mnuSetPrinter = item(mnuFile, "プリンタの設定(&T)", nullptr, [this] { parts_.printer.setUp(); });
    mnuPreview = item(mnuFile, "印刷プレビュー(&V)", nullptr, [this] { printForms(true); });
    mnuFile->addSeparator();
    mnuExit = item(mnuFile, "終了(&Q)", "Ctrl+Q", [this] { quit(); });

    mnuEdit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    mnuUndo = item(mnuEdit, "元に戻す(&U)", "Ctrl+Z", [this] { undo_->undo(); });
    mnuRedo = item(mnuEdit, "やり直し(&Y)", "Ctrl+Shift+Z", [this] { undo_->redo(); });
    mnuRedo->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    mnuUndo->setEnabled(false);
    mnuRedo->setEnabled(false);
    connect(&undo_->stack(), &QUndoStack::canUndoChanged, mnuUndo, &QAction::setEnabled);
    connect(&undo_->stack(), &QUndoStack::canRedoChanged, mnuRedo, &QAction::setEnabled);
    mnuEdit->addSeparator();
    mnuInsert = item(mnuEdit, "挿入(&I)", "Ctrl+I", [&blocks] { blocks.InsertDrop(); });
    mnuDelete = item(mnuEdit, "削除(&D)", "Ctrl+D", [&blocks] { blocks.DeleteDrop(); });
    mnuReCal = item(mnuEdit, "再計算(&R)", nullptr, [&blocks] { blocks.Recalculate(); });
    mnuClearAll = item(mnuEdit, "データクリア(全block)", nullptr, [&blocks] { blocks.ClearAllBlocks(); });
    mnuClearBlock = item(mnuEdit, "データクリア(1block)", nullptr, [&blocks] { blocks.ClearShownBlock(); });

    mnuView = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    mnuGrid = item(mnuView, "グリッド(&R)", "Ctrl+R", [this] { showListing(); });
    mnuGraph = item(mnuView, "グラフ作成(&G)", "Ctrl+G", [this] { showGraph(); });
    mnuView->addSeparator();
    mnuSummary = item(mnuView, "集計(&S)", nullptr, [this] { showSummary(); });
    mnuGlance = item(mnuView, "一覧グラフ(&A)", nullptr, [this] { showGlance(); });

    QMenu* mnuOption = menuBar()->addMenu(QStringLiteral("オプション(&O)"));
    mnuInputData = item(mnuOption, "データ読込み", nullptr, [this] { commands_.counterRead.readCounter(); });
    mnuErase = item(mnuOption, "データ消去", nullptr, nullptr);
    mnuOption->addSeparator();
    mnuTRSet = item(mnuOption, "通信環境設定(&R)", nullptr,
                    [this] { showTRSet(parts_.port, parts_.settings, dialogs_, this); });

    QMenu* mnuHelp = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    mnuAbout = item(mnuHelp, "バージョン情報(&V)", nullptr, [this] { showAbout(); });
}
