#include "method_run.h"
#include "number_format.h"

namespace pecunor::detail {

namespace {

void shapeDepreciation(SheetWriter& out, const MethodInputs& in)
{
    const ScheduleHeadings& headings = out.texts().headings;
    const std::string depreciation = out.unitText(headings.depreciationPer);
    out.sheet().dimensionGrid(2, in.count, 2, 1,
                              {headings.rowNumber, headings.date, depreciation, headings.bookValue, ""});
}

void writeRow(SheetWriter& out, int k, long double depreciation, long double bookValue)
{
    out.rowHead(k, k);
    out.money(2, k, depreciation);
    out.money(3, k, bookValue);
}

}  // namespace

void fillStraightLine(const MethodInputs& in, SheetWriter& out)
{
    const long double cost = in.e(1);
    const long double salvage = in.e(2);
    const long double life = in.e(3);  // a fractional life spreads the cost over it
    shapeDepreciation(out, in);
    const long double depreciation = divide(checked(cost - salvage), life);
    long double bookValue = cost;
    for (int k = 1; k <= in.count; ++k) {
        // The cost less k shares rather than a running subtraction, whose
        // error would grow with every row and lose the halves of a long life.
        bookValue = checked(cost - checked(k * depreciation));
        writeRow(out, k, depreciation, bookValue);
    }
    out.summary(out.values("%m\n%m", {bookValue, checked(in.count * depreciation)}));
}

void fillSumOfYears(const MethodInputs& in, SheetWriter& out)
{
    const int n = in.count;
    const long double cost = in.e(1);
    const long double salvage = in.e(2);
    shapeDepreciation(out, in);
    const long double digitsSum = static_cast<long double>(n) * (n + 1) / 2;
    const long double part = divide(checked(cost - salvage), digitsSum);
    long double bookValue = cost;
    for (int k = 1; k <= n; ++k) {
        const long double depreciation = checked((n - k + 1) * part);
        // The digits used so far, n + (n - 1) + ... + (n - k + 1), times one
        // part: the book value without a running subtraction's growing error.
        const long double digitsUsed = static_cast<long double>(k) * n - static_cast<long double>(k) * (k - 1) / 2;
        bookValue = checked(cost - checked(digitsUsed * part));
        writeRow(out, k, depreciation, bookValue);
    }
    out.summary(out.values("%m\n%m\n%m", {bookValue, cost - salvage, divide(cost - salvage, n)}));
}

void fillDoubleDeclining(const MethodInputs& in, SheetWriter& out)
{
    const int n = in.count;
    const long double cost = in.e(1);
    const long double salvage = in.e(2);
    shapeDepreciation(out, in);
    long double bookValue = cost;
    long double total = 0;
    for (int k = 1; k <= n; ++k) {
        long double depreciation = divide(checked(checked(cost - total) * 2.0L), n);
        bookValue = checked(bookValue - depreciation);
        if (bookValue < salvage) {
            // The period that would pass the salvage value is cut to reach it.
            depreciation = checked(depreciation - (salvage - bookValue));
            bookValue = salvage;
        }
        writeRow(out, k, depreciation, bookValue);
        total = checked(total + depreciation);
    }
    out.summary(out.values("%m\n%m\n%m", {bookValue, total, divide(total, n)}));
}

}  // namespace pecunor::detail
