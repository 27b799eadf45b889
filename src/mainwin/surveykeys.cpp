#include "mainwin/surveykeys.h"

#include <QComboBox>
#include <QDate>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

#include "commands/gridview.h"
#include "platform/dialogs.h"

namespace {

bool contains(const std::vector<int>& keys, int key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

void fillIfEmpty(QLineEdit& field, const QString& text) {
    if (field.text().isEmpty()) field.setText(text);
}

void fillIfEmpty(QComboBox& list, const QString& text) {
    if (list.currentText().isEmpty()) list.setEditText(text);
}

// Keys a list field takes besides Enter and the arrows: modifiers, focus movement and opening the list.
bool leavesListAlone(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_F4:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down: return true;
        default: return false;
    }
}

}  // namespace

SurveyKeys::SurveyKeys(const SurveyWidgets& fields, GridView& grid, Dialogs& dialogs,
                       std::function<int()> currentBlock, QObject* parent)
    : QObject(parent),
      fields_(fields),
      grid_(grid),
      dialogs_(dialogs),
      currentBlock_(std::move(currentBlock)) {
    const std::vector<int> downOrEnter{Qt::Key_Down, Qt::Key_Return, Qt::Key_Enter};
    const std::vector<int> rightOrEnter{Qt::Key_Right, Qt::Key_Return, Qt::Key_Enter};
    const std::vector<int> up{Qt::Key_Up};
    const std::vector<int> left{Qt::Key_Left};
    const SurveyWidgets& f = fields_;
    routes_ = {
        {f.surveyName, downOrEnter, [this] { moveTo(fields_.testerName); }, {}, nullptr},
        {f.testerName, downOrEnter, [this] { moveTo(fields_.testPlace); }, up, f.surveyName},
        {f.testPlace, downOrEnter, [this] { moveTo(fields_.dropHeight); }, up, f.testerName},
        {f.dropHeight, rightOrEnter,
         [this] {
             fillIfEmpty(*fields_.pointNo, QString::number(currentBlock_()));
             moveTo(fields_.pointNo);
         },
         left, f.testPlace},
        {f.pointNo, downOrEnter,
         [this] {
             fillIfEmpty(*fields_.year, QDate::currentDate().toString(QStringLiteral("yyyy")));
             moveTo(fields_.year);
         },
         left, f.dropHeight},
        {f.year, downOrEnter,
         [this] {
             fillIfEmpty(*fields_.month, QDate::currentDate().toString(QStringLiteral("MM")));
             moveTo(fields_.month);
         },
         up, f.pointNo},
        {f.month, rightOrEnter,
         [this] {
             fillIfEmpty(*fields_.day, QDate::currentDate().toString(QStringLiteral("dd")));
             moveTo(fields_.day);
         },
         left, f.year},
        {f.day, rightOrEnter,
         [this] {
             grid_.focusGrid();
             grid_.setCurrentRow(1);
             grid_.setCurrentColumn(1);
             grid_.scrollHome();
         },
         left, f.month},
    };
    for (const Route& route : routes_) route.field->installEventFilter(this);
}

bool SurveyKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    for (const Route& route : routes_)
        if (route.field == watched) return handleKey(route, static_cast<const QKeyEvent&>(*event));
    return false;
}

// Returns whether the key was used up here.
bool SurveyKeys::handleKey(const Route& route, const QKeyEvent& key) {
    if (contains(route.nextKeys, key.key())) {
        route.next();
        return true;
    }
    if (contains(route.previousKeys, key.key())) {
        moveTo(route.previous);
        return true;
    }
    if (auto* list = qobject_cast<QComboBox*>(route.field)) {
        if (!leavesListAlone(key)) {
            refuseTyping(*list);
            return true;
        }
    }
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

void SurveyKeys::refuseTyping(QComboBox& list) {
    list.lineEdit()->end(false);
    dialogs_.message(QStringLiteral("数値の入力はできません。数値を選択して下さい。"), Buttons::Ok);
}

void SurveyKeys::moveTo(QWidget* field) {
    field->setFocus(Qt::OtherFocusReason);
}
