#include <gtest/gtest.h>

#include "engine_test_support.h"

namespace pecunor::test {
namespace {

Inputs depreciation(CalcMethod method, std::vector<std::string> values)
{
    return {method, std::move(values), PeriodUnit::Years};
}

TEST(StraightLine, SpreadsCostLessSalvageEvenly)
{
    const ResultSheet sheet = calculate(depreciation(CalcMethod::StraightLineDepreciation, {"10000", "1000", "8"}));
    ASSERT_TRUE(sheet.valid());
    EXPECT_EQ(headerRow(sheet), (Texts{"#", "Date", "Depreciation/Year", "Book Value"}));
    EXPECT_EQ(column(sheet, 2), Texts(8, "1,125.00"));
    EXPECT_EQ(column(sheet, 3),
              (Texts{"8,875.00", "7,750.00", "6,625.00", "5,500.00", "4,375.00", "3,250.00", "2,125.00", "1,000.00"}));
    EXPECT_EQ(column(sheet, 1).front(), "1/15/2027");
    EXPECT_EQ(sheet.summaryLabels(), "Remaining Book Value : \nTotal Depreciation : ");
    EXPECT_EQ(sheet.summaryValues(), "1,000.00\n9,000.00");
}

TEST(StraightLine, FractionalLifeStopsAboveTheSalvageValue)
{
    const ResultSheet sheet = calculate(depreciation(CalcMethod::StraightLineDepreciation, {"10000", "1000", "8.5"}));
    ASSERT_EQ(sheet.rowCount(), 9);
    EXPECT_EQ(column(sheet, 2).front(), "1,058.82");
    EXPECT_EQ(column(sheet, 3).back(), "1,529.41");
}

TEST(StraightLine, SalvageAboveCostRaisesTheBookValue)
{
    const ResultSheet sheet = calculate(depreciation(CalcMethod::StraightLineDepreciation, {"1000", "2000", "2"}));
    ASSERT_TRUE(sheet.valid());
    EXPECT_EQ(column(sheet, 2), (Texts{"-500.00", "-500.00"}));
    EXPECT_EQ(column(sheet, 3), (Texts{"1,500.00", "2,000.00"}));
}

TEST(SumOfYears, DepreciatesMostInTheFirstYears)
{
    const ResultSheet sheet = calculate(depreciation(CalcMethod::SumOfYearsDepreciation, {"10000", "1000", "8"}));
    EXPECT_EQ(column(sheet, 2),
              (Texts{"2,000.00", "1,750.00", "1,500.00", "1,250.00", "1,000.00", "750.00", "500.00", "250.00"}));
    EXPECT_EQ(column(sheet, 3),
              (Texts{"8,000.00", "6,250.00", "4,750.00", "3,500.00", "2,500.00", "1,750.00", "1,250.00", "1,000.00"}));
    EXPECT_EQ(sheet.summaryLabels(), "Remaining Book Value : \nTotal Depreciation : \nAverage Depreciation / Year : ");
    EXPECT_EQ(sheet.summaryValues(), "1,000.00\n9,000.00\n1,125.00");
}

TEST(DoubleDeclining, NeverSwitchesToStraightLine)
{
    const ResultSheet sheet = calculate(depreciation(CalcMethod::DoubleDecliningDepreciation, {"10000", "1000", "8"}));
    EXPECT_EQ(column(sheet, 2),
              (Texts{"2,500.00", "1,875.00", "1,406.25", "1,054.69", "791.02", "593.26", "444.95", "333.71"}));
    EXPECT_EQ(column(sheet, 3),
              (Texts{"7,500.00", "5,625.00", "4,218.75", "3,164.06", "2,373.05", "1,779.79", "1,334.84", "1,001.13"}));
    EXPECT_EQ(sheet.summaryValues(), "1,001.13\n8,998.87\n1,124.86");
}

TEST(DoubleDeclining, CutsThePeriodThatReachesTheSalvageValue)
{
    const ResultSheet sheet = calculate(depreciation(CalcMethod::DoubleDecliningDepreciation, {"1000", "400", "4"}));
    EXPECT_EQ(column(sheet, 2), (Texts{"500.00", "100.00", "0.00", "0.00"}));
    EXPECT_EQ(column(sheet, 3), (Texts{"500.00", "400.00", "400.00", "400.00"}));
    EXPECT_EQ(sheet.summaryValues(), "400.00\n600.00\n150.00");
}

TEST(DoubleDeclining, SingleLifeEndsAtTheSalvageValue)
{
    const ResultSheet sheet = calculate(depreciation(CalcMethod::DoubleDecliningDepreciation, {"1000", "100", "1"}));
    EXPECT_EQ(column(sheet, 2), (Texts{"900.00"}));
    EXPECT_EQ(column(sheet, 3), (Texts{"100.00"}));
}

TEST(Depreciation, UnitWordFollowsThePeriods)
{
    Inputs in = depreciation(CalcMethod::SumOfYearsDepreciation, {"1000", "0", "4"});
    in.unit = PeriodUnit::Quarters;
    const ResultSheet sheet = calculate(in);
    EXPECT_EQ(headerRow(sheet)[2], "Depreciation/Quarter");
    EXPECT_EQ(sheet.summaryLabels(),
              "Remaining Book Value : \nTotal Depreciation : \nAverage Depreciation / Quarter : ");
    EXPECT_EQ(column(sheet, 1), (Texts{"4/15/2026", "7/15/2026", "10/15/2026", "1/15/2027"}));
}

TEST(Depreciation, LifeBelowOneIsInsufficient)
{
    for (CalcMethod method : {CalcMethod::StraightLineDepreciation, CalcMethod::SumOfYearsDepreciation,
                              CalcMethod::DoubleDecliningDepreciation})
        EXPECT_FALSE(calculate(depreciation(method, {"1000", "100", "0.5"})).valid());
}

TEST(ZeroCouponBonds, PriceGrowsToTheFaceValue)
{
    const ResultSheet sheet = calculate({CalcMethod::ZeroCouponBonds, {"1000", "5", "10"}});
    ASSERT_TRUE(sheet.valid());
    ASSERT_EQ(sheet.rowCount(), 12);
    EXPECT_EQ(column(sheet, 3).front(), "613.91");
    EXPECT_EQ(column(sheet, 2)[1], "30.70");
    EXPECT_EQ(column(sheet, 3)[1], "644.61");
    EXPECT_EQ(column(sheet, 3).back(), "1,000.00");
    EXPECT_EQ(column(sheet, 1).back(), "1/15/2036");
    EXPECT_EQ(sheet.summaryLabels(),
              "Present Value : \nTotal Interest : \nAverage Interest / Year : \n% Interest / Year : ");
    EXPECT_EQ(sheet.summaryValues(), "613.91\n386.09\n38.61\n5.00%");
}

TEST(ZeroCouponBonds, MonthlyPeriodsConvertTheYearlyRate)
{
    Inputs in{CalcMethod::ZeroCouponBonds, {"1000", "6", "3"}, PeriodUnit::Months};
    const ResultSheet sheet = calculate(in);
    EXPECT_EQ(column(sheet, 3).front(), "985.35");
    EXPECT_EQ(sheet.summaryValues(), "985.35\n14.65\n4.88\n0.49%");
}

struct RatioCase {
    const char* name;
    CalcMethod method;
    std::string first;
    std::string second;
    Texts labels;
    Texts values;
};

class RatioMethods : public ::testing::TestWithParam<RatioCase> { };

TEST_P(RatioMethods, ShowLabelsValuesAndSelectTheQuotient)
{
    const RatioCase& c = GetParam();
    const ResultSheet sheet = calculate({c.method, {c.first, c.second}}, usRegional());
    ASSERT_TRUE(sheet.valid());
    EXPECT_EQ(sheet.kind(), SheetKind::Ratio);
    EXPECT_EQ(sheet.columnCount(), 2);
    EXPECT_EQ(sheet.rowCount(), 3);
    EXPECT_EQ(sheet.fixedColumns(), 1);
    EXPECT_EQ(sheet.fixedRows(), 0);
    EXPECT_EQ(column(sheet, 0), c.labels);
    EXPECT_EQ(column(sheet, 1), c.values);
    EXPECT_EQ(sheet.selection(), gridRect(1, 2, 1, 2));
    EXPECT_EQ(sheet.summaryLabels(), "");
    EXPECT_EQ(sheet.summaryValues(), "");
}

INSTANTIATE_TEST_SUITE_P(Quotients, RatioMethods,
                         ::testing::Values(RatioCase{"BondYield",
                                                     CalcMethod::BondYield,
                                                     "8",
                                                     "100",
                                                     {"Coupon Rate", "Price", "Yield"},
                                                     {"$8.00", "$100.00", "$0.08"}},
                                           RatioCase{"BondPrice",
                                                     CalcMethod::BondPrice,
                                                     "8",
                                                     "0.1",
                                                     {"Coupon Rate", "Yield", "Price"},
                                                     {"$8.00", "$0.10", "$80.00"}},
                                           RatioCase{"PriceEarnings",
                                                     CalcMethod::PriceEarnings,
                                                     "50",
                                                     "2.5",
                                                     {"Closing Price", "Earnings per Share", "Price/Earnings Ratio"},
                                                     {"$50.00", "$2.50", "$20.00"}},
                                           RatioCase{"EarningsPerShare",
                                                     CalcMethod::EarningsPerShare,
                                                     "50",
                                                     "20",
                                                     {"Closing Price", "Price/Earnings Ratio", "Earnings/Share"},
                                                     {"$50.00", "$20.00", "$2.50"}},
                                           RatioCase{"PercentSignDropped",
                                                     CalcMethod::BondYield,
                                                     "8%",
                                                     "100",
                                                     {"Coupon Rate", "Price", "Yield"},
                                                     {"$8.00", "$100.00", "$0.08"}}),
                         [](const auto& info) { return info.param.name; });

TEST(RatioMethods, ZeroOrEmptySecondEntryIsInvalidWithoutSummary)
{
    for (const char* second : {"0", "", "abc"}) {
        const ResultSheet sheet = calculate({CalcMethod::PriceEarnings, {"50", second}});
        EXPECT_FALSE(sheet.valid()) << second;
        EXPECT_EQ(sheet.summaryLabels(), "");
        EXPECT_EQ(sheet.rowCount(), 0);
    }
}

struct ComputedHalfCase {
    const char* name;
    Inputs in;
    int column;
    int row;
    std::string cents;
};

void PrintTo(const ComputedHalfCase& c, std::ostream* out) { *out << c.name; }

class ComputedHalves : public ::testing::TestWithParam<ComputedHalfCase> { };

// A half that exact arithmetic on the typed inputs gives rounds away from
// zero, though the binary computation lands some ulps beside it; so does a
// value that lies closer to a half than the number type can tell.
TEST_P(ComputedHalves, RoundAwayFromZeroAsExactArithmeticGivesThem)
{
    const ComputedHalfCase& c = GetParam();
    const ResultSheet sheet = calculate(c.in);
    ASSERT_TRUE(sheet.valid());
    EXPECT_EQ(sheet.cell(c.column, c.row), c.cents);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComputedHalves,
    ::testing::Values(
        // 10000.10 - 2500.025
        ComputedHalfCase{
            "StraightLineBookValue", {CalcMethod::StraightLineDepreciation, {"10000.10", "0", "4"}}, 3, 1, "7,500.08"},
        ComputedHalfCase{"StraightLineDepreciation",
                         {CalcMethod::StraightLineDepreciation, {"10000.10", "0", "4"}},
                         2,
                         1,
                         "2,500.03"},
        // 12345.67 - 3 * 3086.415
        ComputedHalfCase{"StraightLineWithSalvage",
                         {CalcMethod::StraightLineDepreciation, {"12345.67", "0.01", "4"}},
                         3,
                         3,
                         "3,086.43"},
        // 69295.635 - 2 * 23087.045
        ComputedHalfCase{"StraightLineInWeeks",
                         {CalcMethod::StraightLineDepreciation, {"69295.635", "34.5", "3"}, PeriodUnit::Weeks},
                         3,
                         2,
                         "23,121.55"},
        // 41.40 - (41.40 - 0.016) * 1827 / 1176 after 42 of 48 quarters, from a small cost.
        ComputedHalfCase{"SumOfYearsBookValue",
                         {CalcMethod::SumOfYearsDepreciation,
                          {"41.40", "0.016", "48"},
                          PeriodUnit::Quarters,
                          PaymentTiming::EndOfPeriod,
                          PeriodUnit::HalfYears},
                         3,
                         42,
                         "0.76"},
        // The present value grown back over 24 weeks to the typed 0.975.
        ComputedHalfCase{"PresentValueGrownBack",
                         {CalcMethod::PresentValue,
                          {"0.975", "1.244", "24"},
                          PeriodUnit::Quarters,
                          PaymentTiming::EndOfPeriod,
                          PeriodUnit::Weeks},
                         3,
                         25,
                         "0.98"},
        // The interest converges to the payment, -31818.155: after a few rows
        // it differs from it by far less than an ulp.
        ComputedHalfCase{"AnnuityInterestWithinAnUlpOfTheHalf",
                         {CalcMethod::PresentValueAnnuity,
                          {"364307.84", "983126", "31818.155", "7549"},
                          PeriodUnit::Weeks,
                          PaymentTiming::StartOfPeriod,
                          PeriodUnit::Months,
                          "2/29/1996"},
                         3,
                         3,
                         "-31,818.16"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pecunor::test
