#include "input_notes.h"

#include <array>
#include <cmath>

#include <QCoreApplication>

#include "cli_texts.h"
#include "engine/entry_reading.h"
#include "engine/method_input_table.h"

namespace pecunor::cli {

namespace {

constexpr std::array<std::string_view, 4> valueOptions = {"--v1", "--v2", "--v3", "--v4"};
constexpr std::array<InputRow, 4> valueRows = {InputRow::Value1, InputRow::Value2, InputRow::Value3, InputRow::Value4};
// Counts from this many periods on are no input (the count field holds four digits).
constexpr long double countLimit = 10000.0L;

std::string valueNote(std::string_view option, std::string_view typed, const EntryReading& reading,
                      const RegionalSettings& regional, const FormLocales& locales)
{
    if (reading.unreadable)
        return translated(QT_TRANSLATE_NOOP("pecunor-calc", "%1 '%2' is not a number in %3's form; 0 is used"),
                          {option, typed, locales.numbers});
    std::string reasons;
    const auto add = [&reasons](const std::string& reason) {
        reasons.append(reasons.empty() ? "" : "; ").append(reason);
    };
    if (reading.signIgnored)
        add(translated(QT_TRANSLATE_NOOP("pecunor-calc", "the sign is ignored")));
    if (!reading.misreadSeparators.empty())
        add(translated(QT_TRANSLATE_NOOP("pecunor-calc", "'%1' is not %2's decimal separator '%3'"),
                       {reading.misreadSeparators, locales.numbers, regional.decimalSeparator}));
    if (!reading.droppedCharacters.empty())
        add(translated(QT_TRANSLATE_NOOP("pecunor-calc", "'%1' is not part of a number"), {reading.droppedCharacters}));
    const std::string read = reading.readText.empty() ? "0" : reading.readText;
    return translated(QT_TRANSLATE_NOOP("pecunor-calc", "%1 '%2' is read as %3: %4"), {option, typed, read, reasons});
}

std::string unusedNote(std::string_view option, CalcMethod method, const TextCatalog& texts)
{
    return translated(QT_TRANSLATE_NOOP("pecunor-calc", "%1 is not an input of %2; it is ignored"),
                      {option, methodListText(method, texts)});
}

// The value options' captions as the window labels them, without the
// blanks that align them there and the mnemonics' "&" ("&&" is one "&").
std::string captioned(const CalcRequest& request, int valueNumber, const TextCatalog& texts)
{
    std::string label;
    const std::string window = valueLabel(request.method, valueNumber, request.periodUnit, texts);
    for (std::size_t at = 0; at < window.size(); ++at) {
        if (window[at] == '&' && ++at == window.size())
            break;
        label.push_back(window[at]);
    }
    label.erase(0, label.find_first_not_of(' '));
    label.erase(label.find_last_not_of(' ') + 1);
    return std::string(valueOptions[static_cast<std::size_t>(valueNumber - 1)]) + " (" + label + ")";
}

// What a method needs of its values before it gives a sheet. Entries are
// never negative (the sign is ignored), so "0 or more" always holds.
enum class Need { AboveZero, EitherAboveZero, NotAboveOther, PeriodCount };

struct ValueNeed {
    Need need;
    int value;
    int other = 0;
};

std::vector<ValueNeed> needsOf(CalcMethod method)
{
    const int count = methodInputRow(method).countEntry;
    switch (method) {
    case CalcMethod::FutureValueAnnuity:
    case CalcMethod::PresentValueAnnuity: return {{Need::EitherAboveZero, 1, 3}, {Need::PeriodCount, count}};
    case CalcMethod::FutureValueInvestment:
        return {{Need::AboveZero, 1}, {Need::AboveZero, 2}, {Need::PeriodCount, count}};
    case CalcMethod::PresentLoanPayment:
        return {{Need::AboveZero, 1}, {Need::AboveZero, 2}, {Need::NotAboveOther, 3, 1}, {Need::PeriodCount, count}};
    case CalcMethod::BondYield:
    case CalcMethod::BondPrice:
    case CalcMethod::PriceEarnings:
    case CalcMethod::EarningsPerShare: return {{Need::AboveZero, 1}, {Need::AboveZero, 2}};
    default: return {{Need::AboveZero, 1}, {Need::PeriodCount, count}};
    }
}

bool met(const ValueNeed& need, const std::array<long double, 4>& values)
{
    const long double value = values[static_cast<std::size_t>(need.value - 1)];
    const long double other = need.other > 0 ? values[static_cast<std::size_t>(need.other - 1)] : 0;
    switch (need.need) {
    case Need::AboveZero: return value > 0;
    case Need::EitherAboveZero: return value > 0 || other > 0;
    case Need::NotAboveOther: return value <= other;
    case Need::PeriodCount: return value >= 1 && value < countLimit;
    }
    return false;
}

std::string needText(const ValueNeed& need, const CalcRequest& request, const TextCatalog& texts)
{
    const std::string value = captioned(request, need.value, texts);
    const std::string other = need.other > 0 ? captioned(request, need.other, texts) : "";
    switch (need.need) {
    case Need::AboveZero: return translated(QT_TRANSLATE_NOOP("pecunor-calc", "%1 must be above 0"), {value});
    case Need::EitherAboveZero:
        return translated(QT_TRANSLATE_NOOP("pecunor-calc", "%1 or %2 must be above 0"), {value, other});
    case Need::NotAboveOther:
        return translated(QT_TRANSLATE_NOOP("pecunor-calc", "%1 must not be above %2"), {value, other});
    case Need::PeriodCount:
        return translated(QT_TRANSLATE_NOOP("pecunor-calc", "%1 must count 1 to 9999 periods"), {value});
    }
    return {};
}

}  // namespace

std::vector<std::string> inputNotes(const CliOptions& options, const RegionalSettings& regional, DayNumber today,
                                    const FormLocales& locales, const TextCatalog& texts)
{
    const CalcRequest& request = options.request;
    const MethodInputRow& inputRow = methodInputRow(request.method);
    std::vector<std::string> notes;
    if (!request.startDateText.empty()) {
        if (!inputRow.shows(InputRow::StartDate))
            notes.push_back(unusedNote("--start", request.method, texts));
        else if (readStartDate(request.startDateText, regional, today).replacedByToday)
            notes.push_back(translated(
                QT_TRANSLATE_NOOP("pecunor-calc", "--start '%1' is not a date in %2's short form; today is used"),
                {request.startDateText, locales.dates}));
    }
    if (options.gave("--periods") && !inputRow.shows(InputRow::PeriodsAre))
        notes.push_back(unusedNote("--periods", request.method, texts));
    if (options.gave("--timing") && !inputRow.shows(InputRow::PaymentsDue))
        notes.push_back(unusedNote("--timing", request.method, texts));
    if (options.gave("--interest-per") && !inputRow.interestPerOffered)
        notes.push_back(unusedNote("--interest-per", request.method, texts));
    for (std::size_t index = 0; index < valueOptions.size(); ++index) {
        const std::string& typed = request.valueTexts[index];
        if (typed.empty())
            continue;
        if (!inputRow.shows(valueRows[index])) {
            notes.push_back(unusedNote(valueOptions[index], request.method, texts));
            continue;
        }
        const EntryReading reading = readValueEntry(typed, regional);
        if (!reading.readAsWritten())
            notes.push_back(valueNote(valueOptions[index], typed, reading, regional, locales));
        const bool countsPeriods = inputRow.countEntry == static_cast<int>(index) + 1;
        if (countsPeriods && reading.value < countLimit && reading.value != std::floor(reading.value))
            notes.push_back(translated(
                QT_TRANSLATE_NOOP("pecunor-calc", "%1 '%2' counts %3 whole periods; the fraction is ignored"),
                {valueOptions[index], typed, std::to_string(static_cast<int>(reading.value))}));
    }
    return notes;
}

std::string noSheetMessage(const CalcRequest& request, const RegionalSettings& regional, const TextCatalog& texts)
{
    std::array<long double, 4> values{};
    for (std::size_t index = 0; index < values.size(); ++index)
        values[index] = valueEntryAmount(request.valueTexts[index], regional);
    const std::vector<ValueNeed> needs = needsOf(request.method);
    std::string missed;
    for (const ValueNeed& need : needs)
        if (!met(need, values))
            missed.append(missed.empty() ? "" : "; ").append(needText(need, request, texts));
    // Every need of the method, should the engine have refused for another reason.
    if (missed.empty())
        for (const ValueNeed& need : needs)
            missed.append(missed.empty() ? "" : "; ").append(needText(need, request, texts));
    return translated(QT_TRANSLATE_NOOP("pecunor-calc", "no sheet from these inputs: %1"), {missed});
}

}  // namespace pecunor::cli
