#include "date_text.h"

#include "text/number_text.h"
#include "text/utf8.h"

#include <array>
#include <charconv>
#include <cmath>

namespace varnex {
namespace {

constexpr std::size_t kPaddedWeekdayLength = 9;  // "Wednesday"

constexpr std::size_t kGroupedBufferBytes = 20;  // the grouped text and its terminating zero

}  // namespace

std::string WeekdayName(std::int16_t weekday, bool pad, std::int16_t language) {
    if (weekday < 0 || weekday > 6) return {};
    std::string name(languageRow(language).weekdays[static_cast<std::size_t>(weekday)]);
    if (pad && name.size() < kPaddedWeekdayLength) name.append(kPaddedWeekdayLength - name.size(), ' ');
    return name;
}

std::string DateText(const CalendarDate& date, std::int16_t order, std::string_view separator,
                     std::string_view thousandsSeparator, bool withSuffix) {
    const std::string monthText = twoDigits(date.month);
    const std::string dayText = twoDigits(date.day);
    std::string yearText = decimal(date.year);
    if (date.year > 9999 || date.year < -9999) yearText = SeparateThousands(yearText, thousandsSeparator);
    const std::string sep(separator);

    std::string text;
    if (order == DateOrderYMD) {
        text = yearText + sep + monthText + sep + dayText;
    } else {
        const std::string yearLast = date.year < 0 ? "(" + yearText + ")" : yearText;
        text = order == DateOrderDMY ? dayText + sep + monthText + sep + yearLast
                                     : monthText + sep + dayText + sep + yearLast;
    }
    if (withSuffix) text += date.calendar == kJulianCode ? " JC" : " CE";
    return text;
}

std::int32_t secondOfDay(double x) {
    if (!(x >= 0.0 && x < 1.0)) return -1;
    if (x > 0.0 && x < 0.99999999) x += 1e-8;
    const auto s = static_cast<std::int32_t>(std::floor(x * 86400));
    return s == 86400 ? 86399 : s;
}

std::string TimeOfDayText(double x, bool withSeconds) {
    const std::int32_t s = secondOfDay(x);
    return s < 0 ? "XX:XX:XX" : clockText(s, withSeconds);
}

std::string clockText(std::int32_t s, bool withSeconds) {
    const std::int32_t seconds = s % 60;
    const std::int32_t minutes = ((s - seconds) / 60) % 60;
    const std::int32_t hours = ((s - seconds) / 60 - minutes) / 60;
    std::string text = twoDigits(hours) + ":" + twoDigits(minutes);
    if (withSeconds) text += ":" + twoDigits(seconds);
    return text;
}

std::string TimeOfDay(double localCivilJD) { return TimeOfDayText(localCivilJD - std::floor(localCivilJD), false); }

std::string SeparateThousands(std::string_view numberText, std::string_view separator) {
    const std::string_view mark = utf8FirstCharacter(separator);
    if (mark.empty()) return std::string(numberText);

    std::string_view digits = numberText;
    std::string_view sign;
    if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) {
        sign = digits.substr(0, 1);
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::string(numberText);

    std::string grouped(sign);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += mark;
        grouped += digits[i];
    }
    if (grouped.size() >= kGroupedBufferBytes) return std::string(numberText);
    return grouped;
}

}  // namespace varnex
