#pragma once

#include <QByteArray>
#include <QStringList>

struct BlockSummary;
struct EffectiveDepth;
struct TestData;

// The site summary's columns, in order.
enum class SummaryColumn {
    Block,
    PointNo,
    SurveyName,
    Date,
    Drops,
    Depth,
    Class1,  // ... Class5 follow
    FirstHardDepth = Class1 + 5,
    MeanSoftness,
};

// The site summary's columns as the summary window heads them, and one row's texts.
QStringList summaryHeadings();
QStringList summaryCells(const BlockSummary& row);
QString summaryCell(const QStringList& cells, SummaryColumn column);

// The effective depth as printed: the depth, after "≥" when the soil never turned that hard.
QString effectiveDepthText(const EffectiveDepth& effective);

// Comma-separated values for spreadsheets: UTF-8 with a byte-order mark, lines ended by CR LF, and a
// field quoted (quotes doubled) when it holds a comma, a quote or a line end. A heading line first.

// Every drop of every block: block, 番号No., drop, reading, penetration, softness class.
QByteArray DropsCsv(const TestData& data);
// The summary rows of every block.
QByteArray SummaryCsv(const TestData& data);
