#pragma once

#include <QDialog>
#include <vector>

#include "platform/serialline.h"

class Dialogs;
class QComboBox;
class Settings;
struct PortSetting;

// The communication settings dialog: the counter's port, and the fixed line format for reference.
class frmTRSet : public QDialog {
    Q_OBJECT

public:
    // `devices` are the serial devices the port list offers beside the numbers 1-4.
    frmTRSet(PortSetting& port, Settings& settings, Dialogs& dialogs, std::vector<SerialDevice> devices,
             QWidget* parent = nullptr);

private:
    void cmdOK_Click();
    void cmdCancel_Click();

    PortSetting& port_;
    Settings& settings_;
    Dialogs& dialogs_;
    std::vector<SerialDevice> devices_;
    QComboBox* cmbPort_;
    QString shownPort_;  // the port box's text when the dialog opened
    int tPort_;
};

// Opens the dialog over `parent`, holding every other window until it closes, with the serial devices
// the system reports; while it is open, its window is brought to the front instead. The dialog deletes
// itself when closed.
void showTRSet(PortSetting& port, Settings& settings, Dialogs& dialogs, QWidget* parent);
