// What note pages may do. They are files the program writes from the user's notes into the temporary folder,
// so the browser would treat them as pages of the local machine, free to run script and ActiveX controls with
// the machine's rights.
#pragma once

#include <string>

namespace pw {

// Turns on the local-machine lockdown for the process: local pages lose those rights, web pages keep theirs.
bool LockDownLocalPages();

// The download control the pane's site answers for our own pages: images, videos and background sounds, but no
// scripts, Java or ActiveX controls, whatever zone the page claims to come from.
long NotePageDownloadControl();

// Whether an address (a path or a "file:" URL) names one of the program's own pages: a rendered note page in
// the temporary folder or the image page in the program folder.
bool IsOwnPage(const std::string& address);

// The local path a "file:" URL names ("file:///C:/a%20b" -> "C:\a b"); any other address as it is.
std::string LocalPathOf(const std::string& address);

}  // namespace pw
