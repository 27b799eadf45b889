#include "support/scriptedprinter.h"

std::optional<PageSelection> ScriptedPrinter::choosePages(int min, int max, int from, int to) {
    dialogs.push_back({min, max, from, to});
    if (cancelDialog) return std::nullopt;
    return chosenPages.value_or(PageSelection{{{from, to}}});
}

bool ScriptedPrinter::preview(const std::function<void(Printer& pages)>& compose) {
    ++previews;
    compose(*this);
    return printFromPreview;
}

RecordedPage ScriptedPrinter::newPage() {
    const bool landscape = chosenOrientation == Orientation::Landscape;
    return RecordedPage(
        landscape ? 16838 : 11906, landscape ? 11906 : 16838,
        [](const QString&, double size) { return size * 20; }, QStringLiteral("ＭＳ 明朝"), 10);
}

std::optional<QString> ScriptedPrinter::print(const RecordedPage& page, const QString& documentName) {
    if (failure) return failure;
    pages.push_back(page);
    documents.push_back(documentName);
    if (afterPage) afterPage(pages.size());
    return std::nullopt;
}

std::optional<QString> ScriptedPrinter::finish() {
    ++finishes;
    return std::nullopt;
}
