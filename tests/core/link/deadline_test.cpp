// The read deadline arithmetic on made-up clock values.
#include <gtest/gtest.h>

#include "link/deadline.h"

namespace brenvox {
namespace {

TEST(ReadDeadlineTest, TotalTimeOutCountsFromTheStart) {
    ReadDeadline d(1000, 200, 10);
    EXPECT_EQ(d.WaitMs(1000), 200);
    EXPECT_EQ(d.WaitMs(1150), 50);
    EXPECT_FALSE(d.Expired(1199));
    EXPECT_TRUE(d.Expired(1200));
    EXPECT_EQ(d.WaitMs(5000), 0);
}

TEST(ReadDeadlineTest, IntervalRunsOnlyAfterABytesAndRestartsWithEachByte) {
    ReadDeadline d(0, 200, 10);
    EXPECT_EQ(d.WaitMs(50), 150);  // no byte yet: only the total counts
    d.BytesArrived(50);
    EXPECT_EQ(d.WaitMs(50), 10);
    EXPECT_EQ(d.WaitMs(55), 5);
    d.BytesArrived(58);
    EXPECT_FALSE(d.Expired(67));
    EXPECT_TRUE(d.Expired(68));
}

TEST(ReadDeadlineTest, TotalStillEndsAReplyThatKeepsComing) {
    ReadDeadline d(0, 200, 10);
    for (int t = 0; t < 195; t += 5) d.BytesArrived(t);
    EXPECT_EQ(d.WaitMs(196), 4);
    d.BytesArrived(198);
    EXPECT_EQ(d.WaitMs(198), 2);
}

TEST(ReadDeadlineTest, ZeroTimeOutsAreNotUsed) {
    ReadDeadline none(0, 0, 0);
    EXPECT_EQ(none.WaitMs(1000000), -1);
    EXPECT_FALSE(none.Expired(1000000));
    ReadDeadline intervalOnly(0, 0, 10);
    EXPECT_EQ(intervalOnly.WaitMs(500), -1);
    intervalOnly.BytesArrived(500);
    EXPECT_EQ(intervalOnly.WaitMs(503), 7);
    ReadDeadline totalOnly(0, 100, 0);
    totalOnly.BytesArrived(10);
    EXPECT_EQ(totalOnly.WaitMs(10), 90);
}

TEST(ReadDeadlineTest, MonotonicClockNeverGoesBack) {
    const int64_t a = MonotonicMs();
    const int64_t b = MonotonicMs();
    EXPECT_GE(b, a);
}

}  // namespace
}  // namespace brenvox
