// The read deadline arithmetic on made-up clock values (microseconds; time-outs in ms).
#include "link/deadline.h"

#include <gtest/gtest.h>

namespace brenvox {
namespace {

constexpr int64_t ms = 1000;

TEST(ReadDeadlineTest, TotalTimeOutCountsFromTheStart) {
    ReadDeadline d(1000 * ms, 200, 10);
    EXPECT_EQ(d.WaitUs(1000 * ms), 200 * ms);
    EXPECT_EQ(d.WaitUs(1150 * ms + 1), 50 * ms - 1);
    EXPECT_FALSE(d.Expired(1200 * ms - 1));
    EXPECT_TRUE(d.Expired(1200 * ms));
    EXPECT_EQ(d.WaitUs(5000 * ms), 0);
}

TEST(ReadDeadlineTest, IntervalRunsOnlyAfterAByteAndRestartsWithEachByte) {
    ReadDeadline d(0, 200, 10);
    EXPECT_EQ(d.WaitUs(50 * ms), 150 * ms);  // no byte yet: only the total counts
    d.BytesArrived(50 * ms + 300);
    EXPECT_EQ(d.WaitUs(50 * ms + 300), 10 * ms);
    EXPECT_EQ(d.WaitUs(55 * ms + 300), 5 * ms);
    d.BytesArrived(58 * ms);
    EXPECT_FALSE(d.Expired(68 * ms - 1));
    EXPECT_TRUE(d.Expired(68 * ms));
}

TEST(ReadDeadlineTest, TotalStillEndsAReplyThatKeepsComing) {
    ReadDeadline d(0, 200, 10);
    for (int64_t t = 0; t < 195 * ms; t += 5 * ms) d.BytesArrived(t);
    EXPECT_EQ(d.WaitUs(196 * ms), 4 * ms);
    d.BytesArrived(198 * ms);
    EXPECT_EQ(d.WaitUs(198 * ms), 2 * ms);
}

TEST(ReadDeadlineTest, ZeroTimeOutsAreNotUsed) {
    ReadDeadline none(0, 0, 0);
    EXPECT_EQ(none.WaitUs(1000000 * ms), -1);
    EXPECT_FALSE(none.Expired(1000000 * ms));
    ReadDeadline intervalOnly(0, 0, 10);
    EXPECT_EQ(intervalOnly.WaitUs(500 * ms), -1);
    intervalOnly.BytesArrived(500 * ms);
    EXPECT_EQ(intervalOnly.WaitUs(503 * ms), 7 * ms);
    ReadDeadline totalOnly(0, 100, 0);
    totalOnly.BytesArrived(10 * ms);
    EXPECT_EQ(totalOnly.WaitUs(10 * ms), 90 * ms);
}

TEST(ReadDeadlineTest, LongTimeOutsDoNotOverflow) {
    ReadDeadline d(0, INT32_MAX, 0);
    EXPECT_EQ(d.WaitUs(0), int64_t{INT32_MAX} * ms);
}

TEST(ReadDeadlineTest, ClocksAgree) {
    const int64_t us = MonotonicUs();
    const int64_t msNow = MonotonicMs();
    EXPECT_GE(msNow, us / 1000);
    EXPECT_GE(MonotonicUs(), us);
}

}  // namespace
}  // namespace brenvox
