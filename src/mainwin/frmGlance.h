#pragma once

#include <QMainWindow>
#include <vector>

#include "model/changenotifier.h"

class Dialogs;
class QGridLayout;
class QLabel;
class QWidget;
struct TestData;

// 一覧グラフ: the site at a glance. The diagram of every block, small and side by side under its block
// number and 番号No., in a window that scrolls; a click shows that block in the main window, and
// PNG出力 writes the whole view to a picture file. It follows every change of the data set.
class frmGlance : public QMainWindow {
    Q_OBJECT

public:
    frmGlance(const TestData& data, Dialogs& dialogs, QWidget* parent = nullptr);

    // The view of all diagrams, as PNG出力 writes it.
    QWidget& sheet() { return *sheet_; }

signals:
    void blockChosen(int block);

private:
    void makeTiles();
    // Follows a change of the data set: new tiles for a new block count, else the tiles drawn again.
    void follow();
    void exportPng();

    const TestData& data_;
    Dialogs& dialogs_;
    QWidget* sheet_;
    QGridLayout* tiles_;
    std::vector<QLabel*> titles_;
    std::vector<QWidget*> diagrams_;
    ChangeNotifier::Subscription dataChanged_;
};
