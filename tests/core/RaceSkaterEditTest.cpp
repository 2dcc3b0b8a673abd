#include "RaceSkaterEdit.h"

#include <gtest/gtest.h>

using namespace rundaro;

// A name corrected in a race file's text: the `Läufer` value changes (or its
// line is added to a file written before races were named) and every other
// byte stays, the byte order mark and the file's own line ends included.
TEST(RaceSkaterEdit, OnlyTheNameChanges)
{
    const std::string rows = "\r\nRunden;Zeit\r\n1;2,50\r\n";
    struct Case
    {
        std::string text;
        const char *name;
        std::string expected; // empty: refused, the text stays
    };
    const Case cases[] = {
        {"\xEF\xBB\xBF"
         "Datum;08.05.2024\r\nStatus;beendet\r\nLäufer;Anna\r\n"
             + rows,
         "Jan",
         "\xEF\xBB\xBF"
         "Datum;08.05.2024\r\nStatus;beendet\r\nLäufer;Jan\r\n"
             + rows},
        {"Datum;08.05.2024\r\nLäufer;\r\nStatus;beendet\r\n" + rows, "Anna Muster",
         "Datum;08.05.2024\r\nLäufer;Anna Muster\r\nStatus;beendet\r\n" + rows},
        {"Datum;08.05.2024\r\nLäufer;Anna\r\n" + rows, "", "Datum;08.05.2024\r\nLäufer;\r\n" + rows},
        // Written before races were named: the line comes after the set-up.
        {"Datum;08.05.2024\r\nStatus;beendet\r\n" + rows, "Jan",
         "Datum;08.05.2024\r\nStatus;beendet\r\nLäufer;Jan\r\n" + rows},
        {"Datum;1\nStatus;beendet\n\nRunden;Zeit\n", "Jan", "Datum;1\nStatus;beendet\nLäufer;Jan\n\nRunden;Zeit\n"},
        // A row's "Läufer" is no set-up line.
        {"Datum;1\n\nLäufer;x\n", "Jan", "Datum;1\nLäufer;Jan\n\nLäufer;x\n"},
        {"Datum;1\r\nLäufer;Anna\r\n" + rows, "Jan\r\nStatus;beendet", ""},
        {"Datum;1\r\nLäufer;Anna", "Jan", ""},
        {"\r\nRunden;Zeit\r\n", "Jan", ""},
        {"", "Jan", ""},
    };
    for (const Case &c : cases) {
        std::string text = c.text;
        EXPECT_EQ(SetRaceSkater(text, c.name), !c.expected.empty()) << c.text;
        EXPECT_EQ(text, c.expected.empty() ? c.text : c.expected) << c.text;
    }
}
