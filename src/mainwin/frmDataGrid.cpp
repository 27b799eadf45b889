#include "mainwin/frmDataGrid.h"

#include <QAbstractTableModel>
#include <QCloseEvent>
#include <QHeaderView>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "mainwin/cornerlabel.h"
#include "model/format.h"
#include "model/testdata.h"
#include "platform/appinfo.h"
#include "platform/gui/windowplacement.h"
#include "platform/twips.h"

namespace {

// The readings of every block, read straight from the data set: rows are drops, columns block slots.
class ListingModel : public QAbstractTableModel {
public:
    explicit ListingModel(const TestData& data, QObject* parent) : QAbstractTableModel(parent), data_(data) {
        for (int block = 1; block <= data.BlockCount; ++block)
            rows_ = std::max(rows_, int(data.DropCount[block]));
    }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : TestData::MaxBlocks;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        const int block = index.column() + 1;
        const int drop = index.row() + 1;
        if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
        if (role != Qt::DisplayRole || block > data_.BlockCount || drop > data_.DropCount[block]) return {};
        return Format::display(data_.Measure[block][drop]);
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
        if (role != Qt::DisplayRole) return {};
        if (orientation == Qt::Horizontal) return QStringLiteral("計測値(%1)").arg(section + 1);
        return QString::number(section + 1);
    }

private:
    const TestData& data_;
    int rows_ = 0;
};

}  // namespace

frmDataGrid::frmDataGrid(const TestData& data, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmDataGrid"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(AppInfo::captionWithFile(QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･ｸﾞﾘｯﾄﾞ表示"), data.DataFileName));
    placeWindowFrame(*this, 0, 0, 9696, 6900);

    auto* table = new QTableView(this);
    table->setObjectName(QStringLiteral("grdList"));
    table->setModel(new ListingModel(data, table));
    // The designed column width, or as wide as the widest heading needs.
    const QFontMetrics heading(table->horizontalHeader()->font());
    table->horizontalHeader()->setDefaultSectionSize(
        std::max(Twips::toPixels(1050), heading.horizontalAdvance(QStringLiteral("計測値(100)")) + 16));
    table->verticalHeader()->setDefaultSectionSize(18);
    table->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    setCornerText(*table, QStringLiteral("回数"));
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // Columns beyond the blocks in use hold no block to show.
    connect(table, &QTableView::doubleClicked, this, [this, &data](const QModelIndex& cell) {
        const int block = cell.column() + 1;
        if (block > data.BlockCount) return;
        emit graphRequested(block);
        graphShown_ = true;
        QWidget::close();
    });

    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->addWidget(table, 1);
    layout->addWidget(close, 0, Qt::AlignRight);
    setCentralWidget(area);

    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    QAction* closeItem = file->addAction(QStringLiteral("閉じる(&C)"));
    connect(closeItem, &QAction::triggered, this, &QWidget::close);
}

void frmDataGrid::closeEvent(QCloseEvent* event) {
    if (!graphShown_) emit closed();
    event->accept();
}
