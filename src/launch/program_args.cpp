#include "launch/program_args.h"

namespace pw {
namespace {

std::string BaseNameOf(std::string_view fileName)
{
    const std::size_t dot = fileName.rfind('.');
    return std::string(dot == std::string_view::npos ? fileName : fileName.substr(0, dot));
}

}  // namespace

ArgumentText::ArgumentText(std::string_view templateText)
{
    const std::string_view cut = templateText.substr(0, kMaxLaunchText);
    pieces_.push_back({std::string(cut), true});
    size_ = cut.size();
}

bool ArgumentText::Contains(std::string_view variable) const
{
    for (const Piece& piece : pieces_) {
        if (piece.fromTemplate && piece.text.find(variable) != std::string::npos) return true;
    }
    return false;
}

bool ArgumentText::Replace(std::string_view variable, std::string_view value)
{
    for (std::size_t i = 0; i < pieces_.size(); ++i) {
        if (!pieces_[i].fromTemplate) continue;
        const std::size_t at = pieces_[i].text.find(variable);
        if (at == std::string::npos) continue;
        if (size_ - variable.size() + value.size() > kMaxLaunchText) return false;
        std::string after = pieces_[i].text.substr(at + variable.size());
        pieces_[i].text.resize(at);
        pieces_.insert(pieces_.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                       {Piece{std::string(value), false}, Piece{std::move(after), true}});
        size_ = size_ - variable.size() + value.size();
        return true;
    }
    return false;
}

std::string ArgumentText::Text() const
{
    std::string text;
    for (const Piece& piece : pieces_) text += piece.text;
    return text;
}

ArgumentText ExpandProgramArgs(std::string_view args, std::string_view fullPath, const CivilTime& now)
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
    ArgumentText text(args);
    for (const auto& v : variables) text.Replace(v.variable, v.value);
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
