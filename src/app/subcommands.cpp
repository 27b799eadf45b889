#include "app/subcommands.h"

int dumpJob(const QStringList& arguments);
int resaveJob(const QStringList& arguments);
int receiveJob(const QStringList& arguments);

const std::vector<Subcommand>& subcommands() {
    static const std::vector<Subcommand> all{
        {"dump", "dump FILE", "print the data set read from FILE as JSON", dumpJob},
        {"resave", "resave IN OUT", "read IN, write it to OUT in the current layout", resaveJob},
        {"receive", "receive --port DEVICE [--erase]",
         "read the counter's memory into k40read.tmp (--erase: then erase it)", receiveJob},
    };
    return all;
}
