// --lang hi: the names of signs, nakshatras and planets and the description
// in Hindi, every other byte as in English.
#include "batch_tool_support.h"
#include "signs/names.h"
#include "signs/rashi_information.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace nyra {
namespace {

using namespace batch_testing;

int SignNumber(const std::string& english) {
    for (int sign = 0; sign < kSignCount; ++sign)
        if (SignName(sign, Language::English) == english) return sign;
    ADD_FAILURE() << "no sign " << english;
    return -1;
}

std::string HindiSign(const std::string& english) {
    return std::string(SignName(SignNumber(english), Language::Hindi));
}

std::string HindiNakshatra(const std::string& english) {
    for (int i = 0; i < 27; ++i)
        if (NakshatraName(i, Language::English) == english) return std::string(NakshatraName(i, Language::Hindi));
    return "no nakshatra " + english;
}

// "Kanya 81%; Thula 19%" with each sign's name in Hindi.
std::string HindiShares(const std::string& english) {
    std::string hindi;
    for (std::size_t start = 0; start < english.size();) {
        const std::size_t blank = english.find(' ', start);
        const std::size_t end = std::min(english.find("; ", blank), english.size());
        hindi += HindiSign(english.substr(start, blank - start)) + english.substr(blank, end - blank);
        if (end < english.size()) hindi += "; ";
        start = end + 2;
    }
    return hindi;
}

// Each translated column, and what its Hindi is for the English row.
struct HindiColumn {
    std::string name;
    std::function<std::string(const std::string& header, const std::string& englishRow)> hindi;
};

std::vector<HindiColumn> HindiColumns() {
    const auto translated = [](const char* column, std::string (*hindi)(const std::string&)) {
        return HindiColumn{column, [column, hindi](const std::string& header, const std::string& row) {
                               return hindi(Cell(header, row, column));
                           }};
    };
    std::vector<HindiColumn> columns{
        translated("RashiName", HindiSign),
        translated("Nakshatra", HindiNakshatra),
        translated("NakshatraLord",
                   [](const std::string& lord) { return std::string(PlanetName(lord, Language::Hindi)); }),
        translated("PreciseRashi", HindiSign),
        translated("PossibleSigns", HindiShares),
    };
    // The description of the row's sign, in Hindi.
    for (const SignField& field : kSignFields) {
        columns.push_back(
            {std::string(field.name), [member = field.member](const std::string& header, const std::string& row) {
                 const SignDescription hindi =
                     SignDescriptionAt(SignNumber(Cell(header, row, "RashiName")), Language::Hindi);
                 return hindi.*member;
             }});
    }
    return columns;
}

const std::string kWindowHeader = kHeader.substr(0, kHeader.size() - 1) + "\tTimeWindowMinutes\n";

TEST(HindiNames, TranslateTheirColumnsAndLeaveEveryOtherByte) {
    // A refused row, and births whose windows span one sign or three.
    const std::string table =
        kWindowHeader + "1\t1\t2000\t12\t0\t0\t0\t0\t0\t0\t0\t0\n" + "8\t15\t1947\t0\t0\t5\t30\t77\t13\t1\t0\tday\n" +
        "2\t30\t2000\t0\t0\t0\t0\t0\t0\t0\t0\t0\n" + "12\t30\t1999\t21\t0\t0\t0\t0\t0\t0\t0\t60\n" +
        "10\t13\t1958\t3\t37\t0\t0\t0\t0\t0\t0\t720\n";
    for (const std::vector<std::string>& options :
         {std::vector<std::string>{"--precise", "--describe", "--nakshatra-times"},
          {"--basis", "precise", "--describe", "--ayanamsa", "yukteshwar"}}) {
        std::vector<std::string> args = options;
        const ToolRun english = RunTool(table, args);
        args.insert(args.end(), {"--lang", "hi"});
        const ToolRun hindi = RunTool(table, args);
        EXPECT_EQ(hindi.status, english.status);
        EXPECT_EQ(hindi.err, english.err);
        ASSERT_EQ(english.status, kBatchRowErrors) << english.err;

        const std::vector<HindiColumn> columns = HindiColumns();
        std::vector<std::string> names;
        for (const HindiColumn& column : columns) names.push_back(column.name);
        EXPECT_EQ(WithoutColumns(hindi.out, names), WithoutColumns(english.out, names));

        const auto e = Lines(english.out);
        const auto h = Lines(hindi.out);
        ASSERT_EQ(h.size(), e.size());
        ASSERT_EQ(h.size(), 5u);
        for (std::size_t row = 1; row < h.size(); ++row) {
            for (const HindiColumn& column : columns) {
                if (Cell(e[0], e[row], column.name).starts_with("<no column")) continue;
                EXPECT_EQ(Cell(h[0], h[row], column.name), column.hindi(e[0], e[row]))
                    << column.name << ", row " << row << ": " << Cell(e[0], e[row], column.name);
            }
        }
    }
}

}  // namespace
}  // namespace nyra
