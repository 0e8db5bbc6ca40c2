#include "launch/win/external.h"

#include <shellapi.h>

#include "launch/program_args.h"
#include "launch/win/ask_text.h"
#include "launch/win/launch_state.h"
#include "library/roots.h"
#include "settings/win/messages.h"
#include "settings/win/settings_win.h"

namespace pw {
namespace {

constexpr char kRequestPrompt[] = "Enter request text";
constexpr char kStoredTextPrompt[] = "Enter text (retained for next prompt)";

bool RunShell(HWND owner, const std::string& verb, const std::string& target, DWORD& error)
{
    if (const ShellCall& seam = LaunchArea().shellCall) return seam(verb, target, error);
    if (verb == "properties") {
        // The extended call invokes the item's own verb list, which is where "properties" lives.
        SHELLEXECUTEINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_INVOKEIDLIST;
        info.hwnd = owner;
        info.lpVerb = "properties";
        info.lpFile = target.c_str();
        info.nShow = SW_SHOWNORMAL;
        if (ShellExecuteExA(&info)) return true;
        error = GetLastError();
        return false;
    }
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteA(owner, verb.c_str(), target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result > 32) return true;
    error = GetLastError();
    if (error == 0) error = result == SE_ERR_NOASSOC ? ERROR_NO_ASSOCIATION : ERROR_FILE_NOT_FOUND;
    return false;
}

void Shell(HWND owner, const char* verb, const std::string& target)
{
    if (target.empty()) return;
    DWORD error = 0;
    if (!RunShell(owner, verb, target, error))
        StatusMessage("Could not %s %s: %s", verb, target.c_str(), ErrorText(error).c_str());
}

// "$request" is asked at every launch; "$storetxt" once, then kept. Cancelling gives an empty text.
void AskForVariables(HWND owner, ArgumentText& args)
{
    if (args.Contains(kRequestVariable)) {
        std::string request;
        if (!AskText(owner, kRequestPrompt, request)) request.clear();
        args.Replace(kRequestVariable, request);
    }
    if (args.Contains(kStoredTextVariable)) {
        std::string& stored = LaunchArea().storedText;
        if (stored.empty()) {
            std::string answer = stored;
            if (AskText(owner, kStoredTextPrompt, answer)) stored = answer.substr(0, kMaxLaunchText);
        }
        args.Replace(kStoredTextVariable, stored);
    }
}

}  // namespace

void SendToExternalProgram(HWND owner, const std::string& fullPath)
{
    std::string program = Settings().GetString("ExternalProgramExe", "");
    if (program.empty() || fullPath.empty()) return;
    ExpandPath(program, MachinePaths());
    ArgumentText args =
        ExpandProgramArgs(Settings().GetString("ExternalProgramArgs", kDefaultProgramArgs), fullPath, LocalNow());
    AskForVariables(owner, args);
    const bool hidden = Settings().GetBoolDefaultFalse("ExternalProgramHidden");
    if (!StartProgram(ProgramCommandLine(program, args.Text()), hidden ? SW_HIDE : SW_SHOWNORMAL))
        StatusMessage("Could not start %s: %s", program.c_str(), LastErrorText().c_str());
}

void ReportSelectionTooLong(std::size_t length)
{
    StatusMessage("%s", SelectionTooLongText(length).c_str());
}

void MailSelection(const std::string& selection, bool asBody)
{
    if (selection.empty()) return;
    if (!SelectionFitsLaunch(selection.size())) {
        ReportSelectionTooLong(selection.size());
        return;
    }
    Shell(nullptr, "open", MailtoAddress(selection, asBody));
}

void OpenWithShell(const std::string& target)
{
    Shell(nullptr, "open", target);
}

void PrintWithShell(const std::string& file)
{
    Shell(nullptr, "print", file);
}

void ShowShellProperties(HWND owner, const std::string& path)
{
    Shell(owner, "properties", path);
}

}  // namespace pw
