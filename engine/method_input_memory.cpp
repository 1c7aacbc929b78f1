#include "method_input_memory.h"

namespace pecunor {

MethodInputMemory::MethodInputMemory(DayNumber today)
{
    for (MethodInput& input : slots_)
        input.startDate = today;
}

void MethodInputMemory::remember(const CalcRequest& request, DayNumber startDate)
{
    MethodInput& input = slot(request.method);
    input.startDate = startDate;
    input.periodUnit = indexOf(request.periodUnit);
    input.paymentTiming = indexOf(request.paymentTiming);
    input.valueTexts = request.valueTexts;
    input.interestPer = static_cast<std::uint8_t>(indexOf(request.interestPer));
}

}  // namespace pecunor
