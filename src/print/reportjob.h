#pragma once

#include <optional>

#include "print/printjob.h"
#include "print/sitereport.h"

// The site report of the options' blocks on the printer: the cover portrait, the summary table, the
// diagrams side by side and the site profile landscape, then the test forms of the blocks as 印刷
// prints them, portrait whatever the setting. Each kind of text shortened on the report's own pages
// is warned about once. Returns why the printer failed, if it did; printing stops there.
std::optional<QString> printSiteReport(const PrintJobParts& parts, const ReportOptions& options);

// The preview of the report, texts too long shortened without a warning; its print button prints the
// report on the printer as it is set, and tells a failure.
void PreviewSiteReport(const PrintJobParts& parts, Dialogs& dialogs, const ReportOptions& options);
