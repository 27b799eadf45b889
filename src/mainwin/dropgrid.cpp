#include "mainwin/dropgrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QScrollBar>

#include "commands/readingentry.h"
#include "mainwin/cornerlabel.h"
#include "model/testdata.h"

namespace {

// The key code of a key press as the editing rules know it: the Windows virtual-key numbers.
int keyCodeOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return KeyCode::Enter;
        case Qt::Key_Escape: return KeyCode::Escape;
        case Qt::Key_Up: return KeyCode::Up;
        case Qt::Key_Down: return KeyCode::Down;
        case Qt::Key_Left: return 37;
        case Qt::Key_Right: return 39;
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Delete: return 46;
        default: return event.key() >= Qt::Key_Space && event.key() <= Qt::Key_Z ? event.key() : 0;
    }
}

bool finishesEdit(int keyCode) {
    return keyCode == KeyCode::Enter || keyCode == KeyCode::Escape || keyCode == KeyCode::Up ||
           keyCode == KeyCode::Down;
}

}  // namespace

FloatingEditor::FloatingEditor(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("txtEdit"));
    setFrame(false);
    // Readings are numbers: no input method.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    hide();
}

void FloatingEditor::keyPressEvent(QKeyEvent* event) {
    const int keyCode = keyCodeOf(*event);
    emit keyDown(keyCode);
    if (!finishesEdit(keyCode)) QLineEdit::keyPressEvent(event);
    // Keys the editor has no use for (Page Down, Ctrl+Home...) must not reach the grid: they would move
    // its current cell under the open edit.
    event->accept();
}

int DropGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : TestData::GridRows;
}

int DropGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant DropGridModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::DisplayRole) return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant DropGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // Fixed section sizes spare the headers from measuring 500 labels.
    if (role == Qt::SizeHintRole) return orientation == Qt::Vertical ? QSize(28, 18) : QSize(78, 18);
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return QString::number(section + 1);
    return section == 0 ? QStringLiteral("計測値") : QStringLiteral("貫入量");
}

Qt::ItemFlags DropGridModel::flags(const QModelIndex& index) const {
    if (index.column() == 1) return Qt::ItemIsEnabled;
    return QAbstractTableModel::flags(index);
}

void DropGridModel::setText(int row, int column, const QString& text) {
    QString& cell = texts_.at(row).at(column);
    if (cell == text) return;
    cell = text;
    emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
}

DropGrid::DropGrid(QWidget* parent)
    : QTableView(parent), texts_(new DropGridModel(this)), editor_(new FloatingEditor(viewport())) {
    setObjectName(QStringLiteral("grdData"));
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(18);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(78);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setModel(texts_);
    setCornerText(*this, QStringLiteral("回数"));
    horizontalHeader()->setSectionsClickable(false);
    // A click on a drop number acts as a click on its reading: the open edit is committed before the
    // current cell moves, then the click's follow-up runs.
    disconnect(verticalHeader(), SIGNAL(sectionPressed(int)), this, SLOT(selectRow(int)));
    disconnect(verticalHeader(), SIGNAL(sectionEntered(int)), this, SLOT(_q_selectRow(int)));
    connect(verticalHeader(), &QHeaderView::sectionPressed, this,
            [this](int row) { moveCurrent(row + 1, 1); });
    connect(verticalHeader(), &QHeaderView::sectionClicked, this, [this] { entry_->GridClicked(); });
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setCurrentIndex(texts_->index(0, 0));
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        keepReadingColumnCurrent(current.row(), current.column());
    });
    connect(this, &QTableView::clicked, this, [this] { entry_->GridClicked(); });
    connect(this, &QTableView::doubleClicked, this, [this] { entry_->GridClicked(); });
    connect(editor_, &FloatingEditor::keyDown, this, [this](int keyCode) { entry_->EditKeyCode(keyCode); });
}

QString DropGrid::cellText(int row, int column) const {
    return texts_->text(row - 1, column - 1);
}

void DropGrid::setCellText(int row, int column, const QString& text) {
    texts_->setText(row - 1, column - 1, text);
}

int DropGrid::currentRow() const {
    return currentIndex().row() + 1;
}

int DropGrid::currentColumn() const {
    return currentIndex().column() + 1;
}

void DropGrid::setCurrentRow(int row) {
    moveCurrent(row, currentColumn());
}

void DropGrid::setCurrentColumn(int column) {
    moveCurrent(currentRow(), column);
}

// The current cell is about to change: an open edit is committed first.
void DropGrid::moveCurrent(int row, int column) {
    if (row == currentRow() && column == currentColumn()) return;
    commit();
    setCurrentIndex(texts_->index(row - 1, column - 1));
}

void DropGrid::keepReadingColumnCurrent(int row, int column) {
    if (column == 1) setCurrentIndex(texts_->index(row, 0));
}

void DropGrid::commit() {
    if (entry_) entry_->InData();
}

void DropGrid::openEditor(const QString& text) {
    scrollTo(currentIndex());
    editor_->setGeometry(visualRect(currentIndex()));
    editor_->setText(text);
    editor_->setCursorPosition(static_cast<int>(text.size()));
    editor_->show();
    editor_->setFocus();
}

// Taking the focus commits an open edit, even while the window is not active and no focus event comes.
void DropGrid::focusGrid() {
    setFocus();
    commit();
}

void DropGrid::scrollHome() {
    horizontalScrollBar()->setValue(0);
    scrollTo(currentIndex());
}

void DropGrid::focusInEvent(QFocusEvent* event) {
    if (!takingFocusFromEditor_) commit();
    QTableView::focusInEvent(event);
}

// The focus goes back to the grid before the editor hides, so that it does not wander to the next
// field on its way; that return is no commit.
void DropGrid::hideEditor() {
    if (editor_->hasFocus()) {
        const QScopedValueRollback taking(takingFocusFromEditor_, true);
        setFocus();
    }
    editor_->hide();
}

void DropGrid::keyPressEvent(QKeyEvent* event) {
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool focusKey = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    const bool opensEditor = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                             (!event->text().isEmpty() && !focusKey);
    if (command || !opensEditor || !entry_) {
        QTableView::keyPressEvent(event);
        return;
    }
    entry_->GridKeyPress(event->text());
    event->accept();
}

// The right button makes the row under it current, so that the edit menu acts on that drop.
void DropGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        if (const int row = rowAt(event->position().toPoint().y()); row >= 0) moveCurrent(row + 1, 1);
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void DropGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        emit menuRequested(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QTableView::mouseReleaseEvent(event);
}
