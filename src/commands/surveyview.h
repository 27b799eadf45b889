#pragma once

#include <QString>

// The eight survey fields above the drop grid, in screen order.
enum class SurveyField {
    SurveyName,
    TesterName,
    TestPlace,
    DropHeight,
    PointNo,
    TestYear,
    TestMonth,
    TestDay
};

// The survey fields, the block-number box and the caption of the main window, as the commands see them.
class SurveyView {
public:
    virtual ~SurveyView() = default;

    virtual QString fieldText(SurveyField field) const = 0;
    virtual void setFieldText(SurveyField field, const QString& text) = 0;

    // The block-number box `txtCBlock`.
    virtual QString blockNumberText() const = 0;
    virtual void setBlockNumberText(const QString& text) = 0;

    virtual void setCaption(const QString& caption) = 0;
    virtual void focusSurveyName() = 0;
};

// The main window's caption, and with a data file its name in brackets.
inline QString mainCaption() {
    return QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･ﾒｲﾝﾌﾚｰﾑ");
}
inline QString mainCaption(const QString& file) {
    return mainCaption() + QStringLiteral(" [") + file + QLatin1Char(']');
}
