#include "dates.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "digit_text.h"

namespace pecunor {

namespace {

// Days from 1 January 1970 of a proleptic Gregorian date (H. Hinnant's algorithm).
constexpr long long daysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

constexpr long long epochOffset = daysFromCivil(1899, 12, 30);

constexpr char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// A number below 100 from the table of digit pairs; a leading zero only
// when asked for.
char* putBelowHundred(char* out, unsigned value, bool leadingZero)
{
    const char* pair = &digit_text::digitPairs[value * 2];
    if (leadingZero || value >= 10)
        *out++ = pair[0];
    *out++ = pair[1];
    return out;
}

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

DateOrder dateOrderOf(std::string_view shortDateFormat)
{
    for (char c : shortDateFormat) {
        switch (lower(c)) {
        case 'd': return DateOrder::DayMonthYear;
        case 'y': return DateOrder::YearMonthDay;
        case 'm': return DateOrder::MonthDayYear;
        default: break;
        }
    }
    return DateOrder::MonthDayYear;
}

class DateScanner {
public:
    DateScanner(std::string_view text, std::string_view separator) : text_(text), separator_(separator) { }

    void skipBlanks()
    {
        while (at_ < text_.size() && text_[at_] == ' ')
            ++at_;
    }
    bool takeSeparator()
    {
        skipBlanks();
        if (separator_.empty() || text_.substr(at_, separator_.size()) != separator_)
            return false;
        at_ += separator_.size();
        return true;
    }
    // A whole number of up to 9 digits, with its digit count.
    std::optional<std::pair<int, int>> takeNumber()
    {
        skipBlanks();
        int value = 0;
        int digits = 0;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') {
            if (++digits > 9)
                return std::nullopt;
            value = value * 10 + (text_[at_] - '0');
            ++at_;
        }
        if (digits == 0)
            return std::nullopt;
        return std::pair{value, digits};
    }
    bool atEnd()
    {
        skipBlanks();
        return at_ == text_.size();
    }

private:
    std::string_view text_;
    std::string_view separator_;
    std::size_t at_ = 0;
};

}  // namespace

const DayNumber firstDayNumber = static_cast<DayNumber>(daysFromCivil(1, 1, 1) - epochOffset);
const DayNumber lastDayNumber = static_cast<DayNumber>(daysFromCivil(9999, 12, 31) - epochOffset);

bool isLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int monthLength(int year, int month)
{
    static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && isLeapYear(year))
        return 29;
    return lengths[month - 1];
}

std::optional<DayNumber> dayNumberOf(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > monthLength(year, month))
        return std::nullopt;
    return static_cast<DayNumber>(daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                                  epochOffset);
}

CivilDate civilDateOf(DayNumber dayNumber)
{
    const long long z = static_cast<long long>(dayNumber) + epochOffset + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

// More steps than the calendar has days leave it whatever the kind; the
// guard also keeps the arithmetic below far from overflowing.
constexpr long long calendarSpan = 4'000'000;

DayNumber addPeriods(long long n, StepKind kind, DayNumber date)
{
    if (n > calendarSpan || n < -calendarSpan)
        return firstDayNumber;
    if (kind == StepKind::Days) {
        const long long moved = static_cast<long long>(date) + n;
        return (moved < firstDayNumber || moved > lastDayNumber) ? firstDayNumber : static_cast<DayNumber>(moved);
    }
    const CivilDate moved = addPeriods(n, kind, civilDateOf(date));
    return *dayNumberOf(moved.year, moved.month, moved.day);
}

CivilDate addPeriods(long long n, StepKind kind, CivilDate from)
{
    constexpr CivilDate firstDate{1, 1, 1};
    if (kind == StepKind::Days)
        return civilDateOf(addPeriods(n, kind, *dayNumberOf(from.year, from.month, from.day)));
    if (n > calendarSpan || n < -calendarSpan)
        return firstDate;
    long long year = from.year;
    long long month = from.month;
    if (kind == StepKind::Months) {
        const long long m = month + n;
        if (m > 12) {
            year += m / 12;
            month = m % 12;
            if (month == 0) {
                month = 12;
                year -= 1;
            }
        } else if (m < 1) {
            year += m / 12 - 1;
            month = 12 - (-m % 12);
        } else {
            month = m;
        }
    } else {
        year += n;
    }
    if (year < 1 || year > 9999)
        return firstDate;
    const int y = static_cast<int>(year);
    const int mo = static_cast<int>(month);
    return {y, mo, std::min(from.day, monthLength(y, mo))};
}

DateFormat::DateFormat(std::string_view format, std::string_view dateSeparator)
{
    auto addLiteral = [this](std::string_view text) {
        if (tokens_.empty() || tokens_.back().field != Field::Literal)
            tokens_.push_back({Field::Literal, {}});
        tokens_.back().literal.append(text);
    };
    for (std::size_t at = 0; at < format.size();) {
        const char c = lower(format[at]);
        if (c == 'd' || c == 'm' || c == 'y') {
            std::size_t run = 0;
            while (at + run < format.size() && lower(format[at + run]) == c)
                ++run;
            at += run;
            if (c == 'd')
                tokens_.push_back({run == 1 ? Field::Day : Field::Day2, {}});
            else if (c == 'm')
                tokens_.push_back({run == 1 ? Field::Month : Field::Month2, {}});
            else
                tokens_.push_back({run <= 2 ? Field::Year2 : Field::Year4, {}});
        } else if (c == '\'' || c == '"') {
            const std::size_t close = format.find(c, at + 1);
            const std::size_t end = close == std::string_view::npos ? format.size() : close;
            addLiteral(format.substr(at + 1, end - at - 1));
            at = end == format.size() ? end : end + 1;
        } else if (c == '/') {
            addLiteral(dateSeparator);
            ++at;
        } else {
            addLiteral(format.substr(at, 1));
            ++at;
        }
    }
    for (const Token& token : tokens_) {
        if (token.field == Field::Literal)
            maxLength_ += token.literal.size();
        else
            maxLength_ += token.field == Field::Year4 ? 4 : 2;
    }
}

void DateFormat::appendTo(std::string& out, DayNumber day) const
{
    const std::size_t start = out.size();
    out.resize(start + maxLength_);
    char* const end = writeTo(out.data() + start, day);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

char* DateFormat::writeTo(char* out, DayNumber day) const { return writeTo(out, civilDateOf(day)); }

char* DateFormat::writeTo(char* out, CivilDate date) const
{
    const auto day = static_cast<unsigned>(date.day);
    const auto month = static_cast<unsigned>(date.month);
    const auto year = static_cast<unsigned>(date.year) % 10000;  // four digits within the calendar
    for (const Token& token : tokens_) {
        switch (token.field) {
        case Field::Literal: out = digit_text::putText(out, token.literal); break;
        case Field::Day: out = putBelowHundred(out, day, false); break;
        case Field::Day2: out = putBelowHundred(out, day, true); break;
        case Field::Month: out = putBelowHundred(out, month, false); break;
        case Field::Month2: out = putBelowHundred(out, month, true); break;
        case Field::Year2: out = putBelowHundred(out, year % 100, true); break;
        case Field::Year4:
            out = putBelowHundred(out, year / 100, true);
            out = putBelowHundred(out, year % 100, true);
            break;
        }
    }
    return out;
}

std::string DateFormat::format(DayNumber day) const
{
    std::string out;
    appendTo(out, day);
    return out;
}

std::optional<DayNumber> readDate(std::string_view text, const RegionalSettings& regional, DayNumber today)
{
    DateScanner scan(text, regional.dateSeparator);
    std::pair<int, int> numbers[3];
    int count = 0;
    while (count < 3) {
        const auto number = scan.takeNumber();
        if (!number)
            return std::nullopt;
        numbers[count++] = *number;
        if (!scan.takeSeparator())
            break;
        if (scan.atEnd())
            break;  // one trailing separator
    }
    if (count < 2 || !scan.atEnd())
        return std::nullopt;

    const int currentYear = civilDateOf(today).year;
    const DateOrder order = dateOrderOf(regional.shortDateFormat);
    int year = currentYear;
    int month = 0;
    int day = 0;
    if (count == 2) {
        const bool dayFirst = order == DateOrder::DayMonthYear;
        month = numbers[dayFirst ? 1 : 0].first;
        day = numbers[dayFirst ? 0 : 1].first;
    } else {
        int yearIndex = 2;
        switch (order) {
        case DateOrder::MonthDayYear:
            month = numbers[0].first;
            day = numbers[1].first;
            break;
        case DateOrder::DayMonthYear:
            day = numbers[0].first;
            month = numbers[1].first;
            break;
        case DateOrder::YearMonthDay:
            yearIndex = 0;
            month = numbers[1].first;
            day = numbers[2].first;
            break;
        }
        year = numbers[yearIndex].first;
        if (numbers[yearIndex].second <= 2)
            year += currentYear / 100 * 100;
    }
    return dayNumberOf(year, month, day);
}

DayNumber textToDateOr(std::string_view text, bool raiseOnError, DayNumber fallback, const RegionalSettings& regional,
                       DayNumber today)
{
    if (const auto date = readDate(text, regional, today))
        return *date;
    if (raiseOnError)
        throw std::runtime_error("Invalid Date");
    return fallback;
}

std::string sheetDateFormat(std::string_view shortDateFormat)
{
    std::string format(shortDateFormat);
    std::string lowered;
    for (char c : format)
        lowered.push_back(lower(c));
    if (lowered.find("yyyy") == std::string::npos) {
        const std::size_t firstY = lowered.find('y');
        if (firstY != std::string::npos)
            format.insert(firstY, "yy");
    }
    return format;
}

std::string editableDateText(DayNumber day, const RegionalSettings& regional, DayNumber today)
{
    std::string text = DateFormat(regional.shortDateFormat, regional.dateSeparator).format(day);
    if (readDate(text, regional, today) == day)
        return text;
    return DateFormat(sheetDateFormat(regional.shortDateFormat), regional.dateSeparator).format(day);
}

}  // namespace pecunor
