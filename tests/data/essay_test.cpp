// The word-frequency reader takes frequencies with a range check.
#include "data/sources.h"

#include <gtest/gtest.h>

using namespace datagen;

TEST(Essay, FrequenciesAreClampedOrLeftOutAndSumsDoNotRunOver)
{
    const Essay essay = parseEssay(QStringLiteral("中国\t5000000000000000000\n"
                                                  "中国\t5000000000000000000\n"
                                                  "人\t99999999999999999999999\n"
                                                  "国\t-5\n"
                                                  "国\t12x\n"
                                                  "国\t\n"
                                                  "大\t 7 \n")
                                       .toUtf8(),
                                   {});
    ASSERT_EQ(essay.words.size(), 1);
    EXPECT_EQ(essay.words.front().text, QStringLiteral("中国"));
    EXPECT_EQ(essay.words.front().frequency, 2 * kMaxFrequency);
    EXPECT_EQ(essay.characterFrequency.value(QStringLiteral("国")), 2 * kMaxFrequency);
    EXPECT_EQ(essay.characterFrequency.value(QStringLiteral("人")), kMaxFrequency);
    EXPECT_EQ(essay.characterFrequency.value(QStringLiteral("大")), 7);
}
