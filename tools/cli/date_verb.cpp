// pagewick-cli date: a date template expanded by the program's own engine, now or at a given local time.
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "cli_common.h"
#include "multibar/date_template.h"
#include "verbs.h"

namespace pwcli {

namespace {

constexpr std::string_view kAtShape = "YYYY-MM-DDTHH:MM:SS";

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// Digits where the shape has letters, its separators elsewhere, and every field within its range.
std::optional<pw::CivilTime> ParseAt(std::string_view text)
{
    if (text.size() != kAtShape.size()) return std::nullopt;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        const bool wanted = kAtShape[i] >= 'A' && kAtShape[i] <= 'Z' && kAtShape[i] != 'T';
        if (wanted ? !digit : text[i] != kAtShape[i]) return std::nullopt;
    }
    auto field = [&](std::size_t at, std::size_t length) {
        int value = 0;
        for (std::size_t i = at; i < at + length; ++i) value = value * 10 + (text[i] - '0');
        return value;
    };
    pw::CivilTime t{field(0, 4), field(5, 2), field(8, 2), field(11, 2), field(14, 2), field(17, 2)};
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > DaysInMonth(t.year, t.month)) return std::nullopt;
    if (t.hour > 23 || t.minute > 59 || t.second > 59) return std::nullopt;
    return t;
}

pw::CivilTime Now()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace

int DateVerb(std::span<char* const> args)
{
    std::optional<pw::CivilTime> time;
    if (args.size() == 1) {
        time = Now();
    } else if (args.size() == 3 && std::string_view(args[1]) == "--at") {
        time = ParseAt(args[2]);
        if (!time) {
            std::fprintf(stderr, "pagewick-cli: --at wants a local time as %s, not '%s'\n", kAtShape.data(), args[2]);
            return 2;
        }
    } else {
        return 2;
    }
    WriteOut(pw::ExpandDateTemplate(args[0], *time) + "\n");
    return 0;
}

}  // namespace pwcli
