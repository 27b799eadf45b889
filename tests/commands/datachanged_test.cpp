// The views hear once of every command that changed the data set, and not at all of one that did not.
#include <functional>

#include "commandsfixture.h"

namespace {

TEST_F(CommandsTest, EveryCommandThatChangesTheDataTellsTheViewsOnce) {
    setReadings(1, {1.0f, 2.0f, 3.0f});
    setReadings(2, {4.0f});
    show(1);
    int told = 0;
    const auto subscription = data.changed.subscribe([&told] { ++told; });
    const auto typeReading = [this](int row, const QString& text, int key) {
        grid.select(row);
        commands.entry.GridKeyPress(text.left(1));
        grid.setEditorText(text);
        commands.entry.EditKeyCode(key);
    };
    const struct {
        const char* command;
        std::function<void()> run;
        int told;
    } commandsRun[] = {
        {"a reading appended with Enter", [&] { typeReading(4, QStringLiteral("5"), KeyCode::Enter); }, 1},
        {"a gap filled with Down", [&] { typeReading(7, QStringLiteral("8"), KeyCode::Down); }, 1},
        {"a refused reading",
         [&] {
             dialogs.expect(QStringLiteral("入力された値が正しくありません。(入力値：大)"));
             typeReading(2, QStringLiteral("9"), KeyCode::Enter);
         },
         0},
        {"an edit cancelled", [&] { typeReading(2, QStringLiteral("1.5"), KeyCode::Escape); }, 0},
        {"the next block", [&] { commands.blocks.NextBlock(); }, 1},
        {"the first block", [&] { commands.blocks.TopBlock(); }, 1},
        {"a drop inserted",
         [&] {
             grid.select(2);
             commands.blocks.InsertDrop();
             commands.entry.EditKeyCode(KeyCode::Escape);
         },
         1},
        {"a drop deleted",
         [&] {
             grid.select(2);
             dialogs.expect(QStringLiteral("2 回目のデータを削除してもよろしいですか？"), Answer::Yes);
             commands.blocks.DeleteDrop();
         },
         1},
        {"a delete answered No",
         [&] {
             dialogs.expect(QStringLiteral("2 回目のデータを削除してもよろしいですか？"), Answer::No);
             commands.blocks.DeleteDrop();
         },
         0},
        {"再計算", [&] { commands.blocks.Recalculate(); }, 1},
        {"データ補正", [&] { commands.files.correctReadings(); }, 1},
        {"the shown block removed",
         [&] {
             dialogs.expect(QStringLiteral("表示されているブロック(1)のデータをクリアしてもよろしいですか？"),
                            Answer::Yes);
             commands.blocks.ClearShownBlock();
         },
         1},
        {"新規作成",
         [&] {
             dialogs.expect(QStringLiteral("現在作業中のデータはクリアされますが、よろしいですか？"),
                            Answer::Yes);
             commands.blocks.NewData();
         },
         1},
        {"an insert refused on an empty block",
         [&] {
             dialogs.expect(QStringLiteral("データが読込まれていません。"));
             commands.blocks.InsertDrop();
         },
         0},
    };
    for (const auto& command : commandsRun) {
        told = 0;
        command.run();
        EXPECT_EQ(told, command.told) << command.command;
    }
}

}  // namespace
