#include "mainwin/frmGlance.h"

#include <QBuffer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "datafile/savechosenfile.h"
#include "diagram/softnessdiagram.h"
#include "model/testdata.h"
#include "platform/appinfo.h"
#include "platform/gui/paintersurface.h"
#include "platform/gui/windowplacement.h"
#include "platform/twips.h"

namespace {

constexpr int Columns = 5;
constexpr int TileWidth = 2850;   // twips
constexpr int TileHeight = 4050;  // twips

// One block's diagram, drawn small; a click chooses the block.
class DiagramTile : public QWidget {
public:
    DiagramTile(const TestData& data, int block, std::function<void(int)> chosen)
        : data_(data), block_(block), chosen_(std::move(chosen)) {
        setObjectName(QStringLiteral("tile%1").arg(block));
        setFixedSize(Twips::toPixels(TileWidth), Twips::toPixels(TileHeight));
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, Qt::white);
        setPalette(colours);
        setCursor(Qt::PointingHandCursor);
        // The diagram's labels in a size that suits the small drawing.
        QFont small = font();
        small.setPointSizeF(7);
        setFont(small);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        PainterSurface surface(painter);
        DrawBlockDiagram(surface, data_, block_);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) chosen_(block_);
    }

private:
    const TestData& data_;
    int block_;
    std::function<void(int)> chosen_;
};

}  // namespace

frmGlance::frmGlance(const TestData& data, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), data_(data), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmGlance"));
    setAttribute(Qt::WA_DeleteOnClose);
    placeWindowFrame(*this, 300, 300, 13500, 9000);

    sheet_ = new QWidget;
    sheet_->setObjectName(QStringLiteral("sheet"));
    tiles_ = new QGridLayout(sheet_);
    tiles_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* scroll = new QScrollArea;
    scroll->setWidget(sheet_);
    scroll->setWidgetResizable(true);
    follow();
    dataChanged_ = data.changed.subscribe([this] { follow(); });

    auto* png = new QPushButton(QStringLiteral("PNG出力"));
    png->setObjectName(QStringLiteral("cmdPng"));
    connect(png, &QPushButton::clicked, this, &frmGlance::exportPng);
    auto* close = new QPushButton(QStringLiteral("閉じる"));
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->addWidget(scroll, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(png);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    setCentralWidget(area);
}

void frmGlance::follow() {
    setWindowTitle(AppInfo::captionWithFile(QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･一覧グラフ"), data_.DataFileName));
    if (int(diagrams_.size()) != data_.BlockCount) makeTiles();
    for (int block = 1; block <= int(diagrams_.size()); ++block) {
        titles_[block - 1]->setText(
            QStringLiteral("ブロック %1  No.%2").arg(block).arg(data_.PointNo[block]));
        diagrams_[block - 1]->update();
    }
}

void frmGlance::makeTiles() {
    while (QLayoutItem* item = tiles_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    titles_.clear();
    diagrams_.clear();
    for (int block = 1; block <= data_.BlockCount; ++block) {
        auto* tile = new QWidget;
        auto* column = new QVBoxLayout(tile);
        column->setContentsMargins(0, 0, 0, 0);
        auto* title = new QLabel;
        title->setObjectName(QStringLiteral("title%1").arg(block));
        column->addWidget(title);
        auto* diagram = new DiagramTile(data_, block, [this](int chosen) { emit blockChosen(chosen); });
        column->addWidget(diagram);
        tiles_->addWidget(tile, (block - 1) / Columns, (block - 1) % Columns);
        titles_.push_back(title);
        diagrams_.push_back(diagram);
    }
}

void frmGlance::exportPng() {
    SaveToChosenFile(dialogs_, {{QStringLiteral("PNG ﾌｧｲﾙ (*.png)"), QStringLiteral("*.png")}},
                     data_.DataFileName, [this](const QString&) -> std::optional<QByteArray> {
                         QByteArray bytes;
                         QBuffer buffer(&bytes);
                         buffer.open(QIODevice::WriteOnly);
                         if (!sheet_->grab().save(&buffer, "PNG")) return std::nullopt;
                         return bytes;
                     });
}
