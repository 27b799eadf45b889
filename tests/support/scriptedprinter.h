#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "platform/printer.h"

// A printer for tests: an A4 sheet whose text line is the font size in points times 20 twips; the
// print dialog answers from the test (the preset range unless told otherwise, nothing meaning Cancel),
// and so does the preview (its print button pressed or not); the pages of every job are kept, with
// the names of their documents.
class ScriptedPrinter : public Printer {
public:
    struct ShownDialog {
        int min, max, from, to;
    };

    std::optional<PageSelection> choosePages(int min, int max, int from, int to) override;
    void setUp() override { ++setUps; }
    Orientation orientation() const override { return chosenOrientation; }
    QString outputFile() const override { return chosenFile; }
    bool preview(const std::function<void(Printer& pages)>& compose) override;

    RecordedPage newPage() override;
    std::optional<QString> print(const RecordedPage& page, const QString& documentName) override;
    std::optional<QString> finish() override;

    Orientation chosenOrientation = Orientation::Portrait;
    QString chosenFile;  // printing to this file, when not empty
    bool cancelDialog = false;
    std::optional<PageSelection> chosenPages;  // else the preset range
    bool printFromPreview = false;
    std::optional<QString> failure;  // every page is refused with it
    std::function<void(size_t pages)> afterPage;

    std::vector<ShownDialog> dialogs;
    std::vector<RecordedPage> pages;
    std::vector<QString> documents;
    int finishes = 0;
    int setUps = 0;
    int previews = 0;
};
