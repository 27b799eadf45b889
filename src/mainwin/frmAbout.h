#pragma once

#include <QDialog>

// The version window: the application's name, version, icon and a notice. It does not block the main
// window and closes with its OK button.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);
};
