#pragma once

#include <QByteArray>

struct TestData;

// The data set as one JSON object in UTF-8, with a line end: the layout, `MaxDrops`, `BlockCount`
// and every block's survey information, drop count and readings (each the shortest decimal that
// reads back as the same single-precision value).
QByteArray DataSetJson(const TestData& data);
