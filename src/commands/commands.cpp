#include "commands/commands.h"

#include "datafile/samefile.h"

Commands::Commands(TestData& data, Dialogs& dialogs, const CommandViews& views, CounterLink& link,
                   const PortSetting& port, const RecoveryFolder* recoveryFolder)
    : entry(data, views.grid, dialogs),
      blocks(data, views.grid, views.survey, entry, dialogs),
      recovery(data, dialogs, blocks, entry, views.survey, recoveryFolder),
      files(data, dialogs, blocks, entry, views.survey, recovery),
      counterImport(data, dialogs, blocks, files),
      counterRead(
          {data, dialogs, views.survey, views.counterRead, entry, blocks, files, counterImport, link, port}),
      history(data, entry, blocks) {}

// Restored work of another file is not given up without the question 開く asks.
void Commands::start(const QString& file) {
    const bool restored = recovery.offerAtStart();
    if (file.isEmpty()) return;
    if (!restored)
        files.openFile(file);
    else if (recovery.restoredFile().isEmpty() || !NamesSameFile(recovery.restoredFile(), file))
        files.openChosen(file);
}
