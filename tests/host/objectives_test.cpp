// The objective table: boxes, places, weights and the texts that are easy to
// get wrong.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "checklist/objectives.h"
#include "forms/number_text.h"

namespace {

long Hundredths(double value) {
    return std::lround(value * 100);
}

TEST(Objectives, EveryBoxOnceInReadingOrder) {
    const std::vector<int> order(ReadingOrder().begin(), ReadingOrder().end());
    EXPECT_EQ(order, (std::vector<int>{1, 2, 5, 4, 3, 10, 9, 8, 7, 6, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}));
    EXPECT_EQ(std::set<int>(order.begin(), order.end()).size(), 21u);

    const auto records = ObjectivesInReadingOrder();
    for (int i = 0; i < kObjectiveCount; ++i) {
        EXPECT_EQ(records[i].box, order[i]);
        EXPECT_EQ(&ObjectiveOfBox(order[i]), &records[i]);
    }
}

TEST(Objectives, PlacesFollowTheReadingOrder) {
    const auto records = ObjectivesInReadingOrder();
    for (int i = 0; i < kObjectiveCount; ++i) {
        const int page = i < 14 ? 1 : 2;
        const int row = i < 14 ? i + 1 : i - 13;
        EXPECT_EQ(records[i].page, page) << i;
        EXPECT_EQ(records[i].row, row) << i;
        EXPECT_EQ(ObjectiveAt(page, row), &records[i]);
    }
    for (int row = 8; row <= 14; ++row) EXPECT_EQ(ObjectiveAt(2, row), nullptr) << row;
    EXPECT_EQ(ObjectiveAt(1, 0), nullptr);
    EXPECT_EQ(ObjectiveAt(1, 15), nullptr);
    EXPECT_EQ(ObjectiveAt(0, 1), nullptr);
    EXPECT_EQ(ObjectiveAt(3, 1), nullptr);
    EXPECT_EQ(ObjectiveAt(1, 3)->box, 5);
    EXPECT_EQ(ObjectiveAt(1, 7)->box, 9);
    EXPECT_EQ(ObjectiveAt(2, 3)->box, 17);
}

TEST(Objectives, WeightsFollowTheBoxAndAddUpTo100Point02) {
    EXPECT_EQ(ObjectiveOfBox(1).weight, 60);
    EXPECT_EQ(ObjectiveOfBox(5).weight, 2);
    EXPECT_EQ(ObjectiveOfBox(9).weight, 1.67);
    EXPECT_EQ(ObjectiveOfBox(17).weight, 5);
    EXPECT_EQ(ObjectiveOfBox(13).weight, 1.25);
    EXPECT_EQ(ObjectiveOfBox(21).weight, 2.5);

    double all = 0, pageOne = 0, pageTwo = 0;
    for (const Objective& o : ObjectivesInReadingOrder()) {
        all += o.weight;
        (o.page == 1 ? pageOne : pageTwo) += o.weight;
    }
    EXPECT_EQ(Hundredths(all), 10002);
    EXPECT_EQ(Hundredths(pageOne), 8252);
    EXPECT_EQ(Hundredths(pageTwo), 1750);
}

TEST(Objectives, PercentageTextsStateTheWeight) {
    for (const Objective& o : ObjectivesInReadingOrder()) {
        const std::wstring_view english = o.english.percentage;
        const std::wstring_view turkish = o.turkish.percentage;
        ASSERT_TRUE(english.ends_with(L'%')) << o.box;
        ASSERT_TRUE(turkish.starts_with(L'%')) << o.box;
        EXPECT_EQ(forms::TextToNumber(english.substr(0, english.size() - 1), L'.'), o.weight) << o.box;
        EXPECT_EQ(forms::TextToNumber(turkish.substr(1), L'.'), o.weight) << o.box;
        EXPECT_EQ(english.find(L' '), std::wstring_view::npos) << o.box;
        EXPECT_EQ(turkish.find(L' '), std::wstring_view::npos) << o.box;
    }
}

TEST(Objectives, TextsThatAreEasyToGetWrong) {
    EXPECT_EQ(ObjectiveAt(2, 1)->english.objective, L"Beat computer/friend bowling (FULL GAME)");
    EXPECT_EQ(ObjectiveAt(2, 1)->turkish.objective, L"Bowlingde bilgisayarı/arkadaşını yen(TAM OYUN)");
    EXPECT_EQ(ObjectiveAt(2, 7)->english.objective, L"Complete all 50 unique stunts");
    EXPECT_EQ(ObjectiveAt(2, 7)->turkish.objective, L"50 tane akrobasi uçuşu yap.");
    EXPECT_EQ(ObjectiveAt(1, 7)->turkish.objective, L"Brucie - Özel Yetenek");
    EXPECT_EQ(kTurkishRow7DesignCaption, L"Brucie - Özel yetenek");
    EXPECT_EQ(ObjectiveAt(1, 8)->turkish.objective, L"Jacob - Özel yetenek");
    EXPECT_EQ(ObjectiveAt(1, 9)->turkish.objective, L"Packie - Özel yetenek");
    EXPECT_EQ(ObjectiveAt(1, 6)->english.objective, L"Complete all 30 car thefts for Stevie");
    EXPECT_EQ(ObjectiveAt(1, 6)->turkish.category, L"Araba Hırsızlığı");
    EXPECT_EQ(ObjectiveAt(2, 2)->english.objective, L"Get the high score in the Cub3d arcade game");
    EXPECT_EQ(ObjectiveAt(2, 4)->turkish.category, L"En Çok Aranan");
    EXPECT_EQ(ObjectiveAt(2, 5)->turkish.objective, L"Rastgele 20 suçluyu öldür");
    EXPECT_EQ(ObjectiveAt(2, 6)->english.objective, L"Kill all 200 Pigeons");
    EXPECT_EQ(ObjectiveAt(1, 13)->turkish.objective, L"Bilardoda bilgisayarı/arkadaşını yen");
    EXPECT_EQ(ObjectiveOfBox(1).Texts(Language::English).category, L"Missions");
    EXPECT_EQ(ObjectiveOfBox(1).Texts(Language::Turkish).category, L"Görev");
}

TEST(Objectives, NoTextHasStrayBlanks) {
    for (const Objective& o : ObjectivesInReadingOrder()) {
        for (const ObjectiveTexts* t : {&o.english, &o.turkish}) {
            for (std::wstring_view text : {t->category, t->objective, t->percentage}) {
                ASSERT_FALSE(text.empty()) << o.box;
                EXPECT_NE(text.front(), L' ') << o.box;
                EXPECT_NE(text.back(), L' ') << o.box;
                EXPECT_EQ(text.find(L"  "), std::wstring_view::npos) << o.box;
            }
        }
    }
}

}  // namespace
