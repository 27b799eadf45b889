#include "datafile/filebytes.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <string>
#include <thread>

#include "datafile/datafilenotices.h"

namespace {

using namespace std::chrono_literals;

// A pipe is read to its end however its writer pauses, up to the silence allowed; a writer that stays
// silent longer is given up with a message of its own, as a refused input.
TEST(ReadFileBytes, APipeIsReadToItsEndUnlessItsWriterFallsSilent) {
    struct Case {
        const char* writer;
        std::chrono::milliseconds pause;
        bool complete;
    };
    const Case cases[] = {
        {"pausing shorter than the silence allowed", 300ms, true},
        {"silent longer than allowed", 1500ms, false},
    };
    const std::string first(70000, 'a');
    const std::string second = "end";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.writer);
        int ends[2];
        ASSERT_EQ(::pipe(ends), 0);
        std::thread writer([&] {
            EXPECT_EQ(::write(ends[1], first.data(), first.size()), ssize_t(first.size()));
            std::this_thread::sleep_for(c.pause);
            [[maybe_unused]] const ssize_t rest = ::write(ends[1], second.data(), second.size());
            ::close(ends[1]);
        });
        const QString path = QStringLiteral("/dev/fd/%1").arg(ends[0]);
        std::optional<Failure> failure;
        const std::optional<std::string> bytes = ReadFileBytes(path, 1 << 20, failure, 1000ms);
        writer.join();
        ::close(ends[0]);
        if (c.complete) {
            EXPECT_EQ(bytes, first + second);
            EXPECT_FALSE(failure);
        } else {
            EXPECT_FALSE(bytes);
            ASSERT_TRUE(failure);
            EXPECT_EQ(failure->kind, Failure::Kind::RefusedInput);
            EXPECT_EQ(
                failure->text,
                QStringLiteral("ファイル%1からの入力が1秒間途絶えたため、読込みを中止しました。").arg(path));
        }
    }

    // A named pipe that nobody writes ends at once, empty, instead of waiting for a writer.
    QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    std::optional<Failure> failure;
    EXPECT_EQ(ReadFileBytes(fifo, 1 << 20, failure), std::string());
    EXPECT_FALSE(failure);
}

}  // namespace
