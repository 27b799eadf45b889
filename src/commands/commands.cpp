#include "commands/commands.h"

Commands::Commands(TestData& data, Dialogs& dialogs, const CommandViews& views, CounterLink& link,
                   const PortSetting& port)
    : entry(data, views.grid, dialogs),
      blocks(data, views.grid, views.survey, entry, dialogs),
      files(data, dialogs, blocks, entry, views.survey),
      counterImport(data, dialogs, blocks, files),
      counterRead(
          {data, dialogs, views.survey, views.counterRead, entry, blocks, files, counterImport, link, port}),
      history(data, entry, blocks) {}
