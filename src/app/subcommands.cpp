#include "app/subcommands.h"

int dumpJob(const QStringList& arguments);
int resaveJob(const QStringList& arguments);
int receiveJob(const QStringList& arguments);
int convertJob(const QStringList& arguments);
int importJob(const QStringList& arguments);
int readJob(const QStringList& arguments);
int pdfJob(const QStringList& arguments);
int csvJob(const QStringList& arguments);

const std::vector<Subcommand>& subcommands() {
    static const std::vector<Subcommand> all{
        {"dump", "dump FILE", "print the data set read from FILE as JSON", dumpJob},
        {"resave", "resave IN OUT", "read IN, write it to OUT in the current layout", resaveJob},
        {"receive", "receive --port DEVICE [--erase]",
         "read the counter's memory into k40read.tmp (--erase: then erase it)", receiveJob},
        {"convert", "convert DUMP TXT", "turn the counter memory dump DUMP into the text of its records",
         convertJob},
        {"import", "import TXT OUT", "read the records of TXT, correct them and save them to OUT", importJob},
        {"read", "read --port DEVICE [--erase] OUT",
         "the whole read of the counter (--erase: erasing it) saved to OUT", readJob},
        {"pdf", "pdf [--sheet] [--from N] [--to M] [--color|--mono] [--fill 5|3|2] [--jhs] FILE OUT.pdf",
         "write the test forms (--sheet: the diagram sheets) of FILE's blocks N..M to OUT.pdf", pdfJob},
        {"csv", "csv [--summary] FILE OUT.csv",
         "write every drop of FILE (--summary: one summary row per block) to OUT.csv", csvJob},
    };
    return all;
}
