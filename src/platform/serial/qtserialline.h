#pragma once

#include <QSerialPort>

#include "platform/serialline.h"

// The serial line on a device of the system, through QSerialPort.
class QtSerialLine : public SerialLine {
public:
    QtSerialLine();
    ~QtSerialLine() override;

    std::optional<SerialOpenFailure> open(const QString& device) override;
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }
    void write(const QByteArray& characters) override;
    QByteArray readAll() override { return port_.readAll(); }

private:
    QSerialPort port_;
};
