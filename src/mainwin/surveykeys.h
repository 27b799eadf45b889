#pragma once

#include <QObject>
#include <functional>
#include <vector>

class Dialogs;
class GridView;
class QComboBox;
class QKeyEvent;
class QLineEdit;
class QWidget;

// The survey fields above the drop grid, in screen order.
struct SurveyWidgets {
    QLineEdit* surveyName;
    QLineEdit* testerName;
    QLineEdit* testPlace;
    QComboBox* dropHeight;
    QLineEdit* pointNo;
    QLineEdit* year;
    QComboBox* month;
    QComboBox* day;
};

// The keyboard path through the survey fields: Enter and the arrow keys move from field to field and
// on into the grid, empty number and date fields are filled on the way, and the three list fields take
// their values from their lists only.
class SurveyKeys : public QObject {
    Q_OBJECT

public:
    SurveyKeys(const SurveyWidgets& fields, GridView& grid, Dialogs& dialogs,
               std::function<int()> currentBlock, QObject* parent);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Route {
        QWidget* field;
        std::vector<int> nextKeys;
        std::function<void()> next;
        std::vector<int> previousKeys;
        QWidget* previous;
    };

    bool handleKey(const Route& route, const QKeyEvent& key);
    void refuseTyping(QComboBox& list);
    void moveTo(QWidget* field);

    SurveyWidgets fields_;
    GridView& grid_;
    Dialogs& dialogs_;
    std::function<int()> currentBlock_;
    std::vector<Route> routes_;
};
