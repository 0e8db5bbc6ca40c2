// A file named on Pagewick's command line: its folder becomes the root "Command Line" and the file is shown.
#pragma once

#include <string>

namespace pw {

void OpenCommandLineFile(const std::string& commandLine);

}  // namespace pw
