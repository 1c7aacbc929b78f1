#include <cmath>

#include "method_run.h"
#include "number_format.h"
#include "power.h"

namespace pecunor::detail {

namespace {

enum class LastColumn { AccumulatedTotal, RemainingTotal, BondValue };

void shapeSchedule(SheetWriter& out, int rows, bool withPayment, LastColumn last)
{
    const ScheduleHeadings& headings = out.texts().headings;
    const std::string payment = out.unitText(headings.paymentPer);
    const std::string interest = out.unitText(headings.interestPer);
    const std::string_view lastHeader = last == LastColumn::AccumulatedTotal ? headings.accumulatedTotal
                                        : last == LastColumn::BondValue      ? headings.bondValue
                                                                             : headings.remainingTotal;
    if (withPayment)
        out.sheet().dimensionGrid(3, rows, 2, 1, {headings.rowNumber, headings.date, payment, interest, lastHeader});
    else
        out.sheet().dimensionGrid(2, rows, 2, 1, {headings.rowNumber, headings.date, interest, lastHeader, ""});
}

long double growth(const MethodInputs& in, long double exponent) { return powerOrZero(false, 1.0L + in.r(), exponent); }

// growth less one, without subtracting the one from the power: that would
// cost a small rate most of its digits (and the halves of the payment rows).
long double growthLessOne(const MethodInputs& in, long double exponent)
{
    // Beyond the range, or a rate too small to change one plus it: as the
    // power gives it (so such a rate still ends in the division by zero).
    const long double power = growth(in, exponent);
    if (power == 0.0L || 1.0L + in.r() == 1.0L)
        return checked(power - 1.0L);
    return checked(std::expm1(exponent * std::log1p(in.r())));
}

}  // namespace

void fillFutureValue(const MethodInputs& in, SheetWriter& out)
{
    const int n = in.count;
    shapeSchedule(out, n, false, LastColumn::AccumulatedTotal);
    long double opening = in.e(1);
    long double total = 0;
    for (int k = 1; k <= n; ++k) {
        const long double interest = checked((opening * in.rate) * 0.01L);
        const long double closing = checked(opening + interest);
        out.rowHead(k, k);
        out.money(2, k, interest);
        out.money(3, k, closing);
        total = checked(total + interest);
        opening = closing;
    }
    out.summary(out.values("%m\n%m\n%m\n%n%%", {opening, total, divide(total, n), in.rate}));
}

void fillFutureValueAnnuity(const MethodInputs& in, SheetWriter& out)
{
    const int n = in.count;
    const long double payment = in.e(3);
    shapeSchedule(out, n, true, LastColumn::AccumulatedTotal);
    long double opening = in.e(1);
    long double total = 0;
    for (int k = 1; k <= n; ++k) {
        const long double base = in.paymentsAtStart ? checked(opening + payment) : opening;
        const long double interest = checked((base * in.rate) * 0.01L);
        const long double closing = checked(opening + interest + payment);
        out.paymentRow(k, k, payment, interest, closing);
        total = checked(total + interest);
        opening = closing;
    }
    out.summary(out.values("%m\n%m\n%m\n%m\n%n%%", {opening, checked(n * payment), total, divide(total, n), in.rate}));
}

void fillFutureValueInvestment(const MethodInputs& in, SheetWriter& out)
{
    const int s = in.paymentsAtStart ? 1 : 0;
    const int rows = in.count + s;
    shapeSchedule(out, rows, true, LastColumn::AccumulatedTotal);
    // The exponent is the count entry itself, fraction included.
    const long double annuityFactor = divide(growthLessOne(in, in.e(3) + s), in.r());
    const long double payment = divide(in.e(1), annuityFactor);
    long double closing = 0;
    long double total = 0;
    for (int k = 1; k <= rows; ++k) {
        long double interest = 0;
        if (!in.paymentsAtStart)
            interest = checked(((0.0L * payment + closing) * in.rate) * 0.01L);
        else if (k < rows)
            interest = checked(((payment + closing) * in.rate) * 0.01L);
        total = checked(total + interest);
        closing = checked(closing + payment + interest);
        out.paymentRow(k, in.paymentsAtStart ? k - 1 : k, payment, interest, closing);
    }
    out.summary(out.values("%m\n%m\n%m\n%n%%", {checked(rows * payment), total, divide(total, rows - s), in.rate}));
}

void fillPresentValue(const MethodInputs& in, SheetWriter& out)
{
    const int n = in.count;
    // A zero-coupon bond's value grows to its face value; no account is kept.
    shapeSchedule(out, n + 1, false,
                  in.method == CalcMethod::ZeroCouponBonds ? LastColumn::BondValue : LastColumn::AccumulatedTotal);
    const long double presentValue = divide(in.e(1), growth(in, n));
    long double opening = presentValue;
    long double total = 0;
    for (int k = 1; k <= n + 1; ++k) {
        long double interest = 0;
        long double closing = presentValue;
        if (k > 1) {
            interest = checked((opening * in.rate) * 0.01L);
            closing = checked(opening + interest);
        }
        out.rowHead(k, k - 1);
        if (k > 1)
            out.money(2, k, interest);
        out.money(3, k, closing);
        total = checked(total + interest);
        opening = closing;
    }
    out.summary(out.values("%m\n%m\n%m\n%n%%", {divide(in.e(1), growth(in, n)), total, divide(total, n), in.rate}));
}

void fillPresentValueAnnuity(const MethodInputs& in, SheetWriter& out)
{
    const int n = in.count;
    const long double payment = in.e(3);
    const long double r = in.r();
    shapeSchedule(out, n + 1, true, LastColumn::AccumulatedTotal);
    // Backward from the target in the last row to the amount needed now.
    long double balance = in.e(1);
    long double total = 0;
    for (int k = n + 1; k >= 1; --k) {
        if (k > 1) {
            const long double earning = in.paymentsAtStart ? balance : checked(balance - payment);
            const long double interest = checked(checked(r * earning) * divide(1.0L, checked(1.0L + r)));
            out.paymentRow(k, k - 1, payment, interest, balance);
            balance = checked(balance - interest - payment);
            total = checked(total + interest);
        } else {
            out.rowHead(k, k - 1);
            out.money(4, k, balance);
        }
    }
    out.summary(out.values("%m\n%m\n%m\n%m\n%n%%", {balance, checked(n * payment), total, divide(total, n), in.rate}));
}

void fillLoanPayment(const MethodInputs& in, SheetWriter& out)
{
    const int n = in.count;
    const long double r = in.r();
    shapeSchedule(out, n, true, LastColumn::RemainingTotal);
    const long double principal = checked(in.e(1) - in.e(3));
    const long double annuityFactor = divide(-growthLessOne(in, n), r);
    const long double payment = checked(std::fabs(divide(principal, annuityFactor)) + r * principal);
    // Backward from the last payment, after which nothing remains: each
    // balance is what the payments still to come are worth. Forward, each
    // row would carry the payment's rounding error, grown by the interest of
    // every period, into the next, and a long schedule would end far off.
    const long double discount = divide(1.0L, checked(1.0L + r));
    long double closing = 0;
    long double total = 0;
    for (int k = n; k >= 1; --k) {
        const long double opening = k == 1 ? principal : checked(checked(closing + payment) * discount);
        const long double interest = checked(r * opening);
        out.paymentRow(k, k, payment, interest, closing);
        total = checked(total + interest);
        closing = opening;
    }
    out.summary(out.values("%m\n%m\n%m\n%n%%", {checked(n * payment), total, divide(total, n), in.rate}));
}

}  // namespace pecunor::detail
