#include "counter/transferprotocol.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/serialline.h"

namespace {

using Next = TransferProtocol::Next;
using Kind = TransferFailure::Kind;

std::string str(const QString& text) {
    return text.toStdString();
}

std::string status(const TransferProtocol& protocol) {
    return str(TransferTexts::status(protocol.progress().step));
}

std::string percent(const TransferProtocol& protocol) {
    return str(TransferTexts::percent(protocol.progress()).value_or(QStringLiteral("(none)")));
}

bool markFilled(const TransferProtocol& protocol) {
    return TransferTexts::markFilled(protocol.progress()).value();
}

QByteArray digits(int chunk) {
    return QByteArray::number(100000 + chunk).repeated(6).left(32);
}

// Receives chunk 1 as the counter sends it by itself.
void receiveFirstChunk(TransferProtocol& protocol) {
    protocol.startReceive();
    ASSERT_EQ(protocol.received("A" + digits(1)).next, Next::Tick);
}

// Runs the rest of a receive phase: a tick, the request, the chunk.
TransferProtocol::Reaction receiveRemainingChunks(TransferProtocol& protocol) {
    TransferProtocol::Reaction reaction;
    for (int chunk = 2; chunk <= TransferProtocol::ChunkCount; ++chunk) {
        const auto request = protocol.tick();
        EXPECT_EQ(request.send, "A");
        EXPECT_EQ(request.next, Next::Characters);
        reaction = protocol.received(digits(chunk));
    }
    return reaction;
}

TEST(TransferProtocol, FirstChunkIsThirtyThreeCharactersStartingWithAAfterWhatAnEarlierTransferLeft) {
    TransferProtocol protocol;
    const auto start = protocol.startReceive();
    EXPECT_EQ(start.next, Next::Characters);
    EXPECT_TRUE(start.send.isEmpty());
    EXPECT_EQ(status(protocol), "[待機中] --> ﾃﾗｺｶｳﾝﾀのﾛｰﾀﾘSWを[DATA DISPLAY]に回して下さい。");
    EXPECT_EQ(protocol.progress().total, 960);
    EXPECT_EQ(percent(protocol), "(none)");

    EXPECT_EQ(protocol.received("A" + digits(1).left(31)).next, Next::Same);
    EXPECT_EQ(protocol.received(digits(1).right(1)).next, Next::Tick);
    EXPECT_EQ(protocol.dump(), digits(1));
    EXPECT_EQ(protocol.progress().done, 1);
    EXPECT_EQ(percent(protocol), "% 受信");
    EXPECT_EQ(status(protocol), "[受信中] --> ﾃﾗｺｶｳﾝﾀからﾃﾞｰﾀを受信しています。");

    // What came before the first chunk once the line is quiet was left there by an earlier transfer.
    TransferProtocol retried;
    retried.received("FFFF");  // before the phase: gone with the transfer it belonged to
    retried.startReceive();
    EXPECT_EQ(retried.received("FFFFFFFFA" + digits(1)).next, Next::Settle);
    EXPECT_EQ(retried.settled().next, Next::Tick);
    EXPECT_EQ(retried.dump(), digits(1));

    TransferProtocol refused;
    refused.startReceive();
    EXPECT_EQ(refused.received("B" + digits(1)).next, Next::Settle);
    EXPECT_EQ(refused.settled().next, Next::Done);
    ASSERT_TRUE(refused.failure());
    EXPECT_EQ(refused.failure()->kind, Kind::WrongFirstCharacter);
    EXPECT_EQ(refused.failure()->received, "B" + digits(1));
}

TEST(TransferProtocol, ReceivesNineHundredSixtyChunksAndAcknowledgesTheLast) {
    TransferProtocol protocol;
    receiveFirstChunk(protocol);
    EXPECT_EQ(protocol.tick().send, "A");
    protocol.received(digits(2));
    EXPECT_EQ(protocol.progress().chunk, digits(2));
    EXPECT_EQ(percent(protocol), "% 受信");  // 2 of 960 rounds to 0
    EXPECT_FALSE(markFilled(protocol));
    protocol.tick();
    protocol.received(digits(3));
    EXPECT_TRUE(markFilled(protocol));

    TransferProtocol full;
    receiveFirstChunk(full);
    const auto last = receiveRemainingChunks(full);
    EXPECT_EQ(last.send, "A");
    EXPECT_EQ(last.next, Next::Done);
    EXPECT_TRUE(full.succeeded());
    EXPECT_EQ(full.dump().size(), 30720);
    EXPECT_EQ(full.dump().right(32), digits(960));
    EXPECT_EQ(percent(full), "100% 受信");
    EXPECT_EQ(full.progress().done, 960);
    EXPECT_EQ(status(full), "[受信中] --> ﾃﾞｰﾀの読み込みが終了しました。");
}

TEST(TransferProtocol, StoresEverythingWaitingAsTheChunk) {
    TransferProtocol protocol;
    receiveFirstChunk(protocol);
    protocol.tick();
    EXPECT_EQ(protocol.received(QByteArray(20, '1')).next, Next::Same);
    EXPECT_EQ(protocol.received(QByteArray(20, '2')).next, Next::Tick);
    EXPECT_EQ(protocol.dump(), digits(1) + QByteArray(20, '1') + QByteArray(20, '2'));

    // Characters that arrive during the pause belong to the next chunk, which then needs no more.
    protocol.received(QByteArray(32, '3'));
    const auto request = protocol.tick();
    EXPECT_EQ(request.send, "A");
    EXPECT_EQ(request.next, Next::Tick);
    EXPECT_EQ(protocol.dump().right(32), QByteArray(32, '3'));
}

TEST(TransferProtocol, WritesTheImageOneByteForEachAcknowledgement) {
    TransferProtocol protocol;
    QByteArray image(1024, 0);
    for (int i = 0; i < image.size(); ++i) image[i] = char(i * 7);

    // The counter's "S" may wait in the line before the phase starts.
    protocol.received("S");
    const auto first = protocol.startWrite(image);
    EXPECT_EQ(first.send, image.left(1));
    EXPECT_EQ(first.next, Next::Characters);
    EXPECT_EQ(status(protocol), "[照合中] --> ﾃﾗｺｶｳﾝﾀのﾃﾞｰﾀと受信ﾃﾞｰﾀを照合しています。");
    EXPECT_EQ(percent(protocol), "% 照合");
    EXPECT_TRUE(markFilled(protocol));

    QByteArray sent = first.send;
    TransferProtocol::Reaction reaction;
    for (int i = 1; i <= 1023; ++i) {
        reaction = protocol.received("A");
        sent += reaction.send;
        if (i == 1) {
            EXPECT_FALSE(markFilled(protocol));
        }
    }
    EXPECT_EQ(sent, image);
    EXPECT_EQ(percent(protocol), "100% 照合");
    EXPECT_EQ(protocol.progress().done, 1023);
    EXPECT_EQ(reaction.next, Next::Characters);

    const auto done = protocol.received("A");
    EXPECT_EQ(done.next, Next::Done);
    EXPECT_TRUE(done.send.isEmpty());
    EXPECT_TRUE(protocol.succeeded());
    EXPECT_EQ(status(protocol), "[通信完了] --> ﾃﾞｰﾀの通信が終了しました。");
    EXPECT_EQ(percent(protocol), "100% 照合");
}

TEST(TransferProtocol, ReadyAndAcknowledgementMustBeTheWholeText) {
    const QByteArray image(1024, 'x');
    TransferProtocol ready;
    ready.startWrite(image);
    EXPECT_EQ(status(ready), "ACK wait");
    EXPECT_EQ(ready.received("SS").next, Next::Done);
    EXPECT_EQ(ready.failure()->kind, Kind::WrongReady);

    TransferProtocol acknowledgement;
    acknowledgement.startWrite(image);
    acknowledgement.received("S");
    acknowledgement.received("A");
    const auto refused = acknowledgement.received("AA");
    EXPECT_EQ(refused.next, Next::Done);
    EXPECT_TRUE(refused.send.isEmpty());
    EXPECT_EQ(acknowledgement.failure()->kind, Kind::WrongAcknowledgement);
    EXPECT_EQ(acknowledgement.failure()->received, "AA");
}

TEST(TransferProtocol, AbortEndsAnyWait) {
    const TransferFailure stop{Kind::Stopped, {}, {}};
    TransferProtocol waitingForFirst;
    waitingForFirst.startReceive();
    EXPECT_EQ(waitingForFirst.abort(stop).next, Next::Done);
    EXPECT_EQ(waitingForFirst.failure()->kind, Kind::Stopped);
    EXPECT_FALSE(waitingForFirst.running());

    TransferProtocol pausing;
    receiveFirstChunk(pausing);
    EXPECT_EQ(pausing.abort({Kind::TimedOut, {}, {}}).next, Next::Done);
    EXPECT_TRUE(pausing.tick().send.isEmpty());  // a late tick requests nothing

    TransferProtocol writing;
    writing.startWrite(QByteArray(1024, 'x'));
    writing.received("S");
    EXPECT_EQ(writing.abort(stop).next, Next::Done);
    EXPECT_TRUE(writing.received("A").send.isEmpty());

    TransferProtocol idle;
    EXPECT_EQ(idle.abort(stop).next, Next::Same);
    EXPECT_FALSE(idle.failure());
}

TEST(TransferProtocol, AFloodEndsThePhaseWithoutGrowingMemory) {
    TransferProtocol protocol;
    receiveFirstChunk(protocol);
    const QByteArray garbage(4096, '#');
    TransferProtocol::Reaction reaction;
    for (int i = 0; i < 256 && reaction.next != Next::Done; ++i) reaction = protocol.received(garbage);
    EXPECT_EQ(reaction.next, Next::Done);
    EXPECT_EQ(protocol.failure()->kind, Kind::Flood);
    EXPECT_LE(protocol.failure()->received.size(), TransferProtocol::MaxWaiting + 1);

    // Between phases the waiting characters are bounded too, and the next phase refuses them.
    TransferProtocol idle;
    for (int i = 0; i < 256; ++i) idle.received(garbage);
    EXPECT_EQ(idle.startWrite(QByteArray(1024, 'x')).next, Next::Done);
    EXPECT_LE(idle.failure()->received.size(), TransferProtocol::MaxWaiting + 1);
}

// A USB counter (ttyACM) read while ModemManager runs: a garbled or silent read names the cause and
// the remedy; a read stopped by the operator does not.
TEST(TransferFailure, NamesModemManagerWhereItMayHaveTakenTheLine) {
    QTemporaryDir folder;
    const auto file = [&folder](const QString& name, const QByteArray& text) {
        QDir().mkpath(QFileInfo(folder.filePath(name)).path());
        QFile out(folder.filePath(name));
        out.open(QIODevice::WriteOnly);
        out.write(text);
        return folder.filePath(name);
    };
    const QString acm = file(QStringLiteral("dev/ttyACM0"), {});
    const QString usb = file(QStringLiteral("dev/ttyUSB0"), {});
    const QString quiet = folder.filePath(QStringLiteral("quiet"));
    file(QStringLiteral("quiet/1/comm"), "systemd\n");
    const QString busy = folder.filePath(QStringLiteral("busy"));
    file(QStringLiteral("busy/1/comm"), "systemd\n");
    file(QStringLiteral("busy/812/comm"), "ModemManager\n");
    EXPECT_TRUE(modemManagerMayProbe(acm, busy));
    EXPECT_FALSE(modemManagerMayProbe(usb, busy));
    EXPECT_FALSE(modemManagerMayProbe(acm, quiet));

    for (const auto& [kind, advised] : {std::pair{Kind::WrongFirstCharacter, true},
                                        {Kind::TimedOut, true},
                                        {Kind::DumpRefused, true},
                                        {Kind::Stopped, false},
                                        {Kind::Disconnected, false}}) {
        TransferFailure failure{kind, "FFFF"};
        failure.device = QStringLiteral("/dev/ttyACM0");
        failure.modemManagerProbing = true;
        EXPECT_EQ(failure.windowText().contains(QStringLiteral("ID_MM_DEVICE_IGNORE")), advised) << int(kind);
        EXPECT_EQ(failure.commandLineText().count(QStringLiteral("ModemManager が動いている")),
                  advised ? 1 : 0);
    }
}

}  // namespace
