#include "install/entry_name.h"

namespace inst {
namespace {

bool IsSeparator(char c)
{
    return c == '/' || c == '\\';
}

bool IsForbidden(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 32) return true;
    return std::string_view("<>\"|?*").find(c) != std::string_view::npos;
}

EntryName Refused(EntryProblem problem)
{
    EntryName result;
    result.problem = problem;
    return result;
}

}  // namespace

EntryName CheckEntryName(std::string_view name)
{
    if (name.size() > kMaxEntryName) return Refused(EntryProblem::TooLong);
    if (!name.empty() && IsSeparator(name.front())) return Refused(EntryProblem::Absolute);
    if (name.find(':') != std::string_view::npos) return Refused(EntryProblem::Drive);
    EntryName result;
    result.folder = !name.empty() && IsSeparator(name.back());
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = start;
        while (end < name.size() && !IsSeparator(name[end])) ++end;
        const std::string_view part = name.substr(start, end - start);
        // Empty and "." components are harmless and dropped, so "a//b" and "./a" name the same file as "a\b".
        if (part == "..") return Refused(EntryProblem::ParentStep);
        for (char c : part)
            if (IsForbidden(c)) return Refused(EntryProblem::BadCharacter);
        if (!part.empty() && part != ".") {
            if (!result.path.empty()) result.path += '\\';
            result.path += part;
        }
        start = end + 1;
    }
    if (result.path.empty()) return Refused(EntryProblem::Empty);
    return result;
}

const char* EntryProblemText(EntryProblem problem)
{
    switch (problem) {
        case EntryProblem::None:
            return "accepted";
        case EntryProblem::Empty:
            return "the name is empty";
        case EntryProblem::TooLong:
            return "the name is too long";
        case EntryProblem::Absolute:
            return "the name is an absolute path";
        case EntryProblem::Drive:
            return "the name holds a drive or a colon";
        case EntryProblem::ParentStep:
            return "the name climbs out of the program folder with \"..\"";
        case EntryProblem::BadCharacter:
            return "the name holds a character Windows does not allow";
    }
    return "the name is not allowed";
}

}  // namespace inst
