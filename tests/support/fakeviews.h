#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <map>

#include "commands/counterreadview.h"
#include "commands/surveyview.h"
#include "platform/serialline.h"

// In-memory survey fields, block-number box and caption.
class FakeSurvey : public SurveyView {
public:
    QString fieldText(SurveyField field) const override {
        const auto found = fields.find(field);
        return found == fields.end() ? QString() : found->second;
    }
    void setFieldText(SurveyField field, const QString& text) override { fields[field] = text; }
    QString blockNumberText() const override { return blockNumber; }
    void setBlockNumberText(const QString& text) override { blockNumber = text; }
    void setCaption(const QString& text) override { caption = text; }
    void focusSurveyName() override {}

    std::map<SurveyField, QString> fields;
    QString blockNumber;
    QString caption;
};

// For commands tests that read no counter: any transfer window shown fails the test.
class NoCounterRead : public CounterReadView {
public:
    void readStarted() override { ADD_FAILURE() << "a counter read started"; }
    void readEnded(bool) override {}
    void showTransferProgress() override { ADD_FAILURE() << "a transfer started"; }
    void closeTransferProgress() override {}
    void showTransferWindow(const K40Parameters&, const QString&) override {
        ADD_FAILURE() << "the transfer window opened";
    }
};

// A serial line with no device behind it.
class NoSerialLine : public SerialLine {
public:
    std::optional<SerialOpenFailure> open(const QString&) override {
        return SerialOpenFailure{SerialOpenFailure::Reason::NotFound, QStringLiteral("No such device"), {}};
    }
    void close() override {}
    bool isOpen() const override { return false; }
    void write(const QByteArray&) override {}
    QByteArray readAll() override { return {}; }
};
