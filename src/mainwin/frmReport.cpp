#include "mainwin/frmReport.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "datafile/savechosenfile.h"
#include "diagram/displaysettings.h"
#include "model/format.h"
#include "model/testdata.h"
#include "platform/dialogs.h"
#include "platform/failure.h"
#include "platform/print/pdfdocument.h"
#include "print/reportjob.h"

namespace {

const QString Title = QStringLiteral("報告書出力");

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

QCheckBox* part(const char* name, const char* caption) {
    auto* box = named(new QCheckBox(QString::fromUtf8(caption)), name);
    box->setChecked(true);
    return box;
}

QString shortest(double value) {
    return QString::fromStdString(Format::shortest(value));
}

}  // namespace

frmReport::frmReport(const Parts& parts, QWidget* parent) : QDialog(parent), parts_(parts) {
    setObjectName(QStringLiteral("frmReport"));
    setWindowTitle(Title);
    ReportRule rule;
    rule.load(parts_.settings);
    const int blocks = parts_.data.BlockCount;

    from_ = named(new QSpinBox, "spnFrom");
    to_ = named(new QSpinBox, "spnTo");
    for (QSpinBox* box : {from_, to_}) box->setRange(1, blocks);
    from_->setValue(1);
    to_->setValue(blocks);
    hardLimit_ = named(new QLineEdit(shortest(rule.hardLimit)), "txtHard");
    target_ = named(new QLineEdit(rule.target ? shortest(*rule.target) : QString()), "txtTarget");
    table_ = part("chkTable", "地点別一覧");
    glance_ = part("chkGlance", "一覧ダイアグラム");
    profile_ = part("chkProfile", "深さ別の軟らかさ");
    forms_ = part("chkForms", "試験様式");

    auto* form = new QFormLayout;
    auto* range = new QHBoxLayout;
    range->addWidget(from_);
    range->addWidget(new QLabel(QStringLiteral("～")));
    range->addWidget(to_);
    range->addStretch();
    form->addRow(QStringLiteral("ブロック"), range);
    const auto withUnit = [](QLineEdit* field, const char* unit) {
        auto* row = new QHBoxLayout;
        field->setMaximumWidth(100);
        row->addWidget(field);
        row->addWidget(new QLabel(QString::fromUtf8(unit)));
        row->addStretch();
        return row;
    };
    form->addRow(QStringLiteral("硬さの限界"),
                 withUnit(hardLimit_, "cm/drop 以下となる深さを有効土層深とする"));
    form->addRow(QStringLiteral("目標深さ"), withUnit(target_, "cm（空欄: 適・不適を判定しない）"));
    auto* contents = new QVBoxLayout;
    for (QCheckBox* box : {table_, glance_, profile_, forms_}) contents->addWidget(box);
    form->addRow(QStringLiteral("含めるもの"), contents);

    auto* previewButton = named(new QPushButton(QStringLiteral("プレビュー(&V)")), "cmdPreview");
    connect(previewButton, &QPushButton::clicked, this, &frmReport::preview);
    auto* pdf = named(new QPushButton(QStringLiteral("PDF出力(&E)")), "cmdPdf");
    pdf->setDefault(true);
    connect(pdf, &QPushButton::clicked, this, &frmReport::exportPdf);
    auto* close = named(new QPushButton(QStringLiteral("閉じる")), "cmdClose");
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previewButton);
    buttons->addWidget(pdf);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

std::optional<ReportOptions> frmReport::chosenOptions() {
    ReportOptions options;
    options.blocks = {from_->value(), to_->value()};
    if (options.blocks.from > options.blocks.to) {
        parts_.dialogs.message(QStringLiteral("始めのブロック %1 が終わりのブロック %2 より後です。")
                                   .arg(options.blocks.from)
                                   .arg(options.blocks.to),
                               Buttons::Ok, Title);
        return std::nullopt;
    }
    const std::optional<double> hard = positiveValueOf(hardLimit_->text());
    if (!hard) {
        parts_.dialogs.message(
            QStringLiteral("硬さの限界「%1」は使えません。0 より大きい数を入力してください。")
                .arg(quotedInput(hardLimit_->text())),
            Buttons::Ok, Title);
        return std::nullopt;
    }
    options.rule.hardLimit = *hard;
    if (!target_->text().trimmed().isEmpty()) {
        options.rule.target = positiveValueOf(target_->text());
        if (!options.rule.target) {
            parts_.dialogs.message(
                QStringLiteral("目標深さ「%1」は使えません。0 より大きい数を入力するか、空欄にしてください。")
                    .arg(quotedInput(target_->text())),
                Buttons::Ok, Title);
            return std::nullopt;
        }
    }
    options.rule.save(parts_.settings);
    options.contents = {table_->isChecked(), glance_->isChecked(), profile_->isChecked(),
                        forms_->isChecked()};
    options.date = QDate::currentDate();
    return options;
}

void frmReport::preview() {
    const std::optional<ReportOptions> options = chosenOptions();
    if (!options) return;
    QuietStatus status;
    PreviewSiteReport({parts_.data, parts_.display, parts_.printer, status, events_, {}}, parts_.dialogs,
                      *options);
}

// The report is made before the file is asked for, so that a failure writes nothing; the warnings of
// texts shortened come in one message after it is written.
void frmReport::exportPdf() {
    const std::optional<ReportOptions> options = chosenOptions();
    if (!options) return;
    QStringList warnings;
    PdfDocument document(Orientation::Portrait);
    QuietStatus status;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<QString> failure =
        printSiteReport({parts_.data, parts_.display, document, status, events_,
                         [&warnings](const QString& text, const QString&) {
                             if (!warnings.contains(text)) warnings << text;
                         }},
                        *options);
    QApplication::restoreOverrideCursor();
    if (failure) {
        parts_.dialogs.message(QStringLiteral("報告書を作成できませんでした。\n(%1)").arg(*failure),
                               Buttons::Ok, Title, Icon::Critical);
        return;
    }
    if (!SaveToChosenFile(parts_.dialogs, {{QStringLiteral("PDFﾌｧｲﾙ (*.pdf)"), QStringLiteral("*.pdf")}},
                          parts_.data.DataFileName, [&document](const QString&) { return document.bytes(); }))
        return;
    if (const std::optional<QString> notice = noDropsNotice(parts_.data, *options)) warnings.prepend(*notice);
    if (!warnings.isEmpty()) parts_.dialogs.message(warnings.join(QLatin1Char('\n')), Buttons::Ok, Title);
    accept();
}
