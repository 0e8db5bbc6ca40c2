// Message formatting into bounded buffers, and the date, time and log-line texts.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "settings/text.h"

namespace pw {

namespace {

constexpr std::size_t kMaxLogMessage = 1020;

std::string Printf(const char* format, int a, int b, int c = 0, int d = 0, int e = 0)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, a, b, c, d, e);
    return buffer;
}

}  // namespace

std::string FormatLimitedV(std::size_t limit, const char* format, va_list args)
{
    if (format == nullptr) return std::string();
    const std::size_t length = std::strlen(format);
    // A format that alone overflows the buffer is shown as it is: its arguments cannot fit anyway.
    if (length > limit) return std::string(format, limit);
    std::string out(limit + 1, '\0');
    const int written = std::vsnprintf(out.data(), out.size(), format, args);
    if (written < 0) return std::string();
    out.resize(std::min<std::size_t>(static_cast<std::size_t>(written), limit));
    return out;
}

std::string FormatLimited(std::size_t limit, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string out = FormatLimitedV(limit, format, args);
    va_end(args);
    return out;
}

std::string DateText(const CivilTime& t)
{
    return Printf("%04d.%02d.%02d", t.year, t.month, t.day);
}

std::string Time12Text(const CivilTime& t)
{
    const bool morning = t.hour < 12;
    int hour = t.hour % 12;
    if (hour == 0) hour = 12;
    return Printf("%d:%02d%cm", hour, t.minute, morning ? 'a' : 'p');
}

std::string Time24Text(const CivilTime& t)
{
    return Printf("%02d:%02d", t.hour, t.minute);
}

std::string LogLine(const CivilTime& t, std::string_view message)
{
    std::string line = Printf("%02d.%02d %02d:%02d:%02d ", t.month, t.day, t.hour, t.minute, t.second);
    line += message.substr(0, kMaxLogMessage);
    if (line.back() != '\n') line += '\n';
    return line;
}

}  // namespace pw
