#pragma once

// Shared by the method computations; not part of the engine's interface.

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "calc_types.h"
#include "dates.h"
#include "number_format.h"
#include "regional_settings.h"
#include "result_sheet.h"
#include "text_catalog.h"

namespace pecunor::detail {

// Thrown inside a computation when a value leaves the number range; the
// recomputation catches it and records the fault on the sheet.
struct FaultSignal {
    ArithmeticFault fault;
};

inline long double checked(long double value)
{
    if (std::isnan(value))
        throw FaultSignal{ArithmeticFault::InvalidOperation};
    if (std::isinf(value))
        throw FaultSignal{ArithmeticFault::Overflow};
    return value;
}

inline long double divide(long double dividend, long double divisor)
{
    if (divisor == 0.0L)
        throw FaultSignal{dividend == 0.0L ? ArithmeticFault::InvalidOperation : ArithmeticFault::DivisionByZero};
    return checked(dividend / divisor);
}

// The cleaned entries and what the recomputation derived from them.
struct MethodInputs {
    std::array<long double, 4> entries{};  // E1..E4
    long double rate = 0;                  // percent per period
    int count = 0;                         // whole periods
    bool paymentsAtStart = false;
    DayNumber start = 0;
    DateStep step{1, StepKind::Years};
    CalcMethod method = CalcMethod::FutureValue;
    PeriodUnit unit = PeriodUnit::Years;

    long double e(int number) const { return entries[static_cast<std::size_t>(number - 1)]; }
    long double r() const { return rate * 0.01L; }
};

// Writes the cells of one sheet in the regional formats and the texts of
// one language.
class SheetWriter {
public:
    SheetWriter(ResultSheet& sheet, const RegionalSettings& regional, const MethodInputs& inputs,
                const TextCatalog& texts);

    ResultSheet& sheet() { return sheet_; }
    const RegionalSettings& regional() const { return regional_; }
    const TextCatalog& texts() const { return texts_; }
    // A template of the catalog with the sheet's unit filled in.
    std::string unitText(std::string_view pattern) const;

    // "#" and date cells of a schedule row, the date stepsFromStart steps on.
    void rowHead(int row, int stepsFromStart);
    // Inline: the fill loops hand the value over in registers this way;
    // through a call each long double goes through memory.
    void money(int column, int row, long double value)
    {
        if (!sheet_.keepsFigures()) {
            sheet_.writeCell(column, row, money_.maxLength(), [&](char* room) { return money_.writeTo(room, value); });
            return;
        }
        long double shown;
        sheet_.writeCell(column, row, money_.maxLength(),
                         [&](char* room) { return money_.writeTo(room, value, &shown); });
        if (!std::isnan(shown))
            sheet_.setFigure(column, row, FigureKind::Money, shown);
    }
    // A schedule row of a payment method: "#", date, payment, interest and balance.
    void paymentRow(int row, int stepsFromStart, long double payment, long double interest, long double balance)
    {
        rowHead(row, stepsFromStart);
        money(2, row, payment);
        money(3, row, interest);
        money(4, row, balance);
    }
    // The method's summary captions beside the values, with the numbers of
    // the last values() call.
    void summary(std::string values);
    // The summary's values in the regional formats (formatValues), rounded
    // as the cells are.
    std::string values(std::string_view pattern, std::initializer_list<long double> values);

private:
    ResultSheet& sheet_;
    const RegionalSettings& regional_;
    const MethodInputs& inputs_;
    const TextCatalog& texts_;
    DateFormat sheetDates_;
    CivilDate startDate_;
    // The largest typed amount: every value of the sheet is worked out from
    // the entries, and their reading error scales with the largest; running
    // computations add to it with each of their rows.
    long double source_;
    int steps_;
    AmountFormat money_;
    std::vector<Figure> summaryFigures_;
};

void fillFutureValue(const MethodInputs& in, SheetWriter& out);
void fillFutureValueAnnuity(const MethodInputs& in, SheetWriter& out);
void fillFutureValueInvestment(const MethodInputs& in, SheetWriter& out);
void fillPresentValue(const MethodInputs& in, SheetWriter& out);
void fillPresentValueAnnuity(const MethodInputs& in, SheetWriter& out);
void fillLoanPayment(const MethodInputs& in, SheetWriter& out);
void fillStraightLine(const MethodInputs& in, SheetWriter& out);
void fillSumOfYears(const MethodInputs& in, SheetWriter& out);
void fillDoubleDeclining(const MethodInputs& in, SheetWriter& out);
void fillRatio(const MethodInputs& in, SheetWriter& out);

}  // namespace pecunor::detail
