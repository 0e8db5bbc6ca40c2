#include "launch/program_args.h"

namespace pw {
namespace {

std::string BaseNameOf(std::string_view fileName)
{
    const std::size_t dot = fileName.rfind('.');
    return std::string(dot == std::string_view::npos ? fileName : fileName.substr(0, dot));
}

}  // namespace

bool ReplaceVariable(std::string& text, std::string_view variable, std::string_view value)
{
    const std::size_t at = text.find(variable);
    if (at == std::string::npos) return false;
    if (text.size() - variable.size() + value.size() > kMaxLaunchText) return false;
    text.replace(at, variable.size(), value);
    return true;
}

std::string ExpandProgramArgs(std::string_view args, std::string_view fullPath, const CivilTime& now)
{
    const std::string fileName = FileNameOf(fullPath);
    const std::string folder = std::string(fullPath.substr(0, fullPath.size() - fileName.size()));
    const struct {
        std::string_view variable;
        std::string value;
    } variables[] = {
        {"$fullfile", std::string(fullPath)},
        {"$filepath", folder},
        {"$filebase", BaseNameOf(fileName)},
        {"$filename", fileName},
        {"$date", DateText(now)},
        {"$time", Time12Text(now)},
        {"$24time", Time24Text(now)},
    };
    std::string text(args.substr(0, kMaxLaunchText));
    for (const auto& v : variables) ReplaceVariable(text, v.variable, v.value);
    return text;
}

std::string ProgramCommandLine(std::string_view program, std::string_view args)
{
    std::string line = "\"";
    line += program;
    line += "\" ";
    line += args;
    return line;
}

std::string SelectionTooLongText(std::size_t length)
{
    return FormatLimited(kMaxLaunchText, "Please select less than %d characters (You have selected %s)",
                         static_cast<int>(kMaxLaunchText + 1), IntegerText(static_cast<long long>(length)).c_str());
}

std::string MailtoAddress(std::string_view selection, bool asBody)
{
    if (!SelectionFitsLaunch(selection.size())) return {};
    std::string address = asBody ? "mailto:?body=" : "mailto:?To=";
    for (char c : selection) {
        switch (c) {
            case '\n':
                break;
            case '\r':
                address += "%0D%0A";
                break;
            case '%':
                address += "%25";
                break;
            case '?':
                address += "%3F";
                break;
            default:
                address += c;
        }
    }
    return address;
}

}  // namespace pw
