#include "diagram/gui/frmColors.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

#include "diagram/displaysettings.h"
#include "platform/dialogs.h"
#include "platform/gui/windowplacement.h"

namespace {

// A label that runs an action when it is clicked.
class ClickableLabel : public QLabel {
public:
    ClickableLabel(const QString& text, std::function<void()> onClick)
        : QLabel(text), onClick_(std::move(onClick)) {
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) onClick_();
        event->accept();
    }

private:
    std::function<void()> onClick_;
};

QColor colourOf(qint32 rgb) {
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

}  // namespace

frmColors::frmColors(DisplaySettings& display, Dialogs& dialogs, ColourSet shown, QWidget* parent)
    : QDialog(parent), display_(display), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmColors"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･表示色の設定"));
    placeWindowFrame(*this, 2800, 3000, 4800, 4200);

    cmbCol_ = new QComboBox;
    cmbCol_->setObjectName(QStringLiteral("cmbCol"));
    cmbCol_->addItems({QStringLiteral("5色(カラー)"), QStringLiteral("5色(モノクロ)")});
    auto* fields = new QGridLayout;
    for (int field = 1; field <= 5; ++field) {
        auto* label = new ClickableLabel(QStringLiteral("第%1フィールド").arg(field),
                                         [this, field] { editField(field); });
        label->setObjectName(QStringLiteral("lblField%1").arg(field));
        auto* swatch = new ClickableLabel(QString(), [this, field] { editField(field); });
        swatch->setObjectName(QStringLiteral("picField%1").arg(field));
        swatch->setFrameShape(QFrame::Box);
        swatch->setMinimumSize(90, 22);
        swatch->setAutoFillBackground(true);
        picField_[size_t(field)] = swatch;
        fields->addWidget(label, field - 1, 0);
        fields->addWidget(swatch, field - 1, 1);
    }
    const auto button = [this](const char* name, const char* caption, auto handler) {
        auto* button = new QPushButton(QString::fromUtf8(caption));
        button->setObjectName(QString::fromUtf8(name));
        connect(button, &QPushButton::clicked, this, handler);
        return button;
    };
    QPushButton* cmdOK = button("cmdOK", "OK", &frmColors::cmdOK_Click);
    cmdOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(button("cmdCansel", "キャンセル", &frmColors::close));
    buttons->addWidget(button("cmdReset", "初期値", &frmColors::cmdReset_Click));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cmbCol_);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(buttons);

    BC = display_.Color;
    BM = display_.Mono;
    cmbCol_->setCurrentIndex(shown == ColourSet::Mono ? 1 : 0);
    chooseSet(cmbCol_->currentIndex());
    connect(cmbCol_, &QComboBox::activated, this, &frmColors::chooseSet);
    connect(cmbCol_, &QComboBox::currentIndexChanged, this, &frmColors::chooseSet);
}

std::array<qint32, 6>& frmColors::shownColours() {
    return CCol == 1 ? display_.Color : display_.Mono;
}

void frmColors::showSwatch(int field) {
    QLabel* swatch = picField_[size_t(field)];
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, colourOf(shownColours()[size_t(field)]));
    swatch->setPalette(palette);
}

void frmColors::chooseSet(int entry) {
    CCol = entry == 0 ? 1 : 0;
    for (int field = 1; field <= 5; ++field) showSwatch(field);
}

void frmColors::editField(int field) {
    const auto n = size_t(field);
    BC[n] = display_.Color[n];
    BM[n] = display_.Mono[n];
    const std::optional<qint32> chosen = dialogs_.chooseColor(shownColours()[n]);
    if (!chosen) {
        display_.Color[n] = BC[n];
        display_.Mono[n] = BM[n];
        return;
    }
    shownColours()[n] = *chosen;
    showSwatch(field);
}

void frmColors::cmdReset_Click() {
    shownColours() = CCol == 1 ? DisplaySettings::DefaultColor : DisplaySettings::DefaultMono;
    for (int field = 1; field <= 5; ++field) showSwatch(field);
}

void frmColors::cmdOK_Click() {
    close();
    emit coloursAccepted(display_.Color != BC || display_.Mono != BM);
}
