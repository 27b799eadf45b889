#pragma once

#include <QMainWindow>

struct TestData;

// The listing of all blocks: one column per block slot headed "計測値(n)", one row per drop up to the
// longest block. Closing it brings the main window back.
class frmDataGrid : public QMainWindow {
    Q_OBJECT

public:
    explicit frmDataGrid(const TestData& data, QWidget* parent = nullptr);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
};
