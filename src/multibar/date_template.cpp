// The date template engine and the texts built on it.
#include "multibar/date_template.h"

#include <algorithm>
#include <cstdio>

#include "notes/note_text.h"

namespace pw {

namespace {

constexpr const char* kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                       "July",    "August",   "September", "October", "November", "December"};
constexpr const char* kShortMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kDayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr const char* kShortDayNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

std::string Number(const char* format, int value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

const char* NameAt(const char* const* names, int count, int index)
{
    return index >= 0 && index < count ? names[index] : "";
}

const char* MonthName(const CivilTime& t)
{
    return NameAt(kMonthNames, 12, t.month - 1);
}
const char* ShortMonthName(const CivilTime& t)
{
    return NameAt(kShortMonthNames, 12, t.month - 1);
}

bool BeforeNoon(const CivilTime& t)
{
    return t.hour < 12;
}

// The engine's 12-hour hour: hours up to 12 stay as they are, so midnight gives 0.
int TemplateHour12(const CivilTime& t)
{
    return t.hour <= 12 ? t.hour : t.hour - 12;
}

// The clock face's hour of the built-in note text: midnight and noon both give 12.
int ClockHour12(const CivilTime& t)
{
    const int hour = t.hour % 12;
    return hour == 0 ? 12 : hour;
}

struct Replacement {
    std::string_view token;
    std::string (*value)(const CivilTime&);
};

// The order is the language: longer tokens before their prefixes, names through placeholders at the end.
const Replacement kReplacements[] = {
    {"yyyy", [](const CivilTime& t) { return Number("%d", t.year); }},
    {"yy", [](const CivilTime& t) { return Number("%02d", t.year % 100); }},
    {"MMMM", [](const CivilTime&) { return std::string("^^^^"); }},
    {"MMM", [](const CivilTime&) { return std::string("^^^"); }},
    {"MM", [](const CivilTime& t) { return Number("%02d", t.month); }},
    {"M", [](const CivilTime& t) { return Number("%d", t.month); }},
    {"dddd", [](const CivilTime&) { return std::string("$$$$"); }},
    {"ddd", [](const CivilTime&) { return std::string("$$$"); }},
    {"dd", [](const CivilTime& t) { return Number("%02d", t.day); }},
    {"d", [](const CivilTime& t) { return Number("%d", t.day); }},
    {"HH", [](const CivilTime& t) { return Number("%02d", t.hour); }},
    {"H", [](const CivilTime& t) { return Number("%d", t.hour); }},
    {"hh", [](const CivilTime& t) { return Number("%02d", TemplateHour12(t)); }},
    {"h", [](const CivilTime& t) { return Number("%d", TemplateHour12(t)); }},
    {"mm", [](const CivilTime& t) { return Number("%02d", t.minute); }},
    {"m", [](const CivilTime& t) { return Number("%d", t.minute); }},
    {"ss", [](const CivilTime& t) { return Number("%02d", t.second); }},
    {"s", [](const CivilTime& t) { return Number("%d", t.second); }},
    {"tt", [](const CivilTime&) { return std::string("^^"); }},
    {"t", [](const CivilTime& t) { return std::string(BeforeNoon(t) ? "A" : "P"); }},
    {"^^^^", [](const CivilTime& t) { return std::string(MonthName(t)); }},
    {"^^^", [](const CivilTime& t) { return std::string(ShortMonthName(t)); }},
    {"$$$$", [](const CivilTime& t) { return std::string(NameAt(kDayNames, 7, DayOfWeek(t))); }},
    {"$$$", [](const CivilTime& t) { return std::string(NameAt(kShortDayNames, 7, DayOfWeek(t))); }},
    {"^^", [](const CivilTime& t) { return std::string(BeforeNoon(t) ? "AM" : "PM"); }},
};

// Every occurrence, left to right; the first one that would make the text reach 260 characters stays, and so
// do all after it.
void ReplaceEach(std::string& text, std::string_view token, const std::string& value)
{
    std::size_t at = text.find(token);
    while (at != std::string::npos) {
        if (text.size() - token.size() + value.size() > kMaxDateText) return;
        text.replace(at, token.size(), value);
        at = text.find(token, at + value.size());
    }
}

struct TargetKeys {
    DateTarget target;
    std::string_view templateKey;
    std::string_view withTimeKey;  // empty: the target's built-in text has no variant with the time
};

constexpr TargetKeys kTargetKeys[] = {
    {DateTarget::Multibar, "MultibarDateTemplate", "MultibarPasteTimeWithDate"},
    {DateTarget::SheetCell, "SpreadsheetDateTemplate", "SSEditPasteTimeWithDate"},
    {DateTarget::Note, "NoteDateTemplate", ""},
};

const TargetKeys& KeysOf(DateTarget target)
{
    for (const TargetKeys& keys : kTargetKeys) {
        if (keys.target == target) return keys;
    }
    return kTargetKeys[0];
}

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string out = FormatLimitedV(kMaxDateText, format, args);
    va_end(args);
    return out;
}

// The dated name and path of an image, or why there is none.
DatedImageResult DatedPath(const std::string& imagePath, const std::string& imageName, const std::string& date,
                           const ImageFileSystem& files, std::string& newPath)
{
    std::string newName = imageName;
    const std::size_t slash = newName.rfind('/');
    newName.insert(slash == std::string::npos ? 0 : slash + 1, date);
    std::string joined;
    if (newName.size() > kMaxText || !JoinPath(joined, FolderOf(imagePath), newName)) return DatedImageResult::TooLong;
    std::replace(joined.begin(), joined.end(), '/', '\\');
    std::optional<std::string> free = FreeFileName(joined, files.exists);
    if (!free) return DatedImageResult::NoFreeName;
    newPath = *free;
    return DatedImageResult::Renamed;
}

}  // namespace

int DayOfWeek(const CivilTime& time)
{
    // Sakamoto's rule over the proleptic Gregorian calendar.
    static constexpr int kMonthOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (time.month < 1 || time.month > 12) return -1;
    const int year = time.month < 3 ? time.year - 1 : time.year;
    const int day = (year + year / 4 - year / 100 + year / 400 + kMonthOffsets[time.month - 1] + time.day) % 7;
    return day < 0 ? day + 7 : day;
}

std::string ExpandDateTemplate(std::string_view dateTemplate, const CivilTime& time)
{
    std::string text = Cut(dateTemplate, kMaxDateText);
    for (const Replacement& step : kReplacements) {
        if (text.find(step.token) != std::string::npos) ReplaceEach(text, step.token, step.value(time));
    }
    return text;
}

std::string BuiltInDateText(DateTarget target, bool withTime, const CivilTime& t)
{
    switch (target) {
        case DateTarget::Multibar:
            if (withTime) return Format("%d%s%02d.%02d%02d", t.year, ShortMonthName(t), t.day, t.hour, t.minute);
            return Format("%d%s%02d", t.year, ShortMonthName(t), t.day);
        case DateTarget::SheetCell:
            if (withTime) return Format("%d %s %02d %02d:%02d", t.year, ShortMonthName(t), t.day, t.hour, t.minute);
            return Format("%d %02d %02d", t.year, t.month, t.day);
        case DateTarget::Note:
            return Format("%d:%02d %cM %d/%d/%d ", ClockHour12(t), t.minute, BeforeNoon(t) ? 'A' : 'P', t.month, t.day,
                          t.year);
    }
    return std::string();
}

std::string PasteDateText(DateTarget target, SettingsStore& store, const std::string& currentFolder,
                          const std::string& rootFolder, const CivilTime& time)
{
    const TargetKeys& keys = KeysOf(target);
    const std::string dateTemplate = FolderSetting(store, currentFolder, rootFolder, keys.templateKey, "");
    if (!dateTemplate.empty()) return ExpandDateTemplate(dateTemplate, time);
    const bool withTime = !keys.withTimeKey.empty() && store.GetBoolDefaultFalse(keys.withTimeKey);
    return BuiltInDateText(target, withTime, time);
}

DatedImageResult PrependDateToImage(std::string& imagePath, std::string& imageName, SettingsStore& store,
                                    const std::string& currentFolder, const std::string& rootFolder,
                                    const CivilTime& time, const ImageFileSystem& files)
{
    // Only exactly "1" switches it on: "yes" is not enough for this key.
    if (!EqualsNoCase(FolderSetting(store, currentFolder, rootFolder, "ImagePrependDate", "0"), "1"))
        return DatedImageResult::Off;
    const std::string dateTemplate =
        FolderSetting(store, currentFolder, rootFolder, "PrependDateTemplate", "yyyy-MM-dd-");
    const std::string date = ExpandDateTemplate(dateTemplate, time);
    if (date.empty()) return DatedImageResult::Off;
    std::string newPath;
    const DatedImageResult result = DatedPath(imagePath, imageName, date, files, newPath);
    if (result != DatedImageResult::Renamed) return result;
    if (!files.rename(imagePath, newPath)) return DatedImageResult::RenameFailed;
    imagePath = newPath;
    imageName = FileNameOf(newPath);
    return DatedImageResult::Renamed;
}

}  // namespace pw
