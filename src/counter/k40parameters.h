#pragma once

#include <QtGlobal>
#include <array>

// The nine parameters of a counter transfer. A transfer sets them from its six arguments before
// anything else; the transfer window shows the first six, and the status ends in `K40DRV_H7`.
struct K40Parameters {
    static constexpr int RunAll = 1;      // K40DRV_H1: receive, write and convert in turn
    static constexpr int DebugMode = 99;  // K40DRV_H6: show the transfer window and let the operator drive
    static constexpr int Running = -1, Failed = 0, Written = 1;  // values of K40DRV_H7

    int K40DRV_H1 = 0;        // mode
    int K40DRV_H2 = 0;        // parameter byte 2 for the counter
    int K40DRV_H3 = 0;        // parameter byte 3
    int K40DRV_H4 = 0;        // parameter byte 4
    int K40DRV_H5 = 0;        // serial port number; also parameter byte 5
    int K40DRV_H6 = 0;        // 99 debug mode; also parameter byte 6
    int K40DRV_H7 = Running;  // status: Failed after a failure or a stop, Written after the write phase
    int K40DRV_H8 = 10;       // pause before each chunk request, in milliseconds
    int K40DRV_H9 = 0;

    // The parameters of one driver call with its six arguments.
    static K40Parameters forCall(int h1, int h2, int h3, int h4, int h5, int h6) {
        return K40Parameters{h1, h2, h3, h4, h5, h6};
    }
    // The parameters of a read from the counter on port number `port`. Bytes 2-4 mean something to
    // the counter only; the program sends them as they are.
    static K40Parameters forRead(int port) { return forCall(RunAll, 20, 2, 20, port, 0); }

    // The six arguments as the bytes the counter receives in its system area.
    std::array<quint8, 6> parameterBytes() const {
        return {quint8(K40DRV_H1), quint8(K40DRV_H2), quint8(K40DRV_H3),
                quint8(K40DRV_H4), quint8(K40DRV_H5), quint8(K40DRV_H6)};
    }
};
