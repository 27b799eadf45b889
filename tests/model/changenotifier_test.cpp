#include "model/changenotifier.h"

#include <gtest/gtest.h>

#include "model/testdata.h"

namespace {

TEST(ChangeNotifier, BatchesTellOnceAndSubscribersStayWithTheirDataSet) {
    TestData data;
    int told = 0;
    {
        const auto subscription = data.changed.subscribe([&told] { ++told; });
        data.changed.notify();
        EXPECT_EQ(told, 1);
        {
            const ChangeNotifier::Batch outer(data.changed);
            {
                const ChangeNotifier::Batch inner(data.changed);
                data.changed.notify();
                data.changed.notify();
            }
            EXPECT_EQ(told, 1) << "told before the outermost batch ended";
        }
        EXPECT_EQ(told, 2);
        { const ChangeNotifier::Batch unchanged(data.changed); }
        EXPECT_EQ(told, 2) << "told of a batch without changes";

        // A copy is a snapshot of the data; a data set given another's data keeps its own views.
        TestData copy = data;
        copy.changed.notify();
        EXPECT_EQ(told, 2);
        data = copy;
        data.changed.notify();
        EXPECT_EQ(told, 3);
    }
    data.changed.notify();
    EXPECT_EQ(told, 3) << "told after the subscription ended";
}

}  // namespace
