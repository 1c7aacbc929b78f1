#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc_types.h"
#include "regional_settings.h"

namespace pecunor {

// Calendar dates as day numbers: day 0 is 30 December 1899, the numbering
// the settings store persists. Only years 1 to 9999 are dates.
using DayNumber = std::int32_t;

struct CivilDate {
    int year;
    int month;
    int day;
};

bool isLeapYear(int year);
int monthLength(int year, int month);

// nullopt unless the date exists in the years 1 to 9999.
std::optional<DayNumber> dayNumberOf(int year, int month, int day);
// Precondition: the day number lies within firstDayNumber..lastDayNumber.
CivilDate civilDateOf(DayNumber day);

extern const DayNumber firstDayNumber;  // 1 January of the year 1
extern const DayNumber lastDayNumber;   // 31 December 9999

// Moves a date by n steps of a kind; months and years keep the day of the
// month where the target month has it, else its last day. A result outside
// the years 1 to 9999 is 1 January of the year 1.
DayNumber addPeriods(long long n, StepKind kind, DayNumber date);
// The same on a date of the years 1 to 9999, without the way through day
// numbers when stepping by months or years.
CivilDate addPeriods(long long n, StepKind kind, CivilDate date);

// A date format compiled once: runs of d, m and y (any case) are day, month
// and year ("yyyy" four digits, "yy" two), "/" is the date separator, text in
// quotes is literal, every other character stands for itself. Days within
// firstDayNumber..lastDayNumber.
class DateFormat {
public:
    DateFormat(std::string_view format, std::string_view dateSeparator);
    void appendTo(std::string& out, DayNumber day) const;
    std::string format(DayNumber day) const;

    // The longest text writeTo gives.
    std::size_t maxLength() const { return maxLength_; }
    // Writes the date from out on, which needs room for maxLength() bytes,
    // and returns its end.
    char* writeTo(char* out, DayNumber day) const;
    char* writeTo(char* out, CivilDate date) const;

private:
    enum class Field { Literal, Day, Day2, Month, Month2, Year2, Year4 };
    struct Token {
        Field field;
        std::string literal;
    };
    std::vector<Token> tokens_;
    std::size_t maxLength_ = 0;
};

// Reads a typed date in the order of the short date format: two or three
// numbers between date separators, blanks allowed before each number and
// separator, one trailing separator allowed. Two numbers are month and day
// of today's year. A year of one or two digits lies in today's century.
std::optional<DayNumber> readDate(std::string_view text, const RegionalSettings& regional, DayNumber today);

// readDate, or the fallback; raises std::runtime_error("Invalid Date") when asked.
DayNumber textToDateOr(std::string_view text, bool raiseOnError, DayNumber fallback, const RegionalSettings& regional,
                       DayNumber today);

// A date for the start date box: in the short date format when that reads
// back as the same day, else with its four-digit year, so that a date of
// another century keeps it.
std::string editableDateText(DayNumber day, const RegionalSettings& regional, DayNumber today);

}  // namespace pecunor
