#include "counter/dumpconversion.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>

#include "counter/readdump.h"
#include "datafile/testfiles.h"

namespace {

// Bytes in hexadecimal, written with blanks between the fields for the reader.
std::string hex(std::string fields) {
    std::erase(fields, ' ');
    return fields;
}

// A memory dump as the receive phase writes it: the record count, an index table (zeros here) up to
// byte 256, then the records.
std::string dumpOf(const std::string& count, const std::string& records) {
    std::string digits = count + "00";
    digits.resize(512, '0');
    return digits + records + "\r\n";
}

// "GGT 制御番号  " in CP932.
const std::string ControlLine = "GGT \x90\xa7\x8c\xe4\x94\xd4\x8d\x86  ";

class DumpConversionTest : public testing::Test {
protected:
    std::optional<Failure> convert(const std::string& dump) {
        writeBytes(dumpPath, dump);
        return ConvertDump(dumpPath, textPath);
    }
    std::string text() const { return bytesOf(textPath); }

    QTemporaryDir folder;
    QString dumpPath = folder.filePath(QStringLiteral("k40read.tmp"));
    QString textPath = folder.filePath(QStringLiteral("k40txt.tmp"));
};

TEST_F(DumpConversionTest, WritesEachRecordWithItsReadingsTenToALineThenTheControlLine) {
    // Number, minute, hour, day, month, drops, header value, readings.
    const std::string twelveDrops =
        hex("01 07 52 45 31 0C 0000  0C00 0F00 1C00 E703 FFFF 0100 0500 0000 0000 0000  0000 0000");
    const std::string tenDrops = hex("02 59 08 01 01 0A 0200") + std::string(40, '0');
    const std::string noDrops = hex("03 00 00 01 01 00 E703");
    EXPECT_FALSE(convert(dumpOf("03", twelveDrops + tenDrops + noDrops)));
    EXPECT_EQ(text(),
              "001 11/05 12:07 012 .0\r\n"
              "2.4 3.0 5.6 199.8 -0.2 0.2 1.0 0.0 0.0 0.0\r\n"
              "0.0 0.0 \r\n"
              "\r\n"
              "002 01/01 08:59 010 .4\r\n"
              "0.0 0.0 0.0 0.0 0.0 0.0 0.0 0.0 0.0 0.0\r\n"
              "\r\n"
              "\r\n"
              "003 01/01 00:00 000 199.8\r\n"
              "\r\n"
              "\r\n" +
                  ControlLine + "003 0022\r\n");
}

TEST_F(DumpConversionTest, NoRecordsGiveTheControlLineAlone) {
    EXPECT_FALSE(convert(dumpOf("00", "")));
    EXPECT_EQ(text(), ControlLine + "000 0000\r\n");
}

TEST_F(DumpConversionTest, TakesUpTo128Records) {
    std::string records;
    for (int record = 1; record <= 128; ++record) records += hex("01 00 00 01 01 00 0000");
    EXPECT_FALSE(convert(dumpOf("80", records)));
    EXPECT_NE(text().find(ControlLine + "128 0000\r\n"), std::string::npos);
}

TEST_F(DumpConversionTest, RefusesADamagedDumpAndLeavesTheTextAsItWas) {
    const std::string oneDrop = hex("01 00 00 01 01 01 0000 0C00");
    const struct {
        std::string dump;
        std::string message;
    } refused[] = {
        {dumpOf("81", oneDrop), "の記録数129が、読込める数(128)を超えています。"},
        {dumpOf("02", oneDrop + "0200000101"), "の2番目の記録が、ﾃﾞｰﾀの終わりを越えています。"},
        {dumpOf("01", oneDrop.substr(0, oneDrop.size() - 2)),
         "の1番目の記録が、ﾃﾞｰﾀの終わりを越えています。"},
        {dumpOf("01", "01G0000101"), "はﾃﾗｺｶｳﾝﾀのﾃﾞｰﾀではありません。\n(515文字目が16進数ではありません)"},
        {"\r\n", "にﾃﾗｺｶｳﾝﾀのﾃﾞｰﾀがありません。"},
    };
    writeBytes(textPath, "earlier");
    for (const auto& dump : refused) {
        const std::optional<Failure> refusal = convert(dump.dump);
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->kind, Failure::Kind::RefusedInput);
        EXPECT_EQ(refusal->text.toStdString(), "ﾌｧｲﾙ" + dumpPath.toStdString() + dump.message);
        EXPECT_EQ(text(), "earlier");
    }
    EXPECT_EQ(entriesOf(folder.path()).size(), 2);
    const std::optional<Failure> missing = ConvertDump(folder.filePath(QStringLiteral("none.tmp")), textPath);
    EXPECT_EQ(missing.value().kind, Failure::Kind::Unreadable);
    EXPECT_NE(missing.value().text.indexOf(QStringLiteral("none.tmp")), -1);
}

// On a full disk the memory received from the counter is not left half written as if saved.
TEST_F(DumpConversionTest, TheReceivedMemoryIsSavedWholeOrNotAtAll) {
    writeBytes(dumpPath, "earlier");
    std::optional<QString> reason;
    {
        const FileSizeLimit diskFull(1000);
        reason = ReadDump::write(dumpPath, QByteArray(30720, '0'));
    }
    EXPECT_EQ(reason, QStringLiteral("ファイルが大きすぎます"));
    EXPECT_EQ(bytesOf(dumpPath), "earlier");
    EXPECT_FALSE(ReadDump::write(dumpPath, "0A1B"));
    EXPECT_EQ(bytesOf(dumpPath), "0A1B\r\n");
}

}  // namespace
