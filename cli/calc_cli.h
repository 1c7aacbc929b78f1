#pragma once

#include <string>
#include <vector>

#include "command_line.h"
#include "engine/calc_request.h"
#include "engine/result_sheet.h"
#include "output/text_layout.h"
#include "prepared_run.h"

namespace pecunor::cli {

enum ExitStatus { exitValidSheet = 0, exitNoValidSheet = 1, exitUsageError = 2 };

// What one run prints and how it ends.
struct CliOutput {
    std::string out;
    std::string err;
    int exitStatus = exitValidSheet;
};

// The language of a run: the one --language names, else the desktop's as
// the window chooses it.
std::string runLanguage(const std::vector<std::string>& arguments);

// The visible input rows as the window shows them for the request.
std::vector<InputRowText> inputRowTexts(const CalcRequest& request, const TextCatalog& texts = englishCatalog());

// The run's sheet in its format: the text layouts of the window's sheet, the
// sheet for programs or the plain numbers (each computed in plain forms), or
// the window's workbook in the --output file, whose failure names the file
// and the reason. An invalid sheet (noSheetMessage), a fault or a workbook not
// written adds its message on the error stream and exit status 1.
CliOutput renderSheet(const PreparedRun& run, const ResultSheet& sheet, const TextCatalog& texts = englishCatalog());

// Calculates and renders a prepared request, its notes first on the error
// stream.
CliOutput runPrepared(const PreparedRun& run, const TextCatalog& texts = englishCatalog());

// One whole run in the interface language (platform::interfaceLanguage):
// reads the arguments (after the program name), takes the regional settings
// of the named or the system's locale, calculates and renders.
CliOutput runCommandLine(const std::vector<std::string>& arguments);

}  // namespace pecunor::cli
