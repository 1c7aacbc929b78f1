#pragma once

#include <string>
#include <vector>

#include "command_line.h"
#include "engine/regional_settings.h"

namespace pecunor::cli {

// The locales whose forms the notes speak of, as the user named them.
struct FormLocales {
    std::string numbers;
    std::string dates;
};

// One line for each input given that the window would read otherwise than
// written: characters left out of a number, a sign ignored, a separator not
// of the locale, an unreadable start date replaced by today, the fraction of
// a period count, an input the method does not use. In the order of the
// input rows.
std::vector<std::string> inputNotes(const CliOptions& options, const RegionalSettings& regional, DayNumber today,
                                    const FormLocales& locales, const TextCatalog& texts = englishCatalog());

// Why the inputs give no sheet, naming the options of the method's needs
// that they miss, in one line.
std::string noSheetMessage(const CalcRequest& request, const RegionalSettings& regional,
                           const TextCatalog& texts = englishCatalog());

}  // namespace pecunor::cli
