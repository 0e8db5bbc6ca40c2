#include "library/win/command_line.h"

namespace pw {

void OpenCommandLineFile(const std::string&) {}

}  // namespace pw
