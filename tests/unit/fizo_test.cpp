#include "capture.hpp"
#include "expected_output.hpp"
#include "fizo.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

TEST(Printers, HelpTextTwiceHasNothingBetween)
{
    const captured_run run = capture_void([] {
        fizo::print_help_menu();
        fizo::print_help_menu();
    });
    EXPECT_EQ(run.out, expected_output::help + expected_output::help);
}

TEST(Version, ConstantIsTheVersionTextAlone)
{
    EXPECT_STREQ(fizo::VERSION, "00.01.00");
    EXPECT_EQ(sizeof fizo::VERSION, 9U);
}

TEST(Add, ReturnsTheSumOfOneDoubleAddition)
{
    constexpr double infinity = std::numeric_limits<double>::infinity();
    constexpr double largest = std::numeric_limits<double>::max();
    struct row {
        double a;
        double b;
        double sum;
    };
    const std::vector<row> rows = {
        {1.5, 2.25, 3.75},
        {0.1, 0.2, 0.30000000000000004}, // no rounding to a "nicer" value
        {-1.0, 1.0, 0.0},
        {largest, largest, infinity}, // overflow is not checked
        {infinity, 1.0, infinity},
        {-0.0, -0.0, -0.0},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.a << " + " << r.b);
        const double sum = fizo::add(r.a, r.b);
        EXPECT_EQ(sum, r.sum);
        EXPECT_EQ(std::signbit(sum), std::signbit(r.sum));
    }
    EXPECT_TRUE(std::isnan(fizo::add(infinity, -infinity)));
    EXPECT_TRUE(std::isnan(fizo::add(std::nan(""), 1.0)));
}

TEST(Add, PrintsNothing)
{
    const captured_run run = capture_void([] { static_cast<void>(fizo::add(1.0, 2.0)); });
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
}

TEST(Dinner, NewDinnerRefusesAnything)
{
    const fizo::feed_fizo_dinner dinner;
    const captured_run run = capture_void([&dinner] { dinner.print(); });
    EXPECT_EQ(run.out, "fizo refuses to eat anything!\n");
    EXPECT_EQ(run.err, "");
}

// Foods that no end-to-end row gives: a zero byte, which no argument can hold, a tab, a byte that
// is not UTF-8, and a food far longer than the output buffer.
TEST(Dinner, PrintsEveryFoodByteForByte)
{
    struct row {
        std::string food;
        std::string line;
    };
    const std::string long_food(10000, 'x');
    const std::vector<row> rows = {
        {"tab\there", "fizo refuses to eat tab\there!\n"},
        {"\xc3\xa9\xff", "fizo refuses to eat \xc3\xa9\xff!\n"},
        {std::string("nut\0shell", 9), "fizo refuses to eat nut!\n"}, // stops at the zero byte
        {long_food, "fizo refuses to eat " + long_food + "!\n"},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.line);
        fizo::feed_fizo_dinner dinner;
        dinner.change_food(r.food);
        const captured_run run = capture_void([&dinner] { dinner.print(); });
        EXPECT_EQ(run.out, r.line);
        EXPECT_EQ(run.err, "");
    }
}

TEST(Dinner, ChangeFoodPrintsNothingAndLeavesTheCallersString)
{
    fizo::feed_fizo_dinner dinner;
    std::string food = "kiwi";
    const captured_run run = capture_void([&dinner, &food] { dinner.change_food(food); });
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(food, "kiwi");
}

TEST(Dinner, FoodStaysUntilReplacedWhole)
{
    fizo::feed_fizo_dinner dinner;
    const captured_run run = capture_void([&dinner] {
        dinner.change_food("watermelon");
        dinner.print();
        dinner.print();
        dinner.change_food("fig");
        dinner.print();
    });
    EXPECT_EQ(run.out, "fizo refuses to eat watermelon!\n"
                       "fizo refuses to eat watermelon!\n"
                       "fizo refuses to eat fig!\n");
}

TEST(Dinner, CopiesAreIndependent)
{
    fizo::feed_fizo_dinner original;
    original.change_food("pear");
    fizo::feed_fizo_dinner copy = original;
    original.change_food("plum");
    const captured_run run = capture_void([&original, &copy] {
        copy.print();
        original.print();
    });
    EXPECT_EQ(run.out, "fizo refuses to eat pear!\nfizo refuses to eat plum!\n");
}

} // namespace
