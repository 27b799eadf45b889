#pragma once

#include <QDialog>
#include <optional>

#include "platform/gui/qteventpump.h"
#include "print/sitereport.h"

class Dialogs;
class Printer;
class QCheckBox;
class QLineEdit;
class QSpinBox;
class Settings;
struct DisplaySettings;
struct TestData;

// 報告書出力: the site report of a range of blocks, judged by the hard limit and the target depth (kept
// in the settings store), with the parts chosen; プレビュー shows it in the print preview, PDF出力 writes
// it to a PDF file.
class frmReport : public QDialog {
    Q_OBJECT

public:
    struct Parts {
        TestData& data;
        const DisplaySettings& display;
        Printer& printer;
        Dialogs& dialogs;
        Settings& settings;
    };

    frmReport(const Parts& parts, QWidget* parent = nullptr);

private:
    // The options as filled in, the rule stored; nothing, after a message naming it, for a value that
    // cannot be used.
    std::optional<ReportOptions> chosenOptions();
    void preview();
    void exportPdf();

    Parts parts_;
    QtEventPump events_;
    QSpinBox* from_;
    QSpinBox* to_;
    QLineEdit* hardLimit_;
    QLineEdit* target_;
    QCheckBox* table_;
    QCheckBox* glance_;
    QCheckBox* profile_;
    QCheckBox* forms_;
};
