#pragma once

#include <functional>

class QPrintDialog;

// Answers the next print dialog as a user would: once it is open, `choose` sets its fields (found by
// their object names, as Qt's dialog names them), then its print button is pressed.
void whenPrintDialogOpens(const std::function<void(QPrintDialog& dialog)>& choose);

// Chooses pages from..to in the dialog's range fields.
void choosePageRange(QPrintDialog& dialog, int from, int to);
