// The objective table: its order, its weights and the texts easy to get wrong.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "checklist/objectives.h"
#include "forms/number_text.h"

namespace {

TEST(Objectives, EveryBoxOnceInReadingOrderAndInItsPlace) {
    std::vector<int> order;
    for (const Objective& o : kObjectives) order.push_back(o.box);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 5, 4, 3, 10, 9, 8, 7, 6, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}));
    EXPECT_EQ(std::set<int>(order.begin(), order.end()).size(), 21u);
    const auto& records = kObjectives;
    for (int i = 0; i < kObjectiveCount; ++i) {
        EXPECT_EQ(&ObjectiveOfBox(order[i]), &records[i]) << i;
        EXPECT_EQ(ObjectiveAt(i < 14 ? 1 : 2, i < 14 ? i + 1 : i - 13), &records[i]) << i;
    }
    EXPECT_EQ(ObjectiveAt(2, 8), nullptr);  // page 2 leaves rows 8 to 14 empty
}

TEST(Objectives, WeightsAddUpTo100Point02) {
    long all = 0, pageOne = 0;
    for (const Objective& o : kObjectives) {
        const long hundredths = std::lround(o.weight * 100);
        all += hundredths;
        if (o.page == 1) pageOne += hundredths;
    }
    EXPECT_EQ(all, 10002);
    EXPECT_EQ(pageOne, 8252);
    EXPECT_EQ(all - pageOne, 1750);
}

TEST(Objectives, PercentageTextsStateTheWeight) {
    for (const Objective& o : kObjectives) {
        const std::wstring_view english = o.english.percentage, turkish = o.turkish.percentage;
        ASSERT_TRUE(english.ends_with(L'%') && turkish.starts_with(L'%')) << o.box;
        EXPECT_EQ(forms::TextToNumber(english.substr(0, english.size() - 1), L'.'), o.weight) << o.box;
        EXPECT_EQ(forms::TextToNumber(turkish.substr(1), L'.'), o.weight) << o.box;
    }
}

TEST(Objectives, TextsThatAreEasyToGetWrong) {
    EXPECT_EQ(ObjectiveOfBox(10).english.objective, L"Complete all 30 car thefts for Stevie");
    EXPECT_EQ(ObjectiveOfBox(15).turkish.objective, L"Bowlingde bilgisayarı/arkadaşını yen(TAM OYUN)");
    EXPECT_EQ(ObjectiveOfBox(9).turkish.objective, L"Brucie - Özel Yetenek");
    EXPECT_EQ(ObjectiveOfBox(8).turkish.objective, L"Jacob - Özel yetenek");
    EXPECT_EQ(ObjectiveOfBox(21).turkish.objective, L"50 tane akrobasi uçuşu yap.");
}

}  // namespace
