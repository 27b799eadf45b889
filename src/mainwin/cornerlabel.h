#pragma once

#include <QString>

class QTableView;

// Writes a heading into the corner cell above a table's row numbers.
void setCornerText(QTableView& table, const QString& text);
