#include "app/subcommands.h"

int dumpJob(const QStringList& arguments);
int resaveJob(const QStringList& arguments);
int receiveJob(const QStringList& arguments);
int convertJob(const QStringList& arguments);
int importJob(const QStringList& arguments);
int readJob(const QStringList& arguments);
int pdfJob(const QStringList& arguments);
int csvJob(const QStringList& arguments);
int recoverJob(const QStringList& arguments);
int reportJob(const QStringList& arguments);

const std::vector<Subcommand>& subcommands() {
    static const std::vector<Subcommand> all{
        {"dump", "dump FILE", "データファイル FILE の内容を JSON で標準出力に出す", dumpJob},
        {"resave", "resave IN OUT", "IN を読んで拡張形式で OUT に保存する", resaveJob},
        {"receive", "receive --port DEVICE [--erase]",
         "テラコカウンタのメモリを k40read.tmp に読込む（--erase: そのあと記録を消去する）", receiveJob},
        {"convert", "convert DUMP TXT|-", "メモリダンプ DUMP を記録のテキスト TXT（-: 標準出力）にする",
         convertJob},
        {"import", "import TXT OUT", "TXT の記録を読み、データ補正をして OUT に保存する", importJob},
        {"read", "read --port DEVICE [--erase] OUT",
         "テラコカウンタを読み（--erase: 記録を消去し）、OUT に保存する", readJob},
        {"pdf", "pdf [--sheet] [--from N] [--to M] [--color|--mono] [--fill 5|3|2] [--jhs] FILE OUT.pdf",
         "FILE のブロック N～M の試験様式（--sheet: ダイアグラムシート）を OUT.pdf に出力する", pdfJob},
        {"csv", "csv [--summary] FILE OUT.csv|-",
         "FILE の計測値すべて（--summary: ブロックごとの集計）を CSV で OUT.csv（-: 標準出力）に出力する",
         csvJob},
        {"recover", "recover --list | recover ID OUT",
         "保存されないまま終了した作業の記録を一覧する（--list）、または記録 ID をデータファイル OUT "
         "に書き出す",
         recoverJob},
        {"report", "report [--from N] [--to M] [--target CM] [--hard S] [--no-forms] FILE OUT.pdf",
         "FILE のブロック N～M の報告書（表紙、地点別一覧、一覧ダイアグラム、深さ別の軟らかさ、試験様式）を "
         "OUT.pdf に出力する（--target: 目標深さ、--hard: 硬さの限界 cm/drop、--no-forms: 試験様式を除く）",
         reportJob},
    };
    return all;
}
