#include "text_catalog.h"

namespace pecunor {

namespace {

constexpr TextCatalog english{
    .methodNames = {"Future Value", "Future Value Annuity", "Future Value Investment", "Present Value",
                    "Present Value Annuity", "Present Loan Payment", "Straight-Line Deprec.",
                    "Sum-of-Years Deprec.", "Dbl. Decl. Bal. Deprec.", "Zero Coupon Bonds", "Bond Yield",
                    "Bond Price", "Price / Earnings (Stocks)", "Earnings / Share (Stocks)"},
    .units = {{
        {"Years", "Year", "/ Year"},
        {"Half-Years", "Half-Year", "/ Half-Year"},
        {"Quarters", "Quarter", "/ Quarter"},
        {"Months", "Month", "/ Month"},
        {"Weeks", "Week", "/ Week"},
        {"Days", "Day", "/ Day"},
    }},
    .paymentTimings = {"Start of Period", "End of Period"},
    .inputCaptions = {"&Method", "Start &Date", "&Periods are", "P&ayments Due at"},
    .valueLabels = {{
        {"Present Value", "% Interest", "Number of {P}", ""},
        {"Principal", "% Interest", "Payment/{U}", "Number of {P}"},
        {"Future Value", "% Interest", "Number of {P}", ""},
        {"Future Value", "% Interest", "Number of {P}", ""},
        {"Future Value", "% Interest", "Payment/{U}", "Number of {P}"},
        {"Loan Amount", "% Interest", "Down Payment", "Number of {P}"},
        {"Cost", "Salvage Value", "Life in {P}", ""},
        {"Cost", "Salvage Value", "Life in {P}", ""},
        {"Cost", "Salvage Value", "Life in {P}", ""},
        {"Face Value", "% Interest/{U}", "Number of {P}", ""},
        {"Coupon Rate", "Price", "", ""},
        {"Coupon Rate", "Yield", "", ""},
        {"Closing Price", "Earnings per Share", "", ""},
        {"Closing Price", "Price/Earnings Ratio", "", ""},
    }},
    .headings = {"#", "Date", "Payment/{U}", "Interest/{U}", "Depreciation/{U}", "Accumulated Total",
                 "Remaining Total", "Book Value", "Accumulated Total"},
    .summaryLabels = {
        "Future Value : \nTotal Interest : \nAverage Interest / {U} : \n% Interest / {U} : ",
        "Future Value / Annuity : \nTotal Payments : \nTotal Interest : \nAverage Interest / {U} : \n"
        "% Interest / {U} : ",
        "Total Payments : \nTotal Interest : \nAverage Interest / {U} : \n% Interest / {U} : ",
        "Present Value : \nTotal Interest : \nAverage Interest / {U} : \n% Interest / {U} : ",
        "Present Value Annuity : \nTotal Payments : \nTotal Interest : \nAverage Interest / {U} : \n"
        "% Interest / {U} : ",
        "Total Payments (Periods) : \nTotal Interest : \nAverage Interest / {U} : \n% Interest / {U} : ",
        "Remaining Book Value : \nTotal Depreciation : ",
        "Remaining Book Value : \nTotal Depreciation : \nAverage Depreciation / {U} : ",
        "Remaining Book Value : \nTotal Depreciation : \nAverage Depreciation / {U} : ",
        "Present Value : \nTotal Interest : \nAverage Interest / {U} : \n% Interest / {U} : ",
        "",
        "",
        "",
        "",
    },
    .ratioLabels = {{
        {"Coupon Rate", "Price", "Yield"},
        {"Coupon Rate", "Yield", "Price"},
        {"Closing Price", "Earnings per Share", "Price/Earnings Ratio"},
        {"Closing Price", "Price/Earnings Ratio", "Earnings/Share"},
    }},
    .faultMessages = {"Floating point overflow", "Floating point division by zero",
                      "Invalid floating point operation"},
    .invalidInput = "Insufficient or incorrect input values! Check fields on left side.",
};

// Method names stay within the width of the method box, as the English ones do. Every caption
// of the input rows and the summary stays within the 25 characters of the text file's caption
// column: "Ø" for the averages, whose units would push "Durchschn." past it.
constexpr TextCatalog german{
    // "Geom.-degressive Abschr.": the full "Geometrisch-degressive Abschreibung" is too wide for the box.
    .methodNames = {"Endwert", "Endwert mit Raten", "Sparplan", "Barwert", "Barwert mit Raten",
                    "Annuitätendarlehen", "Lineare Abschreibung", "Digitale Abschreibung",
                    "Geom.-degressive Abschr.", "Nullkuponanleihe", "Laufende Rendite", "Anleihekurs",
                    "Kurs-Gewinn-Verhältnis", "Gewinn je Aktie"},
    .units = {{
        {"Jahre", "Jahr", "/ Jahr"},
        {"Halbjahre", "Halbjahr", "/ Halbjahr"},
        {"Quartale", "Quartal", "/ Quartal"},
        {"Monate", "Monat", "/ Monat"},
        {"Wochen", "Woche", "/ Woche"},
        {"Tage", "Tag", "/ Tag"},
    }},
    .paymentTimings = {"Periodenanfang", "Periodenende"},
    // Alt+D, B, E and H open the German menus, Alt+R and L the result pages.
    .inputCaptions = {"&Methode", "S&tartdatum", "&Periodeneinheit", "&Zahlungszeitpunkt"},
    .valueLabels = {{
        {"Barwert", "Zinssatz (%)", "Anzahl {P}", ""},
        {"Anfangskapital", "Zinssatz (%)", "Rate/{U}", "Anzahl {P}"},
        {"Endwert", "Zinssatz (%)", "Anzahl {P}", ""},
        {"Endwert", "Zinssatz (%)", "Anzahl {P}", ""},
        {"Endwert", "Zinssatz (%)", "Rate/{U}", "Anzahl {P}"},
        {"Darlehensbetrag", "Zinssatz (%)", "Anzahlung", "Anzahl {P}"},
        {"Anschaffungskosten", "Restwert", "Nutzungsdauer ({P})", ""},
        {"Anschaffungskosten", "Restwert", "Nutzungsdauer ({P})", ""},
        {"Anschaffungskosten", "Restwert", "Nutzungsdauer ({P})", ""},
        {"Nennwert", "Zinssatz/{U} (%)", "Anzahl {P}", ""},
        {"Kuponzins", "Kurs", "", ""},
        {"Kuponzins", "Laufende Rendite", "", ""},
        {"Schlusskurs", "Gewinn je Aktie", "", ""},
        {"Schlusskurs", "Kurs-Gewinn-Verhältnis", "", ""},
    }},
    .headings = {"#", "Datum", "Rate/{U}", "Zinsen/{U}", "Abschreibung/{U}", "Kontostand", "Restschuld",
                 "Buchwert", "Wert"},
    .summaryLabels = {
        "Endwert : \nZinsen gesamt : \nØ Zinsen / {U} : \nZinssatz / {U} (%) : ",
        "Endwert mit Raten : \nZahlungen gesamt : \nZinsen gesamt : \nØ Zinsen / {U} : \n"
        "Zinssatz / {U} (%) : ",
        "Zahlungen gesamt : \nZinsen gesamt : \nØ Zinsen / {U} : \nZinssatz / {U} (%) : ",
        "Barwert : \nZinsen gesamt : \nØ Zinsen / {U} : \nZinssatz / {U} (%) : ",
        "Barwert mit Raten : \nZahlungen gesamt : \nZinsen gesamt : \nØ Zinsen / {U} : \n"
        "Zinssatz / {U} (%) : ",
        "Raten gesamt (Laufzeit) : \nZinsen gesamt : \nØ Zinsen / {U} : \nZinssatz / {U} (%) : ",
        "Restbuchwert : \nAbschreibung gesamt : ",
        "Restbuchwert : \nAbschreibung gesamt : \nØ Abschreibung / {U} : ",
        "Restbuchwert : \nAbschreibung gesamt : \nØ Abschreibung / {U} : ",
        "Barwert : \nZinsen gesamt : \nØ Zinsen / {U} : \nZinssatz / {U} (%) : ",
        "",
        "",
        "",
        "",
    },
    .ratioLabels = {{
        {"Kuponzins", "Kurs", "Laufende Rendite"},
        {"Kuponzins", "Laufende Rendite", "Kurs"},
        {"Schlusskurs", "Gewinn je Aktie", "Kurs-Gewinn-Verhältnis"},
        {"Schlusskurs", "Kurs-Gewinn-Verhältnis", "Gewinn je Aktie"},
    }},
    .faultMessages = {"Gleitkommaüberlauf", "Gleitkomma-Division durch null", "Ungültige Gleitkommaoperation"},
    .invalidInput = "Unzureichende oder fehlerhafte Eingabewerte! Bitte die Felder links prüfen.",
};

}  // namespace

const TextCatalog& englishCatalog() { return english; }

const TextCatalog& germanCatalog() { return german; }

const TextCatalog& catalogForLanguage(std::string_view code)
{
    const bool isGerman = code.size() >= 2 && (code[0] == 'd' || code[0] == 'D') && (code[1] == 'e' || code[1] == 'E') &&
                        (code.size() == 2 || code[2] == '_' || code[2] == '-');
    return isGerman ? germanCatalog() : englishCatalog();
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
