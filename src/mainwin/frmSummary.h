#pragma once

#include <QMainWindow>

#include "model/changenotifier.h"

class Dialogs;
class QTableView;
struct TestData;

// 集計: one row per block with what a site report needs (drops, depth, the thickness of each softness
// class within the first metre, where the soil first turns hard, the mean softness), sortable by any
// column, following every change of the data set. コピー puts the rows on the clipboard as
// tab-separated text for a spreadsheet, CSV出力 writes them to a file; a double click shows the block in
// the main window.
class frmSummary : public QMainWindow {
    Q_OBJECT

public:
    frmSummary(const TestData& data, Dialogs& dialogs, QWidget* parent = nullptr);

signals:
    void blockChosen(int block);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void copyRows();
    void exportCsv();

    const TestData& data_;
    Dialogs& dialogs_;
    QTableView* table_;
    ChangeNotifier::Subscription dataChanged_;
};
