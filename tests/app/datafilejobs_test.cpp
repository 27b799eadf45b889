#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace {

const std::string ThreeDrops =
    "\"KORVANDEL\",1,\"EXT\"\r\n"
    "1,\"\x92\xb2\x8d\xb8\x81\x60\",\"\x8e\x52\x93\x63\",\"2024\",\"05\",\"12\",\"x\\y\",\"No.1\",\"50cm\","
    "3\r\n"
    "\" 1.235\",\" .35\",\" 12\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\"\r\n";

struct JobRun {
    int exitCode;
    std::string out;
    std::string err;
};

// Runs the application binary with the arguments; `prepare` runs in the child before the program.
JobRun run(const QStringList& arguments, const std::function<void()>& prepare = {}) {
    QProcess process;
    if (prepare) process.setChildProcessModifier(prepare);
    process.start(QStringLiteral(TERRAKO_BINARY), arguments);
    process.waitForFinished();
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            QString::fromUtf8(process.readAllStandardError()).toStdString()};
}

// A counter's memory without records, and the text of one record of three drops.
const std::string EmptyDump = "00\r\n";
const std::string OneRecord =
    "001 03/04 05:06 003 .0\r\n1.0 2.0 3.0 \r\n\r\nGGT \x90\xa7\x8c\xe4\x94\xd4\x8d\x86  001 0003\r\n";

class DataFileJobsTest : public testing::Test {
protected:
    QString file(const char* name, const std::string& bytes) {
        const QString path = folder.filePath(name);
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }

    std::string contentOf(const QString& path) {
        QFile in(path);
        in.open(QIODevice::ReadOnly);
        return in.readAll().toStdString();
    }

    QTemporaryDir folder;
};

TEST_F(DataFileJobsTest, DumpPrintsTheDataSetAsJson) {
    const JobRun dump = run({"dump", file("a.txt", ThreeDrops)});
    EXPECT_EQ(dump.exitCode, 0);
    EXPECT_EQ(dump.err, "");
    EXPECT_EQ(
        dump.out,
        "{\"layout\": \"extended\", \"maxDrops\": 500, \"blockCount\": 1, \"blocks\": [{\"blockNo\": 1, "
        "\"surveyName\": \"調査～\", \"testerName\": \"山田\", \"testYear\": \"2024\", \"testMonth\": "
        "\"05\", "
        "\"testDay\": \"12\", \"testPlace\": \"x\\\\y\", \"pointNo\": \"No.1\", \"dropHeight\": \"50cm\", "
        "\"dropCount\": 3, \"measure\": [1.235, 0.35, 12]}]}\n");
}

TEST_F(DataFileJobsTest, DumpExitCodesTellRefusedFromUnreadableInput) {
    const JobRun refused = run({"dump", file("b.txt", "\"KORVANDEL \",1,\"EXT\"\r\n")});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.find("このﾌｧｲﾙは貫入計ではありません。もう一度読み直してください。"),
              std::string::npos);
    EXPECT_EQ(refused.out, "");
    const JobRun missing = run({"dump", folder.filePath("missing.txt")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("ファイルまたはフォルダーがありません"), std::string::npos);
    const JobRun damaged = run({"dump", file("c.txt", ThreeDrops.substr(0, ThreeDrops.size() - 20))});
    EXPECT_EQ(damaged.exitCode, 0);
    EXPECT_NE(damaged.err.find("ファイルが壊れている可能性があります。"), std::string::npos);
    EXPECT_NE(damaged.out.find("\"dropCount\": 3"), std::string::npos);
}

TEST_F(DataFileJobsTest, ResaveWritesTheExtendedLayoutOrLeavesTheTargetAlone) {
    std::string older = "\"KORVANDEL\",1\r\n5,\"s\",\"\",\"\",\"\",\"\",\"\",\"\",\"50cm\"\r\n";
    older += "\"1.5\",\"0.25\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
    for (int line = 2; line <= 24; ++line) older += "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
    const QString in = file("older.txt", older);
    const QString out = file("out.txt", "old");
    EXPECT_EQ(run({"resave", in, out}).exitCode, 0);
    QFile written(out);
    written.open(QIODevice::ReadOnly);
    EXPECT_EQ(written.readAll().toStdString(),
              "\"KORVANDEL\",1,\"EXT\"\r\n1,\"s\",\"\",\"\",\"\",\"\",\"\",\"\",\"50cm\",2\r\n"
              "\" 1.5\",\" .25\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\"\r\n");
    const JobRun failed = run({"resave", in, out + "/inside.txt"});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_NE(failed.err.find("に保存できませんでした。\n(パスの途中にフォルダーでないものがあります)"),
              std::string::npos);
}

// Exit codes follow the kind of failure: a folder named as the input is unreadable, never a refused file.
TEST_F(DataFileJobsTest, AFolderGivenForTheInputExitsOneInEveryJob) {
    const QString out = folder.filePath("out.txt");
    for (const QStringList& job :
         {QStringList{"dump", folder.path()}, QStringList{"resave", folder.path(), out},
          QStringList{"convert", folder.path(), out}, QStringList{"import", folder.path(), out}}) {
        const JobRun failed = run(job);
        EXPECT_EQ(failed.exitCode, 1) << job.join(' ').toStdString() << "\n" << failed.err;
        EXPECT_NE(failed.err.find(folder.path().toStdString()), std::string::npos) << failed.err;
        EXPECT_FALSE(QFile::exists(out));
    }
}

// A file-size limit makes the save fail with its reason, not end the program, and leaves nothing behind.
TEST_F(DataFileJobsTest, AFileSizeLimitGivesTheSaveFailureAndLeavesNoTemporaryFile) {
    const QString in = file("in.txt", ThreeDrops);
    const QString out = file("out.txt", "old");
    const JobRun limited = run({"resave", in, out}, [] {
        const rlimit limit{64, 64};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(limited.exitCode, 1);
    EXPECT_NE(limited.err.find("(ファイルが大きすぎます)"), std::string::npos) << limited.err;
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"in.txt", "out.txt"}));
}

TEST_F(DataFileJobsTest, CsvWritesEveryDropOrTheSummary) {
    const QString input = file("a.txt", ThreeDrops);
    const QString drops = folder.filePath("drops.csv");
    EXPECT_EQ(run({"csv", input, drops}).exitCode, 0);
    QFile written(drops);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(),
              QByteArray("\xEF\xBB\xBF") +
                  QStringLiteral("ブロック,番号No.,回数,計測値(cm),貫入量(cm),軟らかさ区分\r\n"
                                 "1,No.1,1,1.235,1.2,3\r\n1,No.1,2,0.35,-0.9,1\r\n"
                                 "1,No.1,3,12,11.7,5\r\n")
                      .toUtf8());
    const QString summary = folder.filePath("summary.csv");
    EXPECT_EQ(run({"csv", "--summary", input, summary}).exitCode, 0);
    EXPECT_TRUE(QFile::exists(summary));
    EXPECT_EQ(run({"csv", file("b.txt", "not a data file\r\n"), summary}).exitCode, 2);
}

// Inputs far larger than any of their kind are refused after reading at most their limit, whatever
// kind of file they are; an offending item is quoted short.
TEST_F(DataFileJobsTest, OversizedInputsAreRefusedAndQuotesStayShort) {
    const QString big = folder.filePath("big.tmp");
    QFile sparse(big);
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
    ASSERT_TRUE(sparse.resize(200LL * 1024 * 1024));
    sparse.close();
    struct Case {
        QStringList arguments;
    };
    const Case cases[] = {{{"import", big, folder.filePath("out.txt")}},
                          {{"convert", big, folder.filePath("out.tmp")}},
                          {{"dump", "/dev/zero"}}};
    for (const Case& c : cases) {
        const JobRun refused = run(c.arguments);
        EXPECT_EQ(refused.exitCode, 2) << c.arguments.join(' ').toStdString();
        EXPECT_NE(refused.err.find("大きすぎるため読込めません"), std::string::npos) << refused.err;
    }

    const std::string longItem(100000, '7');
    const JobRun quoted =
        run({"import",
             file("long.tmp", "001 11/05 12:07 003 .0\r\n" + longItem +
                                  "x\r\nGGT \x90\xa7\x8c\xe4\x94\xd4\x8d\x86  001 0003\r\n"),
             folder.filePath("out.txt")});
    EXPECT_EQ(quoted.exitCode, 2);
    EXPECT_LT(quoted.err.size(), 400u) << quoted.err.substr(0, 400);
}

// No job writes over what it read, by whatever name; a device is written into as it is and its
// failure told; "-" is standard output for the text jobs.
TEST_F(DataFileJobsTest, EveryJobRefusesItsInputAsOutputAndWritesIntoDevices) {
    struct Job {
        QString name;
        std::string input;
    };
    const Job jobs[] = {{"resave", ThreeDrops},
                        {"csv", ThreeDrops},
                        {"pdf", ThreeDrops},
                        {"convert", EmptyDump},
                        {"import", OneRecord}};
    for (const Job& job : jobs) {
        SCOPED_TRACE(job.name.toStdString());
        const QString input = file("input.txt", job.input);
        const QString link = folder.filePath("link.txt");
        QFile::remove(link);
        QFile::link(input, link);
        const JobRun over = run({job.name, input, link});
        EXPECT_EQ(over.exitCode, 1) << over.err;
        EXPECT_NE(over.err.find("(読込んだファイル" + input.toStdString() + "と同じファイルです)"),
                  std::string::npos)
            << over.err;
        EXPECT_EQ(contentOf(input), job.input);

        EXPECT_EQ(run({job.name, input, "/dev/null"}).exitCode, 0);
        const JobRun full = run({job.name, input, "/dev/full"});
        EXPECT_EQ(full.exitCode, 1);
        EXPECT_NE(full.err.find("(ディスクの空き容量が足りません)"), std::string::npos) << full.err;
        struct stat device {};
        ASSERT_EQ(::stat("/dev/full", &device), 0);
        EXPECT_TRUE(S_ISCHR(device.st_mode));
    }
    const JobRun csv = run({"csv", file("a.txt", ThreeDrops), "-"});
    EXPECT_EQ(csv.exitCode, 0);
    EXPECT_NE(csv.out.find("1,No.1,3,12,11.7,5\r\n"), std::string::npos) << csv.out;
    const JobRun text = run({"convert", file("k40read.tmp", EmptyDump), "-"});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("GGT "), std::string::npos);

    // Standard output sent onto the input is refused too.
    QProcess dump;
    const QString input = file("dumped.txt", ThreeDrops);
    dump.setStandardOutputFile(input, QIODevice::Append);
    dump.start(QStringLiteral(TERRAKO_BINARY), {"dump", input});
    dump.waitForFinished();
    EXPECT_EQ(dump.exitCode(), 1);
    EXPECT_EQ(contentOf(input), ThreeDrops);
}

// Options are taken once each, numbers as whole numbers in range, and every refusal names what is
// wrong and what is allowed; the warnings of a damaged file say what the job does with it.
TEST_F(DataFileJobsTest, ArgumentsAreTakenStrictlyAndEveryMessageIsTheJobs) {
    const QString in = file("a.txt", ThreeDrops);
    const QString damaged = file("damaged.txt", ThreeDrops.substr(0, ThreeDrops.size() - 20));
    const QString out = folder.filePath("out");
    struct Case {
        QStringList arguments;
        int exitCode;
        const char* message;
        const char* usage;  // the job whose usage follows a refused argument; "" the whole usage
    };
    const Case cases[] = {
        {{"pdf", "--from", "1", "--from", "1", in, out},
         1,
         "オプション --from が2回指定されています。",
         "pdf"},
        {{"pdf", "--from", "1.5", in, out}, 1, "オプション --from の値 1.5 は整数ではありません。", "pdf"},
        {{"pdf", "--from", "99999999999", in, out}, 1, "ブロック 99999999999 はありません（1～1）", nullptr},
        {{"pdf", "--to", "6", in, out}, 1, "ブロック 6 はありません（1～1）", nullptr},
        {{"pdf", "--color", "--fill", "4", in, out},
         1,
         "オプション --fill の値 4 は使えません。（5、3、2）",
         "pdf"},
        {{"pdf", "--color", "--mono", in, out}, 1, "--color と --mono は同時に指定できません。", "pdf"},
        {{"pdf", "--from"}, 1, "オプション --from のあとに N を指定してください。", "pdf"},
        {{"csv", "--sheet", in, out},
         1,
         "オプション --sheet はありません。（使えるオプション: --summary）",
         "csv"},
        {{"csv", "--summary", "--summary", in, out},
         1,
         "オプション --summary が2回指定されています。",
         "csv"},
        {{"dump"}, 1, "FILE を指定してください。", "dump"},
        {{"resave", in}, 1, "OUT を指定してください。", "resave"},
        {{"import", in, out, "extra"}, 1, "余分な引数 extra があります。", "import"},
        {{"receive", "--erase"}, 1, "--port で通信ﾎﾟｰﾄを指定してください。", "receive"},
        {{"read", "--port", "1", "--port", "2", out}, 1, "オプション --port が2回指定されています。", "read"},
        {{"--port", "1", "--port", "2"}, 1, "オプション --port が2回指定されています。", ""},
        {{in, damaged}, 1, "開くデータファイルは1つだけ指定してください", ""},
        {{"dump", damaged}, 0, "警告: 読めた範囲のデータを出力します。", nullptr},
        {{"csv", damaged, out}, 0, "警告: 読めた範囲のデータを CSV に出力します。", nullptr},
        {{"resave", damaged, out}, 0, "警告: 読めた範囲のデータだけを", nullptr},
    };
    for (const Case& c : cases) {
        const JobRun job = run(c.arguments);
        SCOPED_TRACE(c.arguments.join(' ').toStdString() + "\n" + job.err);
        EXPECT_EQ(job.exitCode, c.exitCode);
        EXPECT_NE(job.err.find(c.message), std::string::npos);
        const std::string usage = !c.usage   ? "使い方"
                                  : *c.usage ? std::string("\n使い方: terrako-diagraph ") + c.usage + " "
                                             : "使い方:\n";
        EXPECT_EQ(job.err.find(usage) != std::string::npos, c.usage != nullptr);
        for (const char* english : {"usage", "warning", "not ", "cannot"})
            EXPECT_EQ(job.err.find(english), std::string::npos);
        EXPECT_EQ(job.err.find("表示します"), std::string::npos);
    }
}

// A pipe is read to its end however its writer pauses, and given up after ten seconds of silence;
// a named pipe without a writer does not make the job wait.
TEST_F(DataFileJobsTest, PipedInputIsReadToItsEndUnlessItFallsSilent) {
    using namespace std::chrono_literals;
    for (const bool silent : {false, true}) {
        QProcess dump;
        dump.start(QStringLiteral(TERRAKO_BINARY), {"dump", "/dev/stdin"});
        ASSERT_TRUE(dump.waitForStarted());
        dump.write(ThreeDrops.substr(0, 40).data(), 40);
        dump.waitForBytesWritten();
        std::this_thread::sleep_for(1500ms);
        if (!silent) {
            dump.write(ThreeDrops.substr(40).data(), static_cast<qint64>(ThreeDrops.size() - 40));
            dump.closeWriteChannel();
        }
        ASSERT_TRUE(dump.waitForFinished(20000));
        const std::string err = QString::fromUtf8(dump.readAllStandardError()).toStdString();
        if (silent) {
            EXPECT_EQ(dump.exitCode(), 2);
            EXPECT_NE(err.find("からの入力が10秒間途絶えたため、読込みを中止しました。"), std::string::npos)
                << err;
        } else {
            EXPECT_EQ(dump.exitCode(), 0) << err;
            EXPECT_NE(dump.readAllStandardOutput().toStdString().find("\"measure\": [1.235, 0.35, 12]"),
                      std::string::npos);
        }
    }
    // A named pipe that nobody writes is read at once, as empty.
    const QString fifo = folder.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(run({"dump", fifo}).exitCode, 2);
}

}  // namespace
