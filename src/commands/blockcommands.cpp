#include "commands/blockcommands.h"

#include <algorithm>
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
    return !(data_.anyDrops() || data_.Modified) ||
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
    blankRowsFrom(data_.DropCount[block] + 1);
    grid_.showGrid();
}

// Nothing shows in a row without a drop, whatever an earlier block or an unfinished edit left there.
void BlockCommands::blankRowsFrom(int first) {
    for (int row = std::max(first, 1); row <= TestData::GridRows; ++row) {
        grid_.setCellText(row, 1, QString());
        grid_.setCellText(row, 2, QString());
    }
}

void BlockCommands::ClearText() {
    for (SurveyField field : AllFields) survey_.setFieldText(field, QString());
    survey_.setBlockNumberText(QString());
}

void BlockCommands::ClearMeasure(int block) {
    auto& measure = data_.Measure[block];
    for (int drop = 1; drop <= data_.DropCount[block]; ++drop) measure[drop] = 0.0f;
}

void BlockCommands::ClearAllData() {
    entry_.forgetEdit();
    survey_.setCaption(mainCaption());
    grid_.hideGrid();
    blankRowsFrom(1);
    grid_.showGrid();
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
    data_.Modified = false;
    survey_.focusSurveyName();
}

void BlockCommands::showEmptySurvey() {
    const QString defaultHeight = QStringLiteral("50cm");
    data_.DropHeight[data_.CurBlock] = defaultHeight;
    ClearText();
    survey_.setFieldText(SurveyField::DropHeight, defaultHeight);
    survey_.setBlockNumberText(QString::number(data_.CurBlock));
}

void BlockCommands::StoreBlockHeader() {
    storeSurveyTexts();
    // A box that holds no number keeps the block's previous number. The number is not saved in the
    // file, so storing it changes nothing to save.
    const QString number = survey_.blockNumberText();
    const double value = std::round(Format::valueOf(number));
    if (Format::isNumeric(number) && value >= -32768 && value <= 32767)
        data_.BlockNo[data_.CurBlock] = static_cast<qint16>(value);
}

void BlockCommands::storeSurveyTexts() {
    bool changed = false;
    for (SurveyField field : AllFields) {
        QString& stored = surveyText(data_, field, data_.CurBlock);
        const QString shown = survey_.fieldText(field);
        if (stored == shown) continue;
        stored = shown;
        changed = true;
    }
    if (!changed) return;
    data_.Modified = true;
    data_.changed.notify();
}

void BlockCommands::showBlock(int to) {
    const ChangeNotifier::Batch batch(data_.changed);
    data_.CurBlock = static_cast<qint16>(to);
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
    entry_.settle();
    const ChangeNotifier::Batch batch(data_.changed);
    StoreBlockHeader();
    showBlock(1);
}

void BlockCommands::EndBlock() {
    entry_.settle();
    const ChangeNotifier::Batch batch(data_.changed);
    StoreBlockHeader();
    showBlock(data_.BlockCount);
}

void BlockCommands::PrevBlock() {
    entry_.settle();
    const ChangeNotifier::Batch batch(data_.changed);
    StoreBlockHeader();
    if (data_.CurBlock == 1) {
        notice(QStringLiteral("これより前のブロックはありません。"), NoDataTitle);
        showBlock(1);
    } else {
        showBlock(data_.CurBlock - 1);
    }
}

void BlockCommands::NextBlock() {
    entry_.settle();
    const ChangeNotifier::Batch batch(data_.changed);
    StoreBlockHeader();
    if (data_.CurBlock < data_.BlockCount)
        showBlock(data_.CurBlock + 1);
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
    data_.Modified = true;
    data_.CurBlock = static_cast<qint16>(block);
    if (dialogs_.message(QStringLiteral("前ブロックの調査情報を引き継ぎますか？"), Buttons::YesNo,
                         QStringLiteral("調査情報の継承")) == Answer::Yes) {
        for (SurveyField field : AllFields) surveyText(data_, field, block) = surveyText(data_, field, from);
        data_.BlockNo[block] = data_.BlockNo[from];
    }
    showBlock(block);
}

void BlockCommands::JumpToTypedBlock() {
    entry_.settle();
    if (!data_.hasData()) {
        notice(QStringLiteral("データが読込まれていません。"), NoDataTitle);
        survey_.setBlockNumberText(QString::number(data_.CurBlock));
        return;
    }
    const ChangeNotifier::Batch batch(data_.changed);
    // The box holds the block to go to, not the number of the shown one: only the texts are stored.
    storeSurveyTexts();
    const double typed = Format::valueOf(survey_.blockNumberText());
    const int block = typed > data_.BlockCount ? data_.BlockCount
                      : typed < 1              ? 1
                                               : static_cast<int>(std::lround(typed));
    showBlock(block);
    survey_.setBlockNumberText(QString::number(data_.CurBlock));
}

void BlockCommands::InsertDrop() {
    entry_.settle();
    if (!requireData()) return;
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
        data_.Modified = true;
        data_.changed.notify();
    }
    entry_.MSFlexGridEdit(QStringLiteral(" "));
}

void BlockCommands::DeleteDrop() {
    entry_.settle();
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
    data_.Modified = true;
    data_.changed.notify();
}

void BlockCommands::ClearShownBlock() {
    entry_.settle();
    if (!requireData()) return;
    const QString question =
        QStringLiteral("表示されているブロック(%1)のデータをクリアしてもよろしいですか？");
    if (dialogs_.message(question.arg(data_.CurBlock), Buttons::YesNoDefaultNo,
                         QStringLiteral("データをクリア(１ブロック)")) != Answer::Yes)
        return;
    const ChangeNotifier::Batch batch(data_.changed);
    entry_.forgetEdit();
    const bool onlyBlock = data_.BlockCount == 1;
    if (onlyBlock) {
        data_.CurBlock = 1;
        ClearMeasure(1);
        data_.DropCount[1] = 0;
        StoreBlockHeader();
    } else {
        removeBlockAt(data_.CurBlock);
        if (data_.CurBlock > data_.BlockCount) data_.CurBlock = data_.BlockCount;
    }
    data_.Modified = true;
    ShowBlockAgain();
}

void BlockCommands::ShowBlockAgain() {
    DispData(data_.CurBlock);
    survey_.setBlockNumberText(QString::number(data_.CurBlock));
    grid_.refreshGrid();
    data_.changed.notify();
}

// Closes up the blocks after `block`: each takes the survey information and readings of the next. The
// slot freed at the end is emptied, so that a block added there later starts empty.
void BlockCommands::removeBlockAt(int block) {
    for (int k = block; k < data_.BlockCount; ++k) {
        for (SurveyField field : AllFields) surveyText(data_, field, k) = surveyText(data_, field, k + 1);
        for (int drop = 1; drop <= data_.DropCount[k + 1]; ++drop)
            data_.Measure[k][drop] = data_.Measure[k + 1][drop];
        data_.DropCount[k] = data_.DropCount[k + 1];
    }
    const int freed = data_.BlockCount;
    for (SurveyField field : AllFields) surveyText(data_, field, freed).clear();
    data_.BlockNo[freed] = 0;
    ClearMeasure(freed);
    data_.DropCount[freed] = 0;
    --data_.BlockCount;
}

void BlockCommands::ClearAllBlocks() {
    entry_.settle();
    if (!requireData()) return;
    if (dialogs_.message(QStringLiteral("すべてのブロックのデータをクリアしてもよろしいですか？"),
                         Buttons::YesNoDefaultNo,
                         QStringLiteral("データをクリア(全ブロック)")) != Answer::Yes)
        return;
    const ChangeNotifier::Batch batch(data_.changed);
    ClearAllData();
    showEmptySurvey();
    data_.Modified = true;
}

void BlockCommands::NewData() {
    entry_.settle();
    if (!mayDiscardData()) return;
    const ChangeNotifier::Batch batch(data_.changed);
    ++data_.Generation;
    emptyDataSet();
    showEmptySurvey();
}

void BlockCommands::Recalculate() {
    entry_.settle();
    if (!requireData()) return;
    entry_.RefreshGrid();
    data_.changed.notify();
}
