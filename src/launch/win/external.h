// Handing files and text to other programs: the configured external program, mail through the system's
// "mailto:" handler, and the shell's open, print and properties verbs.
#pragma once

#include <windows.h>

#include <string>

namespace pw {

// "Send to" (509): starts ExternalProgramExe with ExternalProgramArgs expanded for the file; nothing when
// either is empty. A failed start is reported in the status line.
void SendToExternalProgram(HWND owner, const std::string& fullPath);
// "Mail to selected" (904) and "Mail selected as body" (905): the selection becomes the recipient or the body.
void MailSelection(const std::string& selection, bool asBody);
// The status message for a selection too long to mail or launch.
void ReportSelectionTooLong(std::size_t length);

// The shell verbs, shown normally; failures are reported in the status line.
void OpenWithShell(const std::string& target);
void PrintWithShell(const std::string& file);
void ShowShellProperties(HWND owner, const std::string& path);

}  // namespace pw
