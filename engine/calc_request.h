#pragma once

#include <array>
#include <string>

#include "calc_types.h"

namespace pecunor {

// One calculation as the user entered it: every text exactly as typed.
struct CalcRequest {
    CalcMethod method = CalcMethod::FutureValue;
    std::string startDateText;
    PeriodUnit periodUnit = PeriodUnit::Years;
    PaymentTiming paymentTiming = PaymentTiming::StartOfPeriod;
    std::array<std::string, 4> valueTexts;
    PeriodUnit interestPer = PeriodUnit::Years;
    // The table's figures also as numbers (ResultSheet::figure), for a file
    // that takes numbers; the screen needs only the texts.
    bool withFigures = false;
};

}  // namespace pecunor
