#pragma once

#include <QMainWindow>

struct TestData;

// The listing of all blocks: one column per block slot headed "計測値(n)", one row per drop up to the
// longest block. Closing it brings the main window back; a double click on a block opens the graph
// window on it instead.
class frmDataGrid : public QMainWindow {
    Q_OBJECT

public:
    explicit frmDataGrid(const TestData& data, QWidget* parent = nullptr);

signals:
    // Closed by its button, menu item or frame: the main window comes back.
    void closed();
    // A block's column was double-clicked: the graph window shows that block in place of the listing.
    void graphRequested(int block);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool graphShown_ = false;
};
