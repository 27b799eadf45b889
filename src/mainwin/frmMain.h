#pragma once

#include <QMainWindow>

class Dialogs;
struct TestData;

// The main window: survey fields, drop grid and diagram of the shown block, and the menus through
// which every command is reached.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    frmMain(TestData& data, Dialogs& dialogs, QWidget* parent = nullptr);

private:
    TestData& data_;
    Dialogs& dialogs_;
};
