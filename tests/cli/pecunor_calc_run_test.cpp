// Runs the built pecunor-calc and checks what it prints and how it ends.

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>

#include <QDate>
#include <QStringList>

#include "platform/ui_language.h"
#include "product/product_constants.h"

extern char** environ;

namespace {

struct ProgramRun {
    std::string out;
    std::string err;
    int exitStatus = -1;
    long peakResidentKb = 0;
};

using TempFile = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

std::string contentsOf(std::FILE* file)
{
    std::rewind(file);
    std::string text;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, n);
    return text;
}

// The environment of this process with the given "NAME=value" entries in
// place of any of the same name.
std::vector<std::string> environmentWith(const std::vector<std::string>& overrides)
{
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text(*entry);
        bool replaced = false;
        for (const std::string& o : overrides)
            replaced = replaced || text.starts_with(o.substr(0, o.find('=') + 1));
        if (!replaced)
            entries.push_back(text);
    }
    entries.insert(entries.end(), overrides.begin(), overrides.end());
    return entries;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

ProgramRun runCalc(const std::vector<std::string>& arguments, const std::vector<std::string>& environment = {})
{
    TempFile out(std::tmpfile(), std::fclose);
    TempFile err(std::tmpfile(), std::fclose);
    if (!out || !err)
        throw std::runtime_error("no temporary file");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fileno(out.get()), 1);
    posix_spawn_file_actions_adddup2(&actions, fileno(err.get()), 2);
    std::vector<std::string> argv{PECUNOR_CALC};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<std::string> envp = environmentWith(environment);
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, PECUNOR_CALC, &actions, nullptr, pointersTo(argv).data(), pointersTo(envp).data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot start " PECUNOR_CALC);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    ProgramRun run;
    run.out = contentsOf(out.get());
    run.err = contentsOf(err.get());
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakResidentKb = usage.ru_maxrss;
    return run;
}

std::vector<std::string> linesOf(const std::string& text, const std::string& end)
{
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t stop = text.find(end, at);
        if (stop == std::string::npos) {
            lines.push_back(text.substr(at) + "(unterminated)");
            break;
        }
        lines.push_back(text.substr(at, stop - at));
        at = stop + end.size();
    }
    return lines;
}

std::string right(std::string_view text, std::size_t width)
{
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + std::string(text);
}

// 1000 at 10 % a year for 3 years, dated from 15 January 2024.
const std::vector<std::string> futureValueExample = {"--v1", "1000", "--v2",    "10",
                                                     "--v3", "3",    "--today", "2024-01-15"};

std::vector<std::string> with(std::vector<std::string> arguments, const std::vector<std::string>& more)
{
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

// The start date typed as YYYY-MM-DD stays so among the inputs as typed.
TEST(PecunorCalcRunTest, FutureValueExampleAsJsonInEnUs)
{
    const ProgramRun run =
        runCalc(with(futureValueExample, {"--start", "2024-01-15", "--locale", "en_US", "--format", "json"}));
    EXPECT_EQ(run.out,
              R"({"schema":1,"kind":"schedule","inputs":[)"
              R"({"option":"method","caption":"Method","value":0,"key":"futureValue","text":"Future Value"},)"
              R"({"option":"start","caption":"Start Date","typed":"2024-01-15","value":"2024-01-15"},)"
              R"({"option":"periods","caption":"Periods are","value":0,"key":"years","text":"Years"},)"
              R"({"option":"interest-per","caption":"","value":0,"key":"years","text":"/ Year"},)"
              R"({"option":"v1","key":"presentValue","caption":"Present Value","typed":"1000","value":1000},)"
              R"({"option":"v2","key":"interestRate","caption":"% Interest","typed":"10","value":10},)"
              R"({"option":"v3","key":"periodCount","caption":"Number of Years","typed":"3","value":3}],)"
              R"("summary":[{"key":"futureValue","caption":"Future Value","value":1331.00},)"
              R"({"key":"totalInterest","caption":"Total Interest","value":331.00},)"
              R"({"key":"averageInterest","caption":"Average Interest / Year","value":110.33},)"
              R"({"key":"interestRate","caption":"% Interest / Year","value":10.00}],)"
              R"("table":{"columns":[{"key":"period","header":"#"},{"key":"date","header":"Date"},)"
              R"({"key":"interest","header":"Interest/Year"},{"key":"accumulatedTotal","header":"Accumulated Total"}],)"
              R"("rows":[[1,"2025-01-15",100.00,1100.00],[2,"2026-01-15",110.00,1210.00],)"
              R"([3,"2027-01-15",121.00,1331.00]]},"notes":[],"fault":null})"
              "\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.exitStatus, 0);
}

TEST(PecunorCalcRunTest, FutureValueExampleAsJsonInDeDe)
{
    // Euro after the amount, "." between thousands and day-first dates stay out of the numbers.
    const std::vector<std::string> request = with(futureValueExample, {"--start", "2024-01-15", "--format", "json"});
    const ProgramRun german = runCalc(with(request, {"--locale", "de_DE"}));
    EXPECT_EQ(german.out, runCalc(with(request, {"--locale", "en_US"})).out);
    EXPECT_NE(german.out.find(R"("value":1331.00})"), std::string::npos);
    EXPECT_EQ(german.exitStatus, 0);
}

TEST(PecunorCalcRunTest, ReadsMinusValuesAndEqualsForms)
{
    // Entries lose their minus sign, so -1000 calculates as 1000.
    const ProgramRun plain = runCalc(with(futureValueExample, {"--locale", "en_US", "--format", "csv"}));
    const ProgramRun spelled = runCalc({"--v1", "-1000", "--v2=10", "--v3=3", "--today=2024-01-15", "--locale=en_US",
                                        "--format=csv", "--method=Future Value"});
    EXPECT_EQ(spelled.out, plain.out);
    EXPECT_EQ(spelled.exitStatus, 0);
}

// Every input the window reads otherwise than written is named, one line
// each, and the sheet is the one of the input as the window reads it;
// --strict refuses the first such input and accepts a run without any.
TEST(PecunorCalcRunTest, NamesEveryInputNotReadAsWritten)
{
    const struct {
        std::vector<std::string> typed;   // after the Future Value example in en_US
        std::vector<std::string> asRead;  // the same sheet without a note
        std::string notes;
    } cases[] = {
        {{"--v1", "12a34"}, {"--v1", "1234"}, "--v1 '12a34' is read as 1234: 'a' is not part of a number\n"},
        {{"--v1", "-1000"}, {"--v1", "1000"}, "--v1 '-1000' is read as 1000: the sign is ignored\n"},
        {{"--v1", "-$1e3"},
         {"--v1", "13"},
         "--v1 '-$1e3' is read as 13: the sign is ignored; '$e' is not part of a number\n"},
        {{"--v1", "12,34"},
         {"--v1", "1234"},
         "--v1 '12,34' is read as 1234: ',' is not en_US's decimal separator '.'\n"},
        {{"--v1", "1234.5", "--locale", "de_DE"},
         {"--v1", "12345", "--locale", "de_DE"},
         "--v1 '1234.5' is read as 12345: '.' is not de_DE's decimal separator ','\n"},
        {{"--v1", "1.5", "--locale", "fr_FR.UTF-8"},
         {"--v1", "15", "--locale", "fr_FR"},
         "--v1 '1.5' is read as 15: '.' is not fr_FR's decimal separator ','\n"},
        {{"--v1", "1 000,5", "--locale", "fr_FR"}, {"--v1", "1000,5", "--locale", "fr_FR"}, ""},
        {{"--v1", " +1,234.50 "}, {"--v1", "1234.5"}, ""},
        {{"--v1", "1.2.3"}, {"--v1", ""}, "--v1 '1.2.3' is not a number in en_US's form; 0 is used\n"},
        {{"--v3", "3.9"}, {"--v3", "3"}, "--v3 '3.9' counts 3 whole periods; the fraction is ignored\n"},
        {{"--start", "15.01.2024"}, {}, "--start '15.01.2024' is not a date in en_US's short form; today is used\n"},
        {{"--start", "2024-01-15", "--today", "2020-06-01"}, {"--start", "1/15/2024", "--today", "2020-06-01"}, ""},
        {{"--v4", "7", "--timing", "1", "--interest-per", "0"},
         {},
         "--timing is not an input of Future Value; it is ignored\n"
         "--v4 is not an input of Future Value; it is ignored\n"},
        {{"--method", "10", "--v1", "8", "--v2", "100", "--start", "x"},
         {"--method", "10", "--v1", "8", "--v2", "100", "--v3", ""},
         "--start is not an input of Bond Yield; it is ignored\n--v3 is not an input of Bond Yield; it is ignored\n"},
    };
    const std::vector<std::string> base = with(futureValueExample, {"--locale", "en_US", "--format", "csv"});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed[1]);
        const ProgramRun run = runCalc(with(base, c.typed));
        std::string named;
        for (const std::string& note : linesOf(c.notes, "\n"))
            named += "pecunor-calc: " + note + "\n";
        const ProgramRun read = runCalc(with(base, c.asRead));
        EXPECT_EQ(run.out, read.out);
        EXPECT_EQ(run.exitStatus, read.exitStatus);
        EXPECT_EQ(run.err, named + read.err);

        const ProgramRun strict = runCalc(with(with(base, c.typed), {"--strict"}));
        if (c.notes.empty()) {
            EXPECT_EQ(strict.out, run.out);
            EXPECT_EQ(strict.exitStatus, 0);
        } else {
            EXPECT_EQ(strict.err, named.substr(0, named.find('\n') + 1) + "Try 'pecunor-calc --help'.\n");
            EXPECT_EQ(strict.exitStatus, 2);
        }
    }
}

TEST(PecunorCalcRunTest, RatioMethodGivesItsThreeResultsAsTheSummary)
{
    const ProgramRun run =
        runCalc({"--method", "Bond Yield", "--v1", "8", "--v2", "100", "--locale", "en_US", "--format", "json"});
    EXPECT_NE(run.out.find(R"("kind":"ratio",)"), std::string::npos);
    EXPECT_TRUE(run.out.ends_with(R"("summary":[{"key":"couponRate","caption":"Coupon Rate","value":8.00},)"
                                  R"({"key":"price","caption":"Price","value":100.00},)"
                                  R"({"key":"yield","caption":"Yield","value":0.08}],)"
                                  R"("table":{"columns":[],"rows":[]},"notes":[],"fault":null})"
                                  "\n"))
        << run.out;
    EXPECT_EQ(run.exitStatus, 0);
}

TEST(PecunorCalcRunTest, InvalidRequestPrintsAnEmptySheetAndTheErrorLine)
{
    const ProgramRun run = runCalc({"--v2", "10", "--v3", "3", "--locale", "en_US", "--format", "json"});
    const std::string message = "no sheet from these inputs: --v1 (Present Value) must be above 0";
    EXPECT_TRUE(run.out.ends_with(R"("summary":[],"table":{"columns":[],"rows":[]},"notes":[],)"
                                  R"("fault":{"code":"insufficientInput","message":")" +
                                  message + "\"}}\n"))
        << run.out;
    EXPECT_EQ(run.err, "pecunor-calc: " + message + "\n");
    EXPECT_EQ(run.exitStatus, 1);

    const ProgramRun csv = runCalc({"--method", "13", "--v1", "40", "--locale", "en_US", "--format", "csv"});
    EXPECT_EQ(csv.out, "");
    EXPECT_EQ(csv.err, "pecunor-calc: no sheet from these inputs: --v2 (Price/Earnings Ratio) must be above 0\n");
    EXPECT_EQ(csv.exitStatus, 1);
}

TEST(PecunorCalcRunTest, OverflowKeepsTheRowsFilledSoFar)
{
    const std::vector<std::string> overflowing = {"--v1", "1000", "--v2", "1000", "--v3", "5000", "--locale", "en_US"};
    const ProgramRun json = runCalc(with(overflowing, {"--format", "json"}));
    const std::size_t rows = json.out.find(R"("rows":[)");
    ASSERT_NE(rows, std::string::npos);
    EXPECT_NE(json.out.find(R"("summary":[],)"), std::string::npos);
    EXPECT_TRUE(json.out.substr(rows).starts_with(R"("rows":[[1,")"));
    EXPECT_TRUE(json.out.ends_with(
        R"([null,null,null,null]]},"notes":[],"fault":{"code":"overflow","message":"Floating point overflow"}})"
        "\n"));
    EXPECT_EQ(json.err, "Floating point overflow\n");
    EXPECT_EQ(json.exitStatus, 1);

    const ProgramRun csv = runCalc(with(overflowing, {"--format", "csv"}));
    const std::vector<std::string> lines = linesOf(csv.out, "\r\n");
    ASSERT_EQ(lines.size(), 5001u);
    std::size_t filled = 1;
    while (filled < lines.size() && lines[filled].starts_with("\"" + std::to_string(filled) + "\",\""))
        ++filled;
    // Growth by 11 times a period leaves the number range after some 4,700 periods.
    EXPECT_GT(filled, 4000u);
    EXPECT_LT(filled, 5001u);
    for (std::size_t row = filled; row < lines.size(); ++row)
        ASSERT_EQ(lines[row], R"("","","","")") << "row " << row;
    // The same rows filled in the sheet for programs.
    EXPECT_NE(json.out.find("[" + std::to_string(filled - 1) + ",\""), std::string::npos);
    EXPECT_EQ(json.out.find("[" + std::to_string(filled) + ",\""), std::string::npos);
    EXPECT_EQ(csv.err, "Floating point overflow\n");
    EXPECT_EQ(csv.exitStatus, 1);
}

TEST(PecunorCalcRunTest, CsvQuotesEveryCellWithCrLf)
{
    const ProgramRun run = runCalc(with(futureValueExample, {"--locale", "en_US", "--format", "csv"}));
    EXPECT_EQ(run.out, "\"#\",\"Date\",\"Interest/Year\",\"Accumulated Total\"\r\n"
                       "\"1\",\"1/15/2025\",\"$100.00\",\"$1,100.00\"\r\n"
                       "\"2\",\"1/15/2026\",\"$110.00\",\"$1,210.00\"\r\n"
                       "\"3\",\"1/15/2027\",\"$121.00\",\"$1,331.00\"\r\n");
    EXPECT_EQ(run.exitStatus, 0);
}

TEST(PecunorCalcRunTest, AlignedWritesInputsSummaryAndPaddedTable)
{
    const ProgramRun run = runCalc(with(futureValueExample, {"--start", "1/15/2024", "--locale", "en_US"}));
    const auto row = [](std::string_view a, std::string_view b, std::string_view c, std::string_view d) {
        // Widths: longest cell plus two; "Accumulated Total" makes 19.
        return right(a, 3) + right(b, 11) + right(c, 15) + right(d, 19) + "\r\n";
    };
    EXPECT_EQ(run.out,
              "\r\n" + right("Method", 25) + " : Future Value\r\n" +  //
                  right("Start Date", 25) + " : 1/15/2024\r\n" +      //
                  right("Periods are", 25) + " : Years\r\n" +         //
                  right("Present Value", 25) + " : " + right("1000", 15) + "\r\n" + right(" Interest", 25) + " : " +
                  right("10", 15) + "\r\n" + right("Number of Years", 25) + " : " + right("3", 15) + "\r\n" + "\r\n" +
                  right("Future Value :", 27) + right("$1,331.00", 16) + "\r\n" + right("Total Interest :", 27) +
                  right("$331.00", 16) + "\r\n" + right("Average Interest / Year :", 27) + right("$110.33", 16) +
                  "\r\n" + right("% Interest / Year :", 27) + right("10.00%", 16) + "\r\n" + "\r\n\r\n\r\n" +
                  row("#", "Date", "Interest/Year", "Accumulated Total") +
                  row("1", "1/15/2025", "$100.00", "$1,100.00") + row("2", "1/15/2026", "$110.00", "$1,210.00") +
                  row("3", "1/15/2027", "$121.00", "$1,331.00"));
    EXPECT_EQ(run.exitStatus, 0);
}

TEST(PecunorCalcRunTest, UsageErrorsNameTheFaultInOneLineAndPointToHelp)
{
    const struct {
        std::vector<std::string> arguments;
        const char* named;
    } cases[] = {
        {{"--bogus"}, "--bogus"},
        {{"--v1"}, "--v1"},
        {{"--v1", "5", "stray"}, "stray"},
        {{"--method", "x"}, "--method"},
        {{"--method", "14"}, "--method"},
        {{"--periods", "9"}, "--periods"},
        {{"--timing", "-1"}, "--timing"},
        {{"--interest-per", "six"}, "--interest-per"},
        {{"--today", "2024-02-30"}, "--today"},
        {{"--locale", "xx_YY"}, "xx_YY"},
        {{"--locale", "garbage"}, "garbage"},
        {{"--format", "xml"}, "--format"},
        {{"--version=1"}, "--version"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = runCalc(c.arguments);
        const std::vector<std::string> lines = linesOf(run.err, "\n");
        ASSERT_EQ(lines.size(), 2u) << run.err;
        EXPECT_EQ(run.exitStatus, 2) << lines[0];
        EXPECT_EQ(run.out, "") << lines[0];
        EXPECT_TRUE(lines[0].starts_with("pecunor-calc: ")) << lines[0];
        EXPECT_NE(lines[0].find(c.named), std::string::npos) << lines[0];
        EXPECT_EQ(lines[1], "Try 'pecunor-calc --help'.");
    }
}

TEST(PecunorCalcRunTest, HelpAndVersionInShortAndLongForm)
{
    const std::string version =
        std::string(pecunor::Product.ProductName) + " " + std::string(pecunor::Product.ProductVersion) + "\n";
    const ProgramRun help = runCalc({"--help"});
    EXPECT_TRUE(help.out.starts_with("Usage: pecunor-calc [--method N|\"LIST TEXT\"]"));
    const struct {
        std::vector<std::string> arguments;
        std::string out;
    } cases[] = {{{"--help"}, help.out},   {{"-h"}, help.out}, {{"--v1", "x", "-h", "--bogus"}, help.out},
                 {{"--version"}, version}, {{"-V"}, version},  {{"-V", "--help"}, version}};
    for (const auto& c : cases) {
        const ProgramRun run = runCalc(c.arguments);
        EXPECT_EQ(run.out, c.out) << c.arguments.front();
        EXPECT_EQ(run.err, "") << c.arguments.front();
        EXPECT_EQ(run.exitStatus, 0) << c.arguments.front();
    }
}

TEST(PecunorCalcRunTest, TakesTheSystemLocaleWithoutLocaleOption)
{
    const std::vector<std::string> request = with(futureValueExample, {"--format", "csv"});
    const ProgramRun german = runCalc(request, {"LC_ALL=de_DE.UTF-8"});
    // A German desktop chooses the German texts as well.
    EXPECT_EQ(german.out, runCalc(with(request, {"--locale", "de_DE", "--language", "de"})).out);
    EXPECT_NE(german.out.find("\"1.331,00 \u20AC\""), std::string::npos);
    // English texts keep the German formats, the currency's place included.
    const ProgramRun englishTexts = runCalc(request, {"LC_ALL=de_DE.UTF-8", "LANGUAGE=en"});
    EXPECT_EQ(englishTexts.out, runCalc(with(request, {"--locale", "de_DE", "--language", "en"})).out);
    EXPECT_NE(englishTexts.out.find("\"Interest/Year\""), std::string::npos);

    // The C locale: no currency symbol, month-first dates.
    const ProgramRun plain = runCalc(request, {"LC_ALL=C", "LANG=C"});
    EXPECT_EQ(plain.out, "\"#\",\"Date\",\"Interest/Year\",\"Accumulated Total\"\r\n"
                         "\"1\",\"1/15/2025\",\"100.00\",\"1,100.00\"\r\n"
                         "\"2\",\"1/15/2026\",\"110.00\",\"1,210.00\"\r\n"
                         "\"3\",\"1/15/2027\",\"121.00\",\"1,331.00\"\r\n");
}

// The regional variables as given, the others empty, which counts as unset.
std::vector<std::string> regionalEnvironment(const std::vector<std::string>& given)
{
    std::vector<std::string> environment;
    for (const std::string name : {"LC_ALL", "LC_NUMERIC", "LC_MONETARY", "LC_TIME", "LANG", "LANGUAGE"}) {
        environment.push_back(name + "=");
        for (const std::string& entry : given)
            if (entry.starts_with(name + "="))
                environment.back() = entry;
    }
    return environment;
}

TEST(PecunorCalcRunTest, FormsFollowTheRegionalVariablesNeverTheLanguageList)
{
    // A book value rising from 1000 to 2331 in a year: a negative amount and a positive one.
    const std::vector<std::string> request = {"--method", "6",    "--v1",       "1000",    "--v2",
                                              "2331",     "--v3", "1",          "--today", "2024-01-15",
                                              "--format", "csv",  "--language", "en"};
    const char* const cForms = R"("1","1/15/2025","-1,331.00","2,331.00")";
    const struct {
        std::vector<std::string> environment;
        std::string row;
        const char* sameLocale;  // a --locale giving the same bytes
    } cases[] = {
        {{"LC_ALL=de_CH.UTF-8"}, R"("1","15.01.2025","CHF-1’331.00","CHF 2’331.00")", "de_CH"},
        {{"LC_ALL=de_AT.UTF-8"}, "\"1\",\"15.01.2025\",\"-€ 1\u00A0331,00\",\"€ 2\u00A0331,00\"", "de_AT.UTF-8"},
        {{"LANG=de_DE.UTF-8", "LANGUAGE=en"}, R"("1","15.01.2025","-1.331,00 €","2.331,00 €")", "de_DE"},
        {{"LANG=en_US.UTF-8", "LANGUAGE=de"}, R"("1","1/15/2025","-$1,331.00","$2,331.00")", "en_US"},
        {{"LANG=en_US.UTF-8", "LC_MONETARY=de_CH.UTF-8", "LC_NUMERIC=de_DE.UTF-8", "LC_TIME=de_DE.UTF-8"},
         R"("1","15.01.2025","CHF-1.331,00","CHF 2.331,00")",
         nullptr},
        {{"LC_ALL=en_US.UTF-8", "LC_MONETARY=de_CH.UTF-8", "LC_TIME=de_DE.UTF-8"},
         R"("1","1/15/2025","-$1,331.00","$2,331.00")",
         nullptr},
        {{"LANG=C.UTF-8"}, cForms, "C"},
        {{"LANG=C.UTF-8", "LANGUAGE=en"}, cForms, "C"},
        {{"LANG=C.UTF-8", "LANGUAGE=de"}, cForms, "C"},
        {{"LANG=C.UTF-8", "LANGUAGE=ja"}, cForms, "C"},
        {{"LC_ALL=POSIX", "LANG=de_DE.UTF-8", "LANGUAGE=de"}, cForms, "C"},
        {{"LANG=xx_YY.UTF-8"}, cForms, nullptr},
    };
    for (const auto& c : cases) {
        const ProgramRun run = runCalc(request, regionalEnvironment(c.environment));
        EXPECT_EQ(run.out, "\"#\",\"Date\",\"Depreciation/Year\",\"Book Value\"\r\n" + c.row + "\r\n")
            << c.environment.back();
        if (c.sameLocale) {
            EXPECT_EQ(runCalc(with(request, {"--locale", c.sameLocale}), regionalEnvironment({})).out, run.out)
                << c.sameLocale;
        }
    }
    // Under C.UTF-8, as under C, the language list changes no byte, texts included.
    const std::vector<std::string> ownLanguage(request.begin(), request.end() - 2);
    const std::string cBytes = runCalc(ownLanguage, regionalEnvironment({"LANG=C.UTF-8"})).out;
    for (const std::string language : {"en", "de", "fr", "ja"})
        EXPECT_EQ(runCalc(ownLanguage, regionalEnvironment({"LANG=C.UTF-8", "LANGUAGE=" + language})).out, cBytes)
            << language;
}

TEST(PecunorCalcRunTest, DatesRowsFromTheLocalDateByDefault)
{
    const QDate today = QDate::currentDate();
    const ProgramRun run = runCalc({"--v1", "1000", "--v2", "10", "--v3", "1", "--locale", "en_US", "--format", "csv"});
    const std::vector<std::string> lines = linesOf(run.out, "\r\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[1].starts_with("\"1\",\"" + today.addYears(1).toString("M/d/yyyy").toStdString() + "\""))
        << lines[1];
}

TEST(PecunorCalcRunTest, GermanAlignedOutputKeepsUmlautsAndCountsCharacters)
{
    const ProgramRun run = runCalc({"--language", "de",         "--method",  "Endwert mit Raten",
                                    "--start",    "15.01.2024", "--periods", "3",
                                    "--timing",   "1",          "--v1",      "1000",
                                    "--v2",       "6",          "--v3",      "100",
                                    "--v4",       "3",          "--today",   "2024-01-15",
                                    "--locale",   "de_DE"});
    EXPECT_EQ(linesOf(run.out, "\r\n"), (std::vector<std::string>{
                                            "",
                                            "                  Methode : Endwert mit Raten",
                                            "               Startdatum : 15.01.2024",
                                            "          Periodeneinheit : Monate",
                                            "        Zahlungszeitpunkt : Periodenende",
                                            "           Anfangskapital :            1000",
                                            "             Zinssatz (%) :               6",
                                            "               Rate/Monat :             100",
                                            "            Anzahl Monate :               3",
                                            "",
                                            "        Endwert mit Raten :      1.316,35 €",
                                            "         Zahlungen gesamt :        300,00 €",
                                            "            Zinsen gesamt :         16,35 €",
                                            "         Ø Zinsen / Monat :          5,45 €",
                                            "     Zinssatz / Monat (%) :           0,49%",
                                            "",
                                            "",
                                            "",
                                            "  #       Datum  Rate/Monat  Zinsen/Monat  Kontostand",
                                            "  1  15.02.2024    100,00 €        4,93 €  1.104,93 €",
                                            "  2  15.03.2024    100,00 €        5,45 €  1.210,38 €",
                                            "  3  15.04.2024    100,00 €        5,97 €  1.316,35 €",
                                        }));
    EXPECT_EQ(run.exitStatus, 0);
}

TEST(PecunorCalcRunTest, LanguageEnGivesTheDefaultBytesAlsoOnAGermanDesktop)
{
    const std::vector<std::string> requests[] = {
        with(futureValueExample, {"--format", "aligned"}),
        with(futureValueExample, {"--method", "8", "--format", "csv"}),
        with(futureValueExample, {"--method", "Bond Price", "--format", "json"}),
        {"--v1", "1000", "--v2", "1000", "--v3", "5000", "--format", "json"},
        {"--v2", "10", "--format", "aligned"},
        {"--periods", "x"},
        {"--help"},
    };
    for (const std::vector<std::string>& request : requests) {
        const std::vector<std::string> arguments = with(request, {"--locale", "en_US"});
        const ProgramRun plain = runCalc(arguments);
        const ProgramRun english = runCalc(with(arguments, {"--language", "en"}), {"LC_ALL=de_DE.UTF-8"});
        EXPECT_EQ(english.out, plain.out) << request.back();
        EXPECT_EQ(english.err, plain.err) << request.back();
        EXPECT_EQ(english.exitStatus, plain.exitStatus) << request.back();
    }
}

TEST(PecunorCalcRunTest, GermanMessagesOnAGermanDesktopOrByOption)
{
    // Every language the program was built with, as it names them.
    const std::string languages =
        (QStringList{"en"} + pecunor::platform::translatedLanguages()).join(", ").toStdString();
    const struct {
        std::vector<std::string> arguments;
        std::vector<std::string> environment;
        std::string firstErrorLine;
        std::string outStart;
    } cases[] = {
        {{"--v2", "10", "--v3", "5", "--language", "de"},
         {},
         "pecunor-calc: keine Tabelle aus diesen Eingaben: --v1 (Barwert) muss über 0 liegen",
         "\r\n"},
        {{"--v1", "1000", "--v2", "1000", "--v3", "5000", "--format", "csv"},
         {"LC_ALL=de_DE.UTF-8"},
         "Gleitkommaüberlauf",
         "\"#\",\"Datum\",\"Zinsen/Jahr\",\"Kontostand\"\r\n"},
        {{"--periods", "Monate", "--language", "de_AT"},
         {},
         "pecunor-calc: --periods: „Monate“ ist keine der Zahlen 0-5",
         ""},
        {{"--language", "xx"},
         {},
         "pecunor-calc: --language: 'xx' is not a language of the program (" + languages + ")",
         ""},
        {{"--help"}, {"LANG=en_US.UTF-8", "LANGUAGE=de"}, "", "Aufruf: pecunor-calc [--method N|\"METHODENNAME\"]"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = runCalc(c.arguments, c.environment);
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), c.firstErrorLine) << c.arguments.front();
        EXPECT_TRUE(run.out.starts_with(c.outStart)) << run.out.substr(0, 80);
    }
    EXPECT_NE(runCalc({"--help", "--language", "en"}).out.find("the language of the texts: " + languages + " ("),
              std::string::npos);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool sanitized = true;
#else
constexpr bool sanitized = false;
#endif

TEST(PecunorCalcRunTest, LongestScheduleStaysWithinTwentyMegabytes)
{
    if (sanitized)
        GTEST_SKIP() << "the sanitizers' shadow memory outweighs the program";
    const std::string workbook = testing::TempDir() + "longest.xlsx";
    for (const std::string format : {"json", "aligned", "csv", "numbers", "xlsx"}) {
        std::vector<std::string> arguments = {"--method", "4",    "--v1", "1000000",  "--v2",  "1",        "--v3",
                                              "250",      "--v4", "9999", "--locale", "de_DE", "--format", format};
        if (format == "xlsx")
            arguments.insert(arguments.end(), {"--output", workbook});
        const ProgramRun run = runCalc(arguments);
        EXPECT_EQ(run.exitStatus, 0) << format;
        // The workbook's parts are compressed.
        EXPECT_GT(format == "xlsx" ? std::filesystem::file_size(workbook) * 2 : run.out.size(), 400000u) << format;
        EXPECT_LE(run.peakResidentKb, 20 * 1024) << format;
    }
    std::remove(workbook.c_str());
}

}  // namespace
