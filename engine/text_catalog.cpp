#include "text_catalog.h"

// lupdate reads these marks as Qt's and takes their texts into the
// translation files; the engine knows no Qt, so here each is its text alone.
#define QT_TRANSLATE_NOOP(context, text) text
#define QT_TRANSLATE_NOOP3(context, text, disambiguation) text

namespace pecunor {

namespace {

// The heading of the zero-coupon bond's value, the same English words as
// the accumulated total; its mark below carries the same words.
constexpr std::string_view bondValueNote = "value of a zero-coupon bond";

// Texts that several entries share, one translation each.
constexpr std::string_view futureValue = QT_TRANSLATE_NOOP("Engine", "Future Value");
constexpr std::string_view presentValue = QT_TRANSLATE_NOOP("Engine", "Present Value");
constexpr std::string_view interest = QT_TRANSLATE_NOOP("Engine", "% Interest");
constexpr std::string_view periodCount = QT_TRANSLATE_NOOP("Engine", "Number of {P}");
constexpr std::string_view paymentPer = QT_TRANSLATE_NOOP("Engine", "Payment/{U}");
constexpr std::string_view cost = QT_TRANSLATE_NOOP("Engine", "Cost");
constexpr std::string_view salvageValue = QT_TRANSLATE_NOOP("Engine", "Salvage Value");
constexpr std::string_view life = QT_TRANSLATE_NOOP("Engine", "Life in {P}");
constexpr std::string_view couponRate = QT_TRANSLATE_NOOP("Engine", "Coupon Rate");
constexpr std::string_view price = QT_TRANSLATE_NOOP("Engine", "Price");
constexpr std::string_view yield = QT_TRANSLATE_NOOP("Engine", "Yield");
constexpr std::string_view closingPrice = QT_TRANSLATE_NOOP("Engine", "Closing Price");
constexpr std::string_view earningsPerShare = QT_TRANSLATE_NOOP("Engine", "Earnings per Share");
constexpr std::string_view priceEarningsRatio = QT_TRANSLATE_NOOP("Engine", "Price/Earnings Ratio");
constexpr std::string_view accumulatedTotal = QT_TRANSLATE_NOOP("Engine", "Accumulated Total");
constexpr std::string_view presentValueSummary =
    QT_TRANSLATE_NOOP("Engine", "Present Value : \nTotal Interest : \nAverage Interest / {U} : \n% Interest / {U} : ");
constexpr std::string_view bookValueSummary =
    QT_TRANSLATE_NOOP("Engine", "Remaining Book Value : \nTotal Depreciation : \nAverage Depreciation / {U} : ");

constexpr TextCatalog english{
    .methodNames = {futureValue, QT_TRANSLATE_NOOP("Engine", "Future Value Annuity"),
                    QT_TRANSLATE_NOOP("Engine", "Future Value Investment"), presentValue,
                    QT_TRANSLATE_NOOP("Engine", "Present Value Annuity"),
                    QT_TRANSLATE_NOOP("Engine", "Present Loan Payment"),
                    QT_TRANSLATE_NOOP("Engine", "Straight-Line Deprec."),
                    QT_TRANSLATE_NOOP("Engine", "Sum-of-Years Deprec."),
                    QT_TRANSLATE_NOOP("Engine", "Dbl. Decl. Bal. Deprec."),
                    QT_TRANSLATE_NOOP("Engine", "Zero Coupon Bonds"), QT_TRANSLATE_NOOP("Engine", "Bond Yield"),
                    QT_TRANSLATE_NOOP("Engine", "Bond Price"), QT_TRANSLATE_NOOP("Engine", "Price / Earnings (Stocks)"),
                    QT_TRANSLATE_NOOP("Engine", "Earnings / Share (Stocks)")},
    .units = {{
        {QT_TRANSLATE_NOOP("Engine", "Years"), QT_TRANSLATE_NOOP("Engine", "Year"),
         QT_TRANSLATE_NOOP("Engine", "/ Year")},
        {QT_TRANSLATE_NOOP("Engine", "Half-Years"), QT_TRANSLATE_NOOP("Engine", "Half-Year"),
         QT_TRANSLATE_NOOP("Engine", "/ Half-Year")},
        {QT_TRANSLATE_NOOP("Engine", "Quarters"), QT_TRANSLATE_NOOP("Engine", "Quarter"),
         QT_TRANSLATE_NOOP("Engine", "/ Quarter")},
        {QT_TRANSLATE_NOOP("Engine", "Months"), QT_TRANSLATE_NOOP("Engine", "Month"),
         QT_TRANSLATE_NOOP("Engine", "/ Month")},
        {QT_TRANSLATE_NOOP("Engine", "Weeks"), QT_TRANSLATE_NOOP("Engine", "Week"),
         QT_TRANSLATE_NOOP("Engine", "/ Week")},
        {QT_TRANSLATE_NOOP("Engine", "Days"), QT_TRANSLATE_NOOP("Engine", "Day"), QT_TRANSLATE_NOOP("Engine", "/ Day")},
    }},
    .paymentTimings = {QT_TRANSLATE_NOOP("Engine", "Start of Period"), QT_TRANSLATE_NOOP("Engine", "End of Period")},
    .inputCaptions = {QT_TRANSLATE_NOOP("Engine", "&Method"), QT_TRANSLATE_NOOP("Engine", "Start &Date"),
                      QT_TRANSLATE_NOOP("Engine", "&Periods are"), QT_TRANSLATE_NOOP("Engine", "P&ayments Due at")},
    .valueLabels = {{
        {presentValue, interest, periodCount, ""},
        {QT_TRANSLATE_NOOP("Engine", "Principal"), interest, paymentPer, periodCount},
        {futureValue, interest, periodCount, ""},
        {futureValue, interest, periodCount, ""},
        {futureValue, interest, paymentPer, periodCount},
        {QT_TRANSLATE_NOOP("Engine", "Loan Amount"), interest, QT_TRANSLATE_NOOP("Engine", "Down Payment"),
         periodCount},
        {cost, salvageValue, life, ""},
        {cost, salvageValue, life, ""},
        {cost, salvageValue, life, ""},
        {QT_TRANSLATE_NOOP("Engine", "Face Value"), QT_TRANSLATE_NOOP("Engine", "% Interest/{U}"), periodCount, ""},
        {couponRate, price, "", ""},
        {couponRate, yield, "", ""},
        {closingPrice, earningsPerShare, "", ""},
        {closingPrice, priceEarningsRatio, "", ""},
    }},
    .headings = {QT_TRANSLATE_NOOP("Engine", "#"), QT_TRANSLATE_NOOP("Engine", "Date"), paymentPer,
                 QT_TRANSLATE_NOOP("Engine", "Interest/{U}"), QT_TRANSLATE_NOOP("Engine", "Depreciation/{U}"),
                 accumulatedTotal, QT_TRANSLATE_NOOP("Engine", "Remaining Total"),
                 QT_TRANSLATE_NOOP("Engine", "Book Value"),
                 QT_TRANSLATE_NOOP3("Engine", "Accumulated Total", "value of a zero-coupon bond")},
    .summaryLabels =
        {
            QT_TRANSLATE_NOOP("Engine",
                              "Future Value : \nTotal Interest : \nAverage Interest / {U} : \n% Interest / {U} : "),
            QT_TRANSLATE_NOOP("Engine", "Future Value / Annuity : \nTotal Payments : \nTotal Interest : \n"
                                        "Average Interest / {U} : \n% Interest / {U} : "),
            QT_TRANSLATE_NOOP("Engine",
                              "Total Payments : \nTotal Interest : \nAverage Interest / {U} : \n% Interest / {U} : "),
            presentValueSummary,
            QT_TRANSLATE_NOOP("Engine", "Present Value Annuity : \nTotal Payments : \nTotal Interest : \n"
                                        "Average Interest / {U} : \n% Interest / {U} : "),
            QT_TRANSLATE_NOOP("Engine", "Total Payments (Periods) : \nTotal Interest : \nAverage Interest / {U} : \n"
                                        "% Interest / {U} : "),
            QT_TRANSLATE_NOOP("Engine", "Remaining Book Value : \nTotal Depreciation : "),
            bookValueSummary,
            bookValueSummary,
            presentValueSummary,
            "",
            "",
            "",
            "",
        },
    .ratioLabels = {{
        {couponRate, price, yield},
        {couponRate, yield, price},
        {closingPrice, earningsPerShare, priceEarningsRatio},
        {closingPrice, priceEarningsRatio, QT_TRANSLATE_NOOP("Engine", "Earnings/Share")},
    }},
    .faultMessages = {QT_TRANSLATE_NOOP("Engine", "Floating point overflow"),
                      QT_TRANSLATE_NOOP("Engine", "Floating point division by zero"),
                      QT_TRANSLATE_NOOP("Engine", "Invalid floating point operation")},
    .invalidInput = QT_TRANSLATE_NOOP("Engine", "Insufficient or incorrect input values! Check fields on left side."),
};

// Calls visit(text, disambiguation) with each of the catalog's texts in turn,
// as references into it for the translated catalog to replace.
template <typename Catalog, typename Visit>
void visitTexts(Catalog& texts, Visit visit)
{
    auto one = [&visit](auto& text) { visit(text, std::string_view()); };
    auto all = [&one](auto& entries) {
        for (auto& text : entries)
            one(text);
    };
    all(texts.methodNames);
    for (auto& unit : texts.units) {
        one(unit.listText);
        one(unit.word);
        one(unit.interestPer);
    }
    all(texts.paymentTimings);
    auto& c = texts.inputCaptions;
    for (auto* caption : {&c.method, &c.startDate, &c.periodsAre, &c.paymentsDue})
        one(*caption);
    for (auto& labels : texts.valueLabels)
        all(labels);
    auto& h = texts.headings;
    for (auto* heading : {&h.rowNumber, &h.date, &h.paymentPer, &h.interestPer, &h.depreciationPer, &h.accumulatedTotal,
                          &h.remainingTotal, &h.bookValue})
        one(*heading);
    visit(h.bondValue, bondValueNote);
    all(texts.summaryLabels);
    for (auto& labels : texts.ratioLabels)
        all(labels);
    all(texts.faultMessages);
    one(texts.invalidInput);
}

}  // namespace

const TextCatalog& englishCatalog() { return english; }

void forEachText(const TextCatalog& texts,
                 const std::function<void(std::string_view text, std::string_view disambiguation)>& visit)
{
    visitTexts(texts, visit);
}

TranslatedCatalog::TranslatedCatalog(const TranslateText& translate) : texts_(english)
{
    visitTexts(texts_, [&](std::string_view& text, std::string_view disambiguation) {
        // An empty entry is a row the method hides, nothing to translate.
        if (!text.empty())
            text = owned_.emplace_back(translate(engineTextContext, text, disambiguation));
    });
}

std::string fillUnitTemplate(std::string_view pattern, const TextCatalog& texts, PeriodUnit unit)
{
    const UnitTexts& unitTexts = texts.units[static_cast<std::size_t>(indexOf(unit))];
    std::string filled;
    filled.reserve(pattern.size() + 16);
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const std::string_view rest = pattern.substr(at);
        if (rest.starts_with("{P}")) {
            filled.append(unitTexts.listText);
            at += 2;
        } else if (rest.starts_with("{U}")) {
            filled.append(unitTexts.word);
            at += 2;
        } else {
            filled.push_back(pattern[at]);
        }
    }
    return filled;
}

}  // namespace pecunor
