#include "batch_run.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli_texts.h"
#include "platform/ui_language.h"
#include "prepared_run.h"
#include "sheet_json.h"

namespace pecunor::cli {

namespace {

// The options that hold for a whole run, or that a line has no use for.
bool takenByTheRun(const QString& name)
{
    return name == u"format" || name == u"language" || name == u"help" || name == u"version" || name == u"batch" ||
           name.contains(u'=');
}

// The line's options as command-line words ("--name=value"), or why it has none.
std::variant<std::vector<std::string>, std::string> lineOptions(const std::string& line)
{
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromRawData(line.data(), static_cast<qsizetype>(line.size())), &error);
    if (!document.isObject()) {
        if (error.error == QJsonParseError::NoError)
            return translated(QT_TRANSLATE_NOOP("pecunor-calc", "the line is JSON but not an object {...}"));
        return translated(QT_TRANSLATE_NOOP("pecunor-calc", "the line is not JSON: %1 at character %2"),
                          {error.errorString().toStdString(), std::to_string(error.offset + 1)});
    }
    std::vector<std::string> words;
    const QJsonObject request = document.object();
    for (auto member = request.begin(); member != request.end(); ++member) {
        const std::string name = member.key().toStdString();
        if (takenByTheRun(member.key()))
            return translated(QT_TRANSLATE_NOOP("pecunor-calc", "'%1' is not an option of a batch line"), {name});
        const QJsonValue value = member.value();
        const double number = value.toDouble();
        if (value.isString())
            words.push_back("--" + name + "=" + value.toString().toStdString());
        else if (value.isDouble() && number == std::trunc(number) && std::fabs(number) < 0x1p53)
            words.push_back("--" + name + "=" + std::to_string(static_cast<long long>(number)));
        else
            return translated(QT_TRANSLATE_NOOP("pecunor-calc", "'%1' takes a text or a whole number"), {name});
    }
    return words;
}

// One answer line, and whether it is a sheet without a fault.
ProgramSheet answer(const std::string& line, int lineNumber, const std::vector<std::string>& runArguments,
                    const TextCatalog& texts)
{
    auto words = lineOptions(line);
    if (const auto* problem = std::get_if<std::string>(&words))
        return {requestFaultJson(lineNumber, *problem)};
    std::vector<std::string> arguments = runArguments;
    const auto& own = std::get<std::vector<std::string>>(words);
    arguments.insert(arguments.end(), own.begin(), own.end());
    // Help and version are no options of a line (lineOptions), so the request
    // is a sheet or a usage error.
    const PreparedCommandLine prepared = prepareRun(arguments, texts);
    if (const auto* run = std::get_if<PreparedRun>(&prepared))
        return programSheetJson(*run, texts, lineNumber);
    return {requestFaultJson(lineNumber, std::get<UsageError>(prepared).message)};
}

}  // namespace

std::optional<std::vector<std::string>> batchArguments(const std::vector<std::string>& arguments)
{
    if (std::ranges::find(arguments, "--batch") == arguments.end())
        return std::nullopt;
    std::vector<std::string> rest;
    std::ranges::copy_if(arguments, std::back_inserter(rest),
                         [](const std::string& word) { return word != "--batch"; });
    return rest;
}

int runBatch(std::istream& in, std::ostream& out, std::ostream& err, const std::vector<std::string>& runArguments)
{
    const TextCatalog& texts = platform::interfaceCatalog();
    // The run's own options are checked once: with a fault there, every line would fail alike.
    const PreparedCommandLine prepared = prepareRun(runArguments, texts);
    std::string problem;
    if (const auto* error = std::get_if<UsageError>(&prepared))
        problem = error->message;
    else if (!std::holds_alternative<PreparedRun>(prepared) || std::get<PreparedRun>(prepared).options.gave("--format"))
        problem = translated(QT_TRANSLATE_NOOP("pecunor-calc", "--batch writes one JSON sheet a line and takes "
                                                               "no --format, --help or --version"));
    if (!problem.empty()) {
        err << usageErrorText(problem);
        return 2;
    }
    bool allComplete = true;
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.ends_with('\r'))
            line.pop_back();
        const ProgramSheet sheet = answer(line, ++lineNumber, runArguments, texts);
        allComplete = allComplete && sheet.complete;
        out << sheet.json;
        // A program that waits for each answer before it writes the next
        // request gets it now; a stream of requests is written in blocks.
        if (in.rdbuf()->in_avail() <= 0)
            out.flush();
    }
    out.flush();
    return allComplete ? 0 : 1;
}

}  // namespace pecunor::cli
