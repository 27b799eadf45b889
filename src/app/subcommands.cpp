#include "app/subcommands.h"

int receiveJob(const QStringList& arguments);

const std::vector<Subcommand>& subcommands() {
    static const std::vector<Subcommand> all{
        {"receive", "receive --port DEVICE [--erase]",
         "read the counter's memory into k40read.tmp (--erase: then erase it)", receiveJob},
    };
    return all;
}
