#include "FloatText.h"

#include <gtest/gtest.h>

using namespace rundaro;

TEST(ParseFloatText, ReadsWhatTheEditorAccepts)
{
    struct Case
    {
        std::u16string_view text;
        Real expected;
    };
    const Case cases[] = {
        {u"1,5", 1.5L},   {u"  -1,5  ", -1.5L}, {u"+7", 7},  {u",", 0},   {u"-,", 0},
        {u",5", 0.5L},    {u"5,", 5},           {u"1e", 1},  {u"1e-", 1}, {u"1e5", 100000},
        {u"15e-1", 1.5L}, {u"2E+2", 200},       {u"0,0", 0}, {u"-0", 0},  {u"1e-99999", 0},
    };
    for (const auto &c : cases) {
        const auto v = ParseFloatText(c.text, u',');
        ASSERT_TRUE(v.has_value()) << std::string(c.text.begin(), c.text.end());
        EXPECT_EQ(*v, c.expected) << std::string(c.text.begin(), c.text.end());
    }
}

TEST(ParseFloatText, RefusesEverythingElse)
{
    const std::u16string_view bad[] = {
        u"",     u" ",   u"-",   u"+",    u"e", u"E",       u"e5",   u"1.5",
        u"1,5,", u"1 5", u"--1", u"1e5e", u"x", u"1e99999", u"1,5a", u"\u00a01",
    };
    for (auto text : bad)
        EXPECT_FALSE(ParseFloatText(text, u',').has_value()) << std::string(text.begin(), text.end());
}

TEST(ParseFloatText, UsesTheGivenSeparator)
{
    EXPECT_EQ(ParseFloatText(u"2.25", u'.').value(), 2.25L);
    EXPECT_FALSE(ParseFloatText(u"2,25", u'.').has_value());
}
