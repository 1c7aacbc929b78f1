#include "prepared_run.h"

#include <QCoreApplication>
#include <QDate>

#include "cli_texts.h"
#include "engine/entry_reading.h"
#include "input_notes.h"
#include "platform/regional_settings_qt.h"

namespace pecunor::cli {

namespace {

DayNumber localToday()
{
    const QDate date = QDate::currentDate();
    return dayNumberOf(date.year(), date.month(), date.day()).value_or(0);
}

// "de_DE" of "de_DE.UTF-8" or "de_DE@euro": how people name the forms.
std::string withoutCodeset(std::string_view name) { return std::string(name.substr(0, name.find_first_of(".@"))); }

// The locale the C library takes for a category, as systemRegionalSettings
// reads it; C where none is set or Qt does not know it.
std::string systemLocaleName(const char* category)
{
    const QString name = platform::localeNameOf(category);
    return platform::regionalSettingsNamed(name) ? withoutCodeset(name.toStdString()) : "C";
}

}  // namespace

PreparedCommandLine prepareRun(const std::vector<std::string>& arguments, const TextCatalog& texts)
{
    ParsedCommandLine parsed = parseArguments(arguments, texts);
    if (std::holds_alternative<HelpWanted>(parsed))
        return HelpWanted{};
    if (std::holds_alternative<VersionWanted>(parsed))
        return VersionWanted{};
    if (auto* error = std::get_if<UsageError>(&parsed))
        return std::move(*error);

    PreparedRun run{std::move(std::get<CliOptions>(parsed)), {}, 0, {}, {}};
    FormLocales locales;
    if (const auto& name = run.options.localeName) {
        // The same forms as under LC_ALL of that name.
        const auto named = platform::regionalSettingsNamed(QString::fromStdString(*name));
        if (!named)
            return UsageError{translated(QT_TRANSLATE_NOOP("pecunor-calc", "--locale: unknown locale '%1'"), {*name})};
        run.regional = *named;
        locales = {withoutCodeset(*name), withoutCodeset(*name)};
    } else {
        run.regional = platform::systemRegionalSettings();
        locales = {systemLocaleName("LC_NUMERIC"), systemLocaleName("LC_TIME")};
    }
    run.today = run.options.today.value_or(localToday());

    std::string& start = run.options.request.startDateText;
    run.typedStart = start;
    if (!readDate(start, run.regional, run.today))
        if (const auto day = readIsoDate(start))
            start = editableDateText(*day, run.regional, run.today);
    run.notes = inputNotes(run.options, run.regional, run.today, locales, texts);
    if (run.options.strict && !run.notes.empty())
        return UsageError{run.notes.front()};
    return run;
}

}  // namespace pecunor::cli
