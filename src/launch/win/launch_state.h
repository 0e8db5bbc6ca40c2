// What the hand-over to other programs keeps while the main window lives: the "$storetxt" answer, and the
// seam through which tests see shell calls instead of the system running them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace pw {

// A shell verb ("open", "print", "properties") on a target; false with the system's error code on failure.
using ShellCall = std::function<bool(const std::string& verb, const std::string& target, DWORD& error)>;

struct LaunchState {
    std::string storedText;  // "$storetxt": asked once, kept until the program quits, never saved
    ShellCall shellCall;     // test seam; empty runs the system's shell
};

void AttachLaunchState(LaunchState* state);
LaunchState& LaunchArea();

}  // namespace pw
