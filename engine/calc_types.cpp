#include "calc_types.h"

#include "text_catalog.h"

namespace pecunor {

namespace {

constexpr std::array<PeriodUnitInfo, periodUnitCount> unitMeasures = {{
    {365.0f, {1, StepKind::Years}},
    {182.5f, {6, StepKind::Months}},
    {90.0f, {3, StepKind::Months}},
    {30.0f, {1, StepKind::Months}},
    {7.0f, {7, StepKind::Days}},
    {1.0f, {1, StepKind::Days}},
}};

const UnitTexts& unitTexts(PeriodUnit u, const TextCatalog& texts)
{
    return texts.units[static_cast<std::size_t>(indexOf(u))];
}

template <typename Enum>
std::optional<Enum> enumFromIndex(long long index, int count)
{
    if (index < 0 || index >= count)
        return std::nullopt;
    return static_cast<Enum>(index);
}

}  // namespace

std::optional<CalcMethod> methodFromIndex(long long index) { return enumFromIndex<CalcMethod>(index, methodCount); }

std::optional<PeriodUnit> periodUnitFromIndex(long long index)
{
    return enumFromIndex<PeriodUnit>(index, periodUnitCount);
}

std::optional<PaymentTiming> paymentTimingFromIndex(long long index)
{
    return enumFromIndex<PaymentTiming>(index, paymentTimingCount);
}

std::string_view methodListText(CalcMethod m, const TextCatalog& texts)
{
    return texts.methodNames[static_cast<std::size_t>(indexOf(m))];
}

const PeriodUnitInfo& periodUnitInfo(PeriodUnit u) { return unitMeasures[static_cast<std::size_t>(indexOf(u))]; }

std::string_view periodUnitText(PeriodUnit u, const TextCatalog& texts) { return unitTexts(u, texts).listText; }

std::string_view interestPerText(PeriodUnit u, const TextCatalog& texts) { return unitTexts(u, texts).interestPer; }

std::string_view paymentTimingText(PaymentTiming t, const TextCatalog& texts)
{
    return texts.paymentTimings[static_cast<std::size_t>(indexOf(t))];
}

}  // namespace pecunor
