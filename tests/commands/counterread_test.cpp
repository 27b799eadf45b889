// The transfer entry of the read command, without a counter: which modes run what.
#include "commands/counterread.h"

#include "commandsfixture.h"
#include "counter/k40parameters.h"

namespace {

// Records the transfer windows the command asks for.
class RecordedCounterRead : public CounterReadView {
public:
    void readStarted() override { ++started; }
    void readEnded(bool) override {}
    void showTransferProgress() override { ++progressShown; }
    void closeTransferProgress() override {}
    void showTransferWindow(const K40Parameters& parameters, const QString& device) override {
        debugWindows.emplace_back(parameters.parameterBytes(), device);
    }

    int started = 0;
    int progressShown = 0;
    std::vector<std::pair<std::array<quint8, 6>, QString>> debugWindows;
};

TEST_F(CommandsTest, OnlyModeOneRunsATransferAndDebugModeOpensTheTransferWindow) {
    RecordedCounterRead view;
    Commands withView(data, dialogs, {grid, survey, view}, link, port);
    port.sessionPort = PortSetting::Choice{0, QStringLiteral("/dev/pts/9")};

    EXPECT_EQ(withView.counterRead.runTransfer(K40Parameters::forCall(1, 20, 2, 20, 5, 99)), -1);
    ASSERT_EQ(view.debugWindows.size(), 1u);
    EXPECT_EQ(view.debugWindows[0].first, (std::array<quint8, 6>{1, 20, 2, 20, 5, 99}));
    EXPECT_EQ(view.debugWindows[0].second, QStringLiteral("/dev/pts/9"));

    for (const int mode : {0, 2, 99})
        EXPECT_EQ(withView.counterRead.runTransfer(K40Parameters::forCall(mode, 20, 2, 20, 2, 0)), -1)
            << mode;
    EXPECT_EQ(view.progressShown, 0);
    EXPECT_EQ(view.debugWindows.size(), 1u);
    EXPECT_EQ(view.started, 0);
}

}  // namespace
