#include "mainwin/frmSummary.h"

#include <QAbstractTableModel>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include "datafile/savechosenfile.h"
#include "diagram/sitecsv.h"
#include "diagram/sitesummary.h"
#include "model/testdata.h"
#include "platform/appinfo.h"
#include "platform/dialogs.h"
#include "platform/gui/windowplacement.h"

namespace {

constexpr int SortRole = Qt::UserRole;

// The summary rows of the data set, made again whenever it changes.
class SummaryModel : public QAbstractTableModel {
public:
    SummaryModel(const TestData& data, QObject* parent) : QAbstractTableModel(parent), data_(data) {
        refresh();
    }

    void refresh() {
        beginResetModel();
        rows_ = SummarizeSite(data_);
        cells_.clear();
        for (const BlockSummary& row : rows_) cells_.push_back(summaryCells(row));
        endResetModel();
    }
    int blockAt(int row) const { return rows_.at(static_cast<size_t>(row)).block; }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : int(rows_.size());
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : int(summaryHeadings().size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        const QString& text = cells_.at(static_cast<size_t>(index.row())).at(index.column());
        if (role == Qt::DisplayRole) return text;
        if (role == Qt::TextAlignmentRole)
            return int((index.column() == 2 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
        // Numbers sort by value, an empty cell first; texts by their characters.
        if (role == SortRole) {
            if (index.column() == 1 || index.column() == 2 || index.column() == 3) return text;
            return text.isEmpty() ? -1.0 : text.toDouble();
        }
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
        return summaryHeadings().at(section);
    }

private:
    const TestData& data_;
    std::vector<BlockSummary> rows_;
    std::vector<QStringList> cells_;
};

QPushButton* button(const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption));
    button->setObjectName(QString::fromUtf8(name));
    return button;
}

}  // namespace

frmSummary::frmSummary(const TestData& data, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), data_(data), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmSummary"));
    setAttribute(Qt::WA_DeleteOnClose);
    placeWindowFrame(*this, 300, 300, 15000, 6900);

    auto* model = new SummaryModel(data, this);
    auto* sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(model);
    sorted->setSortRole(SortRole);
    table_ = new QTableView;
    table_->setObjectName(QStringLiteral("grdSummary"));
    table_->setModel(sorted);
    table_->setSortingEnabled(true);
    table_->sortByColumn(0, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(table_, &QTableView::doubleClicked, this, [this, model, sorted](const QModelIndex& index) {
        const QModelIndex row = sorted->mapToSource(index);
        if (row.isValid()) emit blockChosen(model->blockAt(row.row()));
    });
    const auto follow = [this, model] {
        setWindowTitle(AppInfo::captionWithFile(QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･集計"), data_.DataFileName));
        model->refresh();
    };
    follow();
    dataChanged_ = data.changed.subscribe(follow);

    QPushButton* copy = button("cmdCopy", "コピー");
    connect(copy, &QPushButton::clicked, this, &frmSummary::copyRows);
    table_->installEventFilter(this);
    QPushButton* csv = button("cmdCsv", "CSV出力");
    connect(csv, &QPushButton::clicked, this, &frmSummary::exportCsv);
    QPushButton* close = button("cmdClose", "閉じる");
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->addWidget(table_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addWidget(csv);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    setCentralWidget(area);
}

// Ctrl+C in the table copies all rows, not only the current cell.
bool frmSummary::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        copyRows();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// The heading and the rows as they are sorted now, tab-separated.
void frmSummary::copyRows() {
    QStringList lines{summaryHeadings().join(QLatin1Char('\t'))};
    const QAbstractItemModel& model = *table_->model();
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column)
            cells << model.index(row, column).data().toString().replace(QLatin1Char('\t'), QLatin1Char(' '));
        lines << cells.join(QLatin1Char('\t'));
    }
    QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void frmSummary::exportCsv() {
    SaveToChosenFile(dialogs_, {{QStringLiteral("CSVﾌｧｲﾙ (*.csv)"), QStringLiteral("*.csv")}},
                     data_.DataFileName, [this](const QString&) { return SummaryCsv(data_); });
}
