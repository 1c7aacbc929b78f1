#include "calc_chart.h"

#include "entry_reading.h"
#include "method_input_table.h"
#include "method_run.h"

namespace pecunor {

namespace {

using detail::MethodInputs;

// The count field holds at most four digits; a larger count (possible only
// from outside the window) is incorrect input rather than a huge table.
constexpr long double countLimit = 10000.0L;

int wholePeriods(long double entry) { return entry < countLimit ? static_cast<int>(entry) : 0; }

bool entriesSuffice(CalcMethod method, const MethodInputs& in)
{
    const long double e1 = in.e(1);
    const long double e3 = in.e(3);
    const bool counted = in.count >= 1;
    switch (method) {
    case CalcMethod::FutureValue:
    case CalcMethod::PresentValue:
    case CalcMethod::ZeroCouponBonds: return e1 > 0 && in.rate >= 0 && counted;
    case CalcMethod::FutureValueAnnuity:
    case CalcMethod::PresentValueAnnuity: return (e1 > 0 || e3 > 0) && in.rate >= 0 && counted;
    case CalcMethod::FutureValueInvestment: return e1 > 0 && in.rate > 0 && counted;
    case CalcMethod::PresentLoanPayment:
        // A down payment above the loan amount would run the formula on a
        // negative principal and show a schedule that never reaches zero.
        return e1 > 0 && in.rate > 0 && e3 >= 0 && e3 <= e1 && counted;
    case CalcMethod::StraightLineDepreciation:
    case CalcMethod::SumOfYearsDepreciation:
    case CalcMethod::DoubleDecliningDepreciation: return e1 > 0 && in.e(2) >= 0 && counted;
    case CalcMethod::BondYield:
    case CalcMethod::BondPrice:
    case CalcMethod::PriceEarnings:
    case CalcMethod::EarningsPerShare: return e1 > 0 && in.e(2) > 0;
    }
    return false;
}

void fill(const MethodInputs& in, detail::SheetWriter& out)
{
    switch (in.method) {
    case CalcMethod::FutureValue: detail::fillFutureValue(in, out); break;
    case CalcMethod::FutureValueAnnuity: detail::fillFutureValueAnnuity(in, out); break;
    case CalcMethod::FutureValueInvestment: detail::fillFutureValueInvestment(in, out); break;
    case CalcMethod::PresentValue:
    case CalcMethod::ZeroCouponBonds: detail::fillPresentValue(in, out); break;
    case CalcMethod::PresentValueAnnuity: detail::fillPresentValueAnnuity(in, out); break;
    case CalcMethod::PresentLoanPayment: detail::fillLoanPayment(in, out); break;
    case CalcMethod::StraightLineDepreciation: detail::fillStraightLine(in, out); break;
    case CalcMethod::SumOfYearsDepreciation: detail::fillSumOfYears(in, out); break;
    case CalcMethod::DoubleDecliningDepreciation: detail::fillDoubleDeclining(in, out); break;
    case CalcMethod::BondYield:
    case CalcMethod::BondPrice:
    case CalcMethod::PriceEarnings:
    case CalcMethod::EarningsPerShare: detail::fillRatio(in, out); break;
    }
}

}  // namespace

ResultSheet calcChart(const CalcRequest& request, DayNumber today, const RegionalSettings& regional,
                      MethodInputMemory& memory, const TextCatalog& texts)
{
    const CalcMethod method = request.method;
    const MethodInputRow& inputRow = methodInputRow(method);
    ResultSheet sheet(isRatioMethod(method) ? SheetKind::Ratio : SheetKind::Schedule);
    if (request.withFigures)
        sheet.keepFigures();

    MethodInputs in;
    // The same reading that tells a command line what was left out.
    in.start = readStartDate(request.startDateText, regional, today).day;
    for (std::size_t i = 0; i < in.entries.size(); ++i)
        in.entries[i] = valueEntryAmount(request.valueTexts[i], regional);
    if (inputRow.countEntry != 0)
        in.count = wholePeriods(in.e(inputRow.countEntry));
    in.paymentsAtStart = request.paymentTiming == PaymentTiming::StartOfPeriod;
    in.step = periodUnitInfo(request.periodUnit).step;
    in.method = method;
    in.unit = request.periodUnit;
    memory.remember(request, in.start);

    try {
        in.rate = in.e(2);
        if (inputRow.interestPerOffered) {
            // A simple proportion of days, multiplied first: 12 % a year is 12 * 30 / 365 % a month.
            const long double days = periodUnitInfo(request.periodUnit).daysPerPeriod;
            const long double perDays = periodUnitInfo(request.interestPer).daysPerPeriod;
            in.rate = detail::divide(detail::checked(in.rate * days), perDays);
        }
        if (!entriesSuffice(method, in)) {
            sheet.markInvalid();
            return sheet;
        }
        detail::SheetWriter writer(sheet, regional, in, texts);
        fill(in, writer);
    } catch (const detail::FaultSignal& signal) {
        sheet.setFault(signal.fault);
    }
    return sheet;
}

}  // namespace pecunor
