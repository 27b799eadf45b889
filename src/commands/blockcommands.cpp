#include "commands/blockcommands.h"

#include <array>
#include <cmath>

#include "commands/gridview.h"
#include "commands/readingentry.h"
#include "commands/surveyview.h"
#include "model/format.h"
#include "model/testdata.h"
#include "platform/dialogs.h"

namespace {

constexpr std::array AllFields{SurveyField::SurveyName, SurveyField::TesterName, SurveyField::TestPlace,
                               SurveyField::DropHeight, SurveyField::PointNo,    SurveyField::TestYear,
                               SurveyField::TestMonth,  SurveyField::TestDay};

QString& surveyText(TestData& data, SurveyField field, int block) {
    switch (field) {
        case SurveyField::SurveyName: return data.SurveyName[block];
        case SurveyField::TesterName: return data.TesterName[block];
        case SurveyField::TestPlace: return data.TestPlace[block];
        case SurveyField::DropHeight: return data.DropHeight[block];
        case SurveyField::PointNo: return data.PointNo[block];
        case SurveyField::TestYear: return data.TestYear[block];
        case SurveyField::TestMonth: return data.TestMonth[block];
        case SurveyField::TestDay: return data.TestDay[block];
    }
    return data.SurveyName[block];
}

const QString NoDataTitle = QStringLiteral("データなし");

}  // namespace

BlockCommands::BlockCommands(TestData& data, GridView& grid, SurveyView& survey, ReadingEntry& entry,
                             Dialogs& dialogs)
    : data_(data), grid_(grid), survey_(survey), entry_(entry), dialogs_(dialogs) {}

void BlockCommands::notice(const QString& text, const QString& title) {
    dialogs_.message(text, Buttons::CancelRetryContinue, title);
}

bool BlockCommands::requireData() {
    if (data_.hasData()) return true;
    notice(QStringLiteral("データが読込まれていません。"), NoDataTitle);
    return false;
}

bool BlockCommands::mayDiscardData() {
    return !data_.hasData() ||
           dialogs_.message(QStringLiteral("現在作業中のデータはクリアされますが、よろしいですか？"),
                            Buttons::YesNoDefaultNo, QStringLiteral("データ読込みの確認")) == Answer::Yes;
}

void BlockCommands::DispData(int block) {
    // An edit left open belongs to the block on screen before; it must not land in this one.
    entry_.CancelEdit();
    for (SurveyField field : AllFields) survey_.setFieldText(field, surveyText(data_, field, block));
    survey_.setBlockNumberText(QString::number(data_.BlockNo[block]));
    grid_.hideGrid();
    for (int row = 1; row <= data_.DropCount[block]; ++row) showDrop(grid_, data_, block, row);
    grid_.showGrid();
}

void BlockCommands::ClearText() {
    for (SurveyField field : AllFields) survey_.setFieldText(field, QString());
    survey_.setBlockNumberText(QString());
}

void BlockCommands::CelClear(int count) {
    grid_.hideGrid();
    for (int row = 1; row <= count; ++row) {
        grid_.setCellText(row, 1, QString());
        grid_.setCellText(row, 2, QString());
    }
    grid_.showGrid();
}

void BlockCommands::ClearMeasure(int block) {
    auto& measure = data_.Measure[block];
    for (int drop = 1; drop <= data_.DropCount[block]; ++drop) measure[drop] = 0.0f;
}

void BlockCommands::ClearAllData() {
    entry_.forgetEdit();
    survey_.setCaption(mainCaption());
    CelClear(data_.DropCount[data_.CurBlock]);
    data_.emptyBlocks();
    survey_.setBlockNumberText(QStringLiteral("1"));
    grid_.setCurrentRow(1);
    entry_.setCurRow(1);
    grid_.refreshGrid();
    grid_.focusGrid();
    data_.changed.notify();
}

void BlockCommands::emptyDataSet() {
    const ChangeNotifier::Batch batch(data_.changed);
    ClearAllData();
    data_.BlockCount = 1;
    data_.DataFileName.clear();
    survey_.focusSurveyName();
}

void BlockCommands::StoreBlockHeader() {
    const int block = data_.CurBlock;
    bool changed = false;
    const auto store = [&changed](auto& stored, auto value) {
        changed = changed || stored != value;
        stored = value;
    };
    for (SurveyField field : AllFields) store(surveyText(data_, field, block), survey_.fieldText(field));
    // A box that holds no number keeps the block's previous number.
    const QString number = survey_.blockNumberText();
    const double value = std::round(Format::valueOf(number));
    if (Format::isNumeric(number) && value >= -32768 && value <= 32767)
        store(data_.BlockNo[block], static_cast<qint16>(value));
    if (changed) data_.changed.notify();
}

void BlockCommands::showBlock(int from, int to) {
    const ChangeNotifier::Batch batch(data_.changed);
    data_.CurBlock = static_cast<qint16>(to);
    if (data_.DropCount[from] >= data_.DropCount[to]) CelClear(data_.DropCount[from]);
    ShowBlockFromStart();
}

void BlockCommands::ShowBlockFromStart() {
    DispData(data_.CurBlock);
    survey_.setBlockNumberText(QString::number(data_.CurBlock));
    grid_.setCurrentRow(1);
    entry_.setCurRow(1);
    grid_.refreshGrid();
    grid_.focusGrid();
    grid_.scrollHome();
    data_.changed.notify();
}

void BlockCommands::TopBlock() {
    const ChangeNotifier::Batch batch(data_.changed);
    StoreBlockHeader();
    showBlock(data_.CurBlock, 1);
}

void BlockCommands::EndBlock() {
    const ChangeNotifier::Batch batch(data_.changed);
    StoreBlockHeader();
    showBlock(data_.CurBlock, data_.BlockCount);
}

void BlockCommands::PrevBlock() {
    const ChangeNotifier::Batch batch(data_.changed);
    StoreBlockHeader();
    if (data_.CurBlock == 1) {
        notice(QStringLiteral("これより前のブロックはありません。"), NoDataTitle);
        showBlock(1, 1);
    } else {
        showBlock(data_.CurBlock, data_.CurBlock - 1);
    }
}

void BlockCommands::NextBlock() {
    const ChangeNotifier::Batch batch(data_.changed);
    StoreBlockHeader();
    if (data_.CurBlock < data_.BlockCount)
        showBlock(data_.CurBlock, data_.CurBlock + 1);
    else
        appendBlock();
}

void BlockCommands::appendBlock() {
    const QString title = QStringLiteral("ブロック追加");
    if (data_.BlockCount >= TestData::MaxBlocks) {
        notice(QStringLiteral(
                   "これより先のブロックはありません。これ以上ブロックを追加できません。(最大100ブロック)"),
               title);
        return;
    }
    if (dialogs_.message(QStringLiteral("これより先のブロックはありません。追加しますか？"), Buttons::YesNo,
                         title) != Answer::Yes)
        return;
    const ChangeNotifier::Batch batch(data_.changed);
    const int from = data_.CurBlock;
    const int block = ++data_.BlockCount;
    data_.DropCount[block] = 0;
    data_.CurBlock = static_cast<qint16>(block);
    if (dialogs_.message(QStringLiteral("前ブロックの調査情報を引き継ぎますか？"), Buttons::YesNo,
                         QStringLiteral("調査情報の継承")) == Answer::Yes) {
        for (SurveyField field : AllFields) surveyText(data_, field, block) = surveyText(data_, field, from);
        data_.BlockNo[block] = data_.BlockNo[from];
    }
    showBlock(from, block);
}

void BlockCommands::JumpToTypedBlock() {
    if (!data_.hasData()) {
        notice(QStringLiteral("データが読込まれていません。"), NoDataTitle);
        survey_.setBlockNumberText(QStringLiteral("1"));
        return;
    }
    const double typed = Format::valueOf(survey_.blockNumberText());
    const int block = typed > data_.BlockCount ? data_.BlockCount
                      : typed < 1              ? 1
                                               : static_cast<int>(std::lround(typed));
    showBlock(data_.CurBlock, block);
    survey_.setBlockNumberText(QString::number(data_.CurBlock));
}

void BlockCommands::InsertDrop() {
    if (!requireData()) return;
    // A value typed before is dropped: the rows are about to move under it.
    entry_.CancelEdit();
    auto& measure = data_.Measure[data_.CurBlock];
    qint16& count = data_.DropCount[data_.CurBlock];
    if (count >= TestData::GridRows) {
        notice(QStringLiteral("これ以上データを挿入できません。(最大500回)"), QStringLiteral("データを挿入"));
        return;
    }
    const int row = grid_.currentRow();
    entry_.beginInsert(row);
    if (row <= count) {
        // The new row starts as a copy of the reading above it (penetration 0) until its value is typed.
        grid_.hideGrid();
        for (int i = count + 1; i >= row; --i) {
            measure[i] = measure[i - 1];
            grid_.setCellText(i, 1, Format::display(measure[i]));
        }
        grid_.showGrid();
        grid_.setCellText(row, 1, QString());
        ++count;
        data_.changed.notify();
    }
    entry_.MSFlexGridEdit(QStringLiteral(" "));
}

void BlockCommands::DeleteDrop() {
    // A value typed before is dropped: committed after the delete it would land on the next drop.
    entry_.CancelEdit();
    const int row = grid_.currentRow();
    entry_.setCurRow(row);
    if (!requireData()) return;
    const QString title = QStringLiteral("データを削除");
    auto& measure = data_.Measure[data_.CurBlock];
    qint16& count = data_.DropCount[data_.CurBlock];
    if (row > count) {
        notice(QStringLiteral("削除するデータ(計測値)をクリックしてください。"), title);
        return;
    }
    if (dialogs_.message(QString::number(row) + QStringLiteral(" 回目のデータを削除してもよろしいですか？"),
                         Buttons::YesNoDefaultNo, title) != Answer::Yes)
        return;
    grid_.hideGrid();
    for (int i = row; i <= count; ++i) {
        measure[i] = measure[i + 1];
        showDrop(grid_, data_, data_.CurBlock, i);
    }
    grid_.setCellText(count, 1, QString());
    grid_.setCellText(count, 2, QString());
    grid_.showGrid();
    const bool wasLast = row == count;
    --count;
    grid_.setCurrentRow(wasLast && row != 1 ? row - 1 : row);
    grid_.focusGrid();
    grid_.scrollHome();
    data_.changed.notify();
}

void BlockCommands::ClearShownBlock() {
    if (!requireData()) return;
    const QString question =
        QStringLiteral("表示されているブロック(%1)のデータをクリアしてもよろしいですか？");
    if (dialogs_.message(question.arg(data_.CurBlock), Buttons::YesNoDefaultNo,
                         QStringLiteral("データをクリア(１ブロック)")) != Answer::Yes)
        return;
    const ChangeNotifier::Batch batch(data_.changed);
    entry_.forgetEdit();
    CelClear(data_.DropCount[data_.CurBlock]);
    const bool onlyBlock = data_.BlockCount == 1;
    if (onlyBlock) {
        data_.CurBlock = 1;
        ClearMeasure(1);
        data_.DropCount[1] = 0;
        StoreBlockHeader();
    } else if (data_.CurBlock == data_.BlockCount) {
        ClearMeasure(data_.CurBlock);
        data_.DropCount[data_.CurBlock] = 0;
        --data_.CurBlock;
        --data_.BlockCount;
    } else {
        removeBlockAt(data_.CurBlock);
    }
    ShowBlockAgain();
}

void BlockCommands::ShowBlockAgain() {
    DispData(data_.CurBlock);
    survey_.setBlockNumberText(QString::number(data_.CurBlock));
    grid_.refreshGrid();
    data_.changed.notify();
}

// Closes up the blocks after `block`: each takes the survey information and readings of the next.
void BlockCommands::removeBlockAt(int block) {
    for (int k = block; k < data_.BlockCount; ++k) {
        for (SurveyField field : AllFields) surveyText(data_, field, k) = surveyText(data_, field, k + 1);
        for (int drop = 1; drop <= data_.DropCount[k + 1]; ++drop)
            data_.Measure[k][drop] = data_.Measure[k + 1][drop];
        data_.DropCount[k] = data_.DropCount[k + 1];
    }
    ClearMeasure(data_.BlockCount);
    data_.DropCount[data_.BlockCount] = 0;
    --data_.BlockCount;
}

void BlockCommands::ClearAllBlocks() {
    if (!requireData()) return;
    if (dialogs_.message(QStringLiteral("すべてのブロックのデータをクリアしてもよろしいですか？"),
                         Buttons::YesNoDefaultNo,
                         QStringLiteral("データをクリア(全ブロック)")) == Answer::Yes)
        ClearAllData();
}

void BlockCommands::NewData() {
    if (!mayDiscardData()) return;
    ClearText();
    emptyDataSet();
}

void BlockCommands::Recalculate() {
    if (!requireData()) return;
    entry_.RefreshGrid();
    data_.changed.notify();
}
