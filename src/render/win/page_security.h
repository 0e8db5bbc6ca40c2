// What note pages may do. They are files the program writes from the user's notes into the temporary folder,
// so the browser would treat them as pages of the local machine, free to run script and ActiveX controls with
// the machine's rights.
#pragma once

#include <string>

namespace pw {

// The download control the pane's site answers for note pages: images, videos and background sounds, but no
// scripts, Java or ActiveX controls, whatever zone the page claims to come from.
long NotePageDownloadControl();

// Whether an address (a path or a "file:" URL) names a rendered note page: one of ours in the temporary folder.
// The image page is not one: it holds no text of the user's, and it sizes the image with a style expression,
// which runs as script.
bool IsNotePage(const std::string& address);

// The local path a "file:" URL names ("file:///C:/a%20b" -> "C:\a b"); any other address as it is.
std::string LocalPathOf(const std::string& address);

}  // namespace pw
