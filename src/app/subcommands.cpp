#include "app/subcommands.h"

int dumpJob(const QStringList& arguments);
int resaveJob(const QStringList& arguments);

const std::vector<Subcommand>& subcommands() {
    static const std::vector<Subcommand> all{
        {"dump", "dump FILE", "print the data set read from FILE as JSON", dumpJob},
        {"resave", "resave IN OUT", "read IN, write it to OUT in the current layout", resaveJob},
    };
    return all;
}
