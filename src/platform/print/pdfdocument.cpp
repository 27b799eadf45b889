#include "platform/print/pdfdocument.h"

#include <QPageLayout>
#include <QPageSize>

#include "platform/appinfo.h"

PdfDocument::PdfDocument(Orientation orientation)
    : orientation_(orientation), buffer_(&bytes_), writer_((buffer_.open(QIODevice::WriteOnly), &buffer_)) {
    writer_.setResolution(600);
    writer_.setCreator(AppInfo::title());
    writer_.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4),
                    orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(0, 0, 0, 0)));
}
