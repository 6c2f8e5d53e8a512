#include <gtest/gtest.h>

#include <set>

#include "core/tipparameters.h"

using namespace quorix;

TEST(TipParameters, TableCoversEveryFieldOnceWithItsDefaultInRange) {
    const TipParameters defaults;
    std::set<std::string_view> names;
    std::set<std::string_view> controls;
    for (const TipParameterInfo &info : tipParameterTable()) {
        EXPECT_TRUE(names.insert(info.name).second) << info.name;
        if (!info.control.empty()) {
            EXPECT_TRUE(controls.insert(info.control).second) << info.control;
        }
        EXPECT_EQ(findTipParameter(info.name), &info);
        const int v = info.get(defaults);
        EXPECT_GE(v, info.minimum) << info.name;
        EXPECT_LE(v, info.maximum) << info.name;
    }
    // 15 + 20 + 10 + 3 + 3 fields on the five pages, plus tipCount.
    EXPECT_EQ(names.size(), 52u);
}

TEST(TipParameters, SetByName) {
    struct Case {
        const char *name;
        const char *text;
        bool ok;
    };
    const Case cases[] = {
        {"preferFrequent", "on", true},
        {"noRunsOfThree", "off", true},
        {"crossSumMin", "21", true},
        {"crossSumMax", "279", true},
        {"maxRunsThousands", "30000", true},
        {"crossSumMin", "20", false},
        {"maxRunsThousands", "30001", false},
        {"preferFrequent", "yes", false},
        {"preferFrequent", "1", false},
        {"tipCount", "1", false},
        {"tipCount", "7x", false},
        {"tipCount", "", false},
        {"longDraws", "-4", false},
        {"noSuchField", "1", false},
        {"pastWinHits", " 5", false},
    };
    for (const Case &c : cases) {
        TipParameters p;
        const TipParameters before = p;
        const Result<void> r = setTipParameter(p, c.name, c.text);
        EXPECT_EQ(r.ok(), c.ok) << c.name << '=' << c.text;
        if (!c.ok) {
            EXPECT_EQ(r.error().code, Error::Code::BadArgument);
            EXPECT_EQ(p, before);
        } else {
            EXPECT_EQ(tipParameterText(p, *findTipParameter(c.name)), c.text);
        }
    }
}
