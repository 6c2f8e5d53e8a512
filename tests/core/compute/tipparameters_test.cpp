#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/compute/tipparameters.h"

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

TEST(TipParameters, ControlsAndSettingsNamesFollowTheStore) {
    std::set<std::string_view> settingsNames;
    std::set<std::string_view> relaxed;
    for (const TipParameterInfo &info : tipParameterTable()) {
        SCOPED_TRACE(std::string(info.name));
        EXPECT_TRUE(settingsNames.insert(info.settingsName).second);
        EXPECT_FALSE(info.control.empty());
        if (info.isFlag()) {
            // The store spells its check-box values "Chekcbox" with the box's number.
            ASSERT_TRUE(info.control.starts_with("CheckBox"));
            EXPECT_EQ(std::string(info.settingsName), "Chekcbox" + std::string(info.control.substr(8)));
            EXPECT_FALSE(info.caption.empty());
            EXPECT_TRUE(info.spinner.empty());
        } else if (!info.spinner.empty()) {
            EXPECT_TRUE(info.control.starts_with("Edit"));
            EXPECT_TRUE(info.spinner.starts_with("UpDown"));
            EXPECT_EQ(info.settingsName, info.spinner);
            EXPECT_GE(info.step, 1);
        } else {
            EXPECT_TRUE(info.control.starts_with("RadioGroup"));
            EXPECT_EQ(info.settingsName, info.control);
        }
        if (info.relaxed) relaxed.insert(info.name);
    }
    EXPECT_EQ(relaxed, (std::set<std::string_view>{"forcePair", "pastWinHits", "maxFromLastDraw",
                                                   "maxFromPreviousDraw"}));
    std::vector<std::string_view> inOrder;
    for (const TipParameterInfo *info : relaxedParameters())
        inOrder.push_back(info->name);
    EXPECT_EQ(inOrder, (std::vector<std::string_view>{"forcePair", "pastWinHits", "maxFromLastDraw",
                                                      "maxFromPreviousDraw"}));
    EXPECT_EQ(findTipParameter("tipCount")->step, 2);
    EXPECT_EQ(findTipParameter("jokerOption")->defaultValue(), 3);
    EXPECT_EQ(findTipParameter("preferRare")->defaultValue(), 1);

    // copy moves one field and nothing else.
    TipParameters from;
    from.forcePair = true;
    from.pastWinHits = 6;
    TipParameters to;
    findTipParameter("pastWinHits")->copy(from, to);
    EXPECT_EQ(to.pastWinHits, 6);
    EXPECT_FALSE(to.forcePair);
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
