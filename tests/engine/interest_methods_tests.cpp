#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "engine_test_support.h"

namespace pecunor::test {
namespace {

TEST(FutureValue, GrowsByTheRateEachYear)
{
    const ResultSheet sheet = calculate({CalcMethod::FutureValue, {"1000", "10", "3"}});
    ASSERT_TRUE(sheet.valid());
    EXPECT_EQ(headerRow(sheet), (Texts{"#", "Date", "Interest/Year", "Accumulated Total"}));
    EXPECT_EQ(column(sheet, 0), (Texts{"1", "2", "3"}));
    EXPECT_EQ(column(sheet, 1), (Texts{"1/15/2027", "1/15/2028", "1/15/2029"}));
    EXPECT_EQ(column(sheet, 2), (Texts{"100.00", "110.00", "121.00"}));
    EXPECT_EQ(column(sheet, 3), (Texts{"1,100.00", "1,210.00", "1,331.00"}));
    EXPECT_EQ(sheet.summaryLabels(),
              "Future Value : \nTotal Interest : \nAverage Interest / Year : \n% Interest / Year : ");
    EXPECT_EQ(sheet.summaryValues(), "1,331.00\n331.00\n110.33\n10.00%");
}

TEST(FutureValue, ShowsTheCurrencySymbolOfTheMoneyFormat)
{
    const ResultSheet sheet = calculate({CalcMethod::FutureValue, {"1000", "10", "3"}}, usRegional());
    EXPECT_EQ(column(sheet, 3).back(), "$1,331.00");
    EXPECT_EQ(sheet.summaryValues(), "$1,331.00\n$331.00\n$110.33\n10.00%");
}

TEST(FutureValue, YearlyRateWithMonthlyPeriodsIsAProportionOfDays)
{
    Inputs in{CalcMethod::FutureValue, {"1000", "12", "2"}, PeriodUnit::Months};
    in.interestPer = PeriodUnit::Years;
    const ResultSheet sheet = calculate(in);
    ASSERT_TRUE(sheet.valid());
    // 12 * 30 / 365 = 0.98630137 % a month.
    EXPECT_EQ(column(sheet, 2), (Texts{"9.86", "9.96"}));
    EXPECT_EQ(sheet.summaryValues(), "1,019.82\n19.82\n9.91\n0.99%");
    EXPECT_EQ(headerRow(sheet)[2], "Interest/Month");
}

TEST(FutureValueAnnuity, PaymentsAtTheEndEarnFromTheNextPeriod)
{
    const ResultSheet sheet = calculate(
        {CalcMethod::FutureValueAnnuity, {"1000", "10", "100", "3"}, PeriodUnit::Years, PaymentTiming::EndOfPeriod});
    ASSERT_TRUE(sheet.valid());
    EXPECT_EQ(headerRow(sheet), (Texts{"#", "Date", "Payment/Year", "Interest/Year", "Accumulated Total"}));
    EXPECT_EQ(column(sheet, 2), (Texts{"100.00", "100.00", "100.00"}));
    EXPECT_EQ(column(sheet, 3), (Texts{"100.00", "120.00", "142.00"}));
    EXPECT_EQ(column(sheet, 4), (Texts{"1,200.00", "1,420.00", "1,662.00"}));
    EXPECT_EQ(sheet.summaryValues(), "1,662.00\n300.00\n362.00\n120.67\n10.00%");
    EXPECT_EQ(sheet.summaryLabels(), "Future Value / Annuity : \nTotal Payments : \nTotal Interest : \n"
                                     "Average Interest / Year : \n% Interest / Year : ");
}

TEST(FutureValueAnnuity, PaymentsAtTheStartEarnWithinTheirPeriod)
{
    const ResultSheet sheet = calculate(
        {CalcMethod::FutureValueAnnuity, {"1000", "10", "100", "3"}, PeriodUnit::Years, PaymentTiming::StartOfPeriod});
    EXPECT_EQ(column(sheet, 3), (Texts{"110.00", "131.00", "154.10"}));
    EXPECT_EQ(column(sheet, 4), (Texts{"1,210.00", "1,441.00", "1,695.10"}));
    // Rows are dated at the end of each period whatever the timing.
    EXPECT_EQ(column(sheet, 1).front(), "1/15/2027");
    EXPECT_EQ(sheet.summaryValues(), "1,695.10\n300.00\n395.10\n131.70\n10.00%");
}

TEST(FutureValueAnnuity, ZeroPrincipalWithAPaymentIsEnough)
{
    EXPECT_TRUE(calculate({CalcMethod::FutureValueAnnuity, {"0", "10", "100", "3"}}).valid());
    EXPECT_TRUE(calculate({CalcMethod::PresentValueAnnuity, {"", "10", "100", "3"}}).valid());
    EXPECT_FALSE(calculate({CalcMethod::FutureValueAnnuity, {"0", "10", "0", "3"}}).valid());
    EXPECT_FALSE(calculate({CalcMethod::PresentValueAnnuity, {"0", "10", "", "3"}}).valid());
}

TEST(FutureValueInvestment, PaymentsAtTheEndReachTheTarget)
{
    const ResultSheet sheet = calculate(
        {CalcMethod::FutureValueInvestment, {"1000", "10", "3"}, PeriodUnit::Years, PaymentTiming::EndOfPeriod});
    ASSERT_TRUE(sheet.valid());
    EXPECT_EQ(column(sheet, 2), (Texts{"302.11", "302.11", "302.11"}));
    EXPECT_EQ(column(sheet, 3), (Texts{"0.00", "30.21", "63.44"}));
    EXPECT_EQ(column(sheet, 4), (Texts{"302.11", "634.44", "1,000.00"}));
    EXPECT_EQ(column(sheet, 1).front(), "1/15/2027");
    EXPECT_EQ(sheet.summaryValues(), "906.34\n93.66\n31.22\n10.00%");
}

TEST(FutureValueInvestment, PaymentsAtTheStartAddAClosingRow)
{
    const ResultSheet sheet = calculate(
        {CalcMethod::FutureValueInvestment, {"1000", "10", "3"}, PeriodUnit::Years, PaymentTiming::StartOfPeriod});
    ASSERT_TRUE(sheet.valid());
    ASSERT_EQ(sheet.rowCount(), 5);
    EXPECT_EQ(column(sheet, 2), (Texts{"215.47", "215.47", "215.47", "215.47"}));
    EXPECT_EQ(column(sheet, 1), (Texts{"1/15/2026", "1/15/2027", "1/15/2028", "1/15/2029"}));
    EXPECT_EQ(column(sheet, 3).back(), "0.00");
    EXPECT_EQ(column(sheet, 4).back(), "1,000.00");
    EXPECT_EQ(sheet.summaryValues(), "861.88\n138.12\n46.04\n10.00%");
}

TEST(FutureValueInvestment, FractionalCountKeepsItsFractionInThePayment)
{
    const ResultSheet whole = calculate({CalcMethod::FutureValueInvestment, {"1000", "10", "12"}});
    const ResultSheet fractional = calculate({CalcMethod::FutureValueInvestment, {"1000", "10", "12.5"}});
    ASSERT_TRUE(fractional.valid());
    EXPECT_EQ(fractional.rowCount(), 13);
    EXPECT_EQ(column(whole, 4).back(), "1,000.00");
    EXPECT_EQ(column(fractional, 4).back(), "933.15");
}

TEST(PresentValue, DiscountsThenGrowsBackToTheTarget)
{
    const ResultSheet sheet = calculate({CalcMethod::PresentValue, {"1331", "10", "3"}});
    ASSERT_TRUE(sheet.valid());
    EXPECT_EQ(headerRow(sheet), (Texts{"#", "Date", "Interest/Year", "Accumulated Total"}));
    EXPECT_EQ(column(sheet, 1), (Texts{"1/15/2026", "1/15/2027", "1/15/2028", "1/15/2029"}));
    EXPECT_EQ(column(sheet, 2), (Texts{"", "100.00", "110.00", "121.00"}));
    EXPECT_EQ(column(sheet, 3), (Texts{"1,000.00", "1,100.00", "1,210.00", "1,331.00"}));
    EXPECT_EQ(sheet.summaryLabels(),
              "Present Value : \nTotal Interest : \nAverage Interest / Year : \n% Interest / Year : ");
    EXPECT_EQ(sheet.summaryValues(), "1,000.00\n331.00\n110.33\n10.00%");
}

TEST(PresentValueAnnuity, RunsBackwardFromTheTargetAtTheEnd)
{
    const ResultSheet sheet = calculate(
        {CalcMethod::PresentValueAnnuity, {"1000", "10", "100", "3"}, PeriodUnit::Years, PaymentTiming::EndOfPeriod});
    ASSERT_TRUE(sheet.valid());
    EXPECT_EQ(column(sheet, 2), (Texts{"", "100.00", "100.00", "100.00"}));
    EXPECT_EQ(column(sheet, 3), (Texts{"", "50.26", "65.29", "81.82"}));
    EXPECT_EQ(column(sheet, 4), (Texts{"502.63", "652.89", "818.18", "1,000.00"}));
    EXPECT_EQ(sheet.summaryValues(), "502.63\n300.00\n197.37\n65.79\n10.00%");
}

TEST(PresentValueAnnuity, PaymentsAtTheStart)
{
    const ResultSheet sheet = calculate(
        {CalcMethod::PresentValueAnnuity, {"1000", "10", "100", "3"}, PeriodUnit::Years, PaymentTiming::StartOfPeriod});
    EXPECT_EQ(column(sheet, 3), (Texts{"", "57.78", "73.55", "90.91"}));
    EXPECT_EQ(column(sheet, 4), (Texts{"477.76", "635.54", "809.09", "1,000.00"}));
    EXPECT_EQ(sheet.summaryValues(), "477.76\n300.00\n222.24\n74.08\n10.00%");
}

TEST(LoanPayment, LevelPaymentAmortisesTheLoan)
{
    const ResultSheet sheet = calculate({CalcMethod::PresentLoanPayment, {"1000", "10", "", "2"}});
    ASSERT_TRUE(sheet.valid());
    EXPECT_EQ(headerRow(sheet), (Texts{"#", "Date", "Payment/Year", "Interest/Year", "Remaining Total"}));
    EXPECT_EQ(column(sheet, 2), (Texts{"576.19", "576.19"}));
    EXPECT_EQ(column(sheet, 3), (Texts{"100.00", "52.38"}));
    EXPECT_EQ(column(sheet, 4), (Texts{"523.81", "0.00"}));
    EXPECT_EQ(sheet.summaryLabels(),
              "Total Payments (Periods) : \nTotal Interest : \nAverage Interest / Year : \n% Interest / Year : ");
    EXPECT_EQ(sheet.summaryValues(), "1,152.38\n152.38\n76.19\n10.00%");
}

TEST(LoanPayment, RemainingTotalNeverShowsMinusZero)
{
    const ResultSheet sheet = calculate({CalcMethod::PresentLoanPayment,
                                         {"250000", "6.5", "10000", "360"},
                                         PeriodUnit::Months,
                                         PaymentTiming::EndOfPeriod,
                                         PeriodUnit::Months});
    ASSERT_TRUE(sheet.valid());
    EXPECT_EQ(column(sheet, 4).back(), "0.00");
}

TEST(LoanPayment, DownPaymentEqualToTheLoanGivesZeroPayments)
{
    const ResultSheet sheet = calculate({CalcMethod::PresentLoanPayment, {"1000", "10", "1000", "2"}});
    ASSERT_TRUE(sheet.valid());
    EXPECT_EQ(column(sheet, 2), (Texts{"0.00", "0.00"}));
    EXPECT_EQ(column(sheet, 4), (Texts{"0.00", "0.00"}));
}

TEST(LoanPayment, DownPaymentAboveTheLoanIsIncorrectInput)
{
    EXPECT_FALSE(calculate({CalcMethod::PresentLoanPayment, {"1000", "10", "1000.01", "2"}}).valid());
}

struct ZeroRateCase {
    CalcMethod method;
    bool valid;
};

class ZeroRate : public ::testing::TestWithParam<ZeroRateCase> { };

TEST_P(ZeroRate, IsAcceptedOnlyWhereNothingDividesByIt)
{
    const ResultSheet sheet = calculate({GetParam().method, {"1000", "0", "100", "3"}});
    EXPECT_EQ(sheet.valid(), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Methods, ZeroRate,
                         ::testing::Values(ZeroRateCase{CalcMethod::FutureValue, true},
                                           ZeroRateCase{CalcMethod::FutureValueAnnuity, true},
                                           ZeroRateCase{CalcMethod::FutureValueInvestment, false},
                                           ZeroRateCase{CalcMethod::PresentValue, true},
                                           ZeroRateCase{CalcMethod::PresentValueAnnuity, true},
                                           ZeroRateCase{CalcMethod::PresentLoanPayment, false},
                                           ZeroRateCase{CalcMethod::ZeroCouponBonds, true}),
                         [](const auto& info) {
                             std::string name;
                             for (const char c : methodListText(info.param.method))
                                 if (std::isalnum(static_cast<unsigned char>(c)))
                                     name += c;
                             return name;
                         });

TEST(ZeroRate, LeavesEveryInterestAtZero)
{
    const ResultSheet sheet = calculate({CalcMethod::PresentValue, {"1331", "0", "3"}});
    EXPECT_EQ(column(sheet, 2), (Texts{"", "0.00", "0.00", "0.00"}));
    EXPECT_EQ(column(sheet, 3), (Texts{"1,331.00", "1,331.00", "1,331.00", "1,331.00"}));
}

}  // namespace
}  // namespace pecunor::test
