// Test main for the Windows test programs. Under Wine a crash may exit with code 0 and a crash dialog
// may wait for ever: an unhandled exception ends the process with code 70 instead.
#include <windows.h>

#include <cstdio>

#include <gtest/gtest.h>

static LONG WINAPI EndOnCrash(EXCEPTION_POINTERS* info)
{
    std::fprintf(stderr, "unhandled exception 0x%08lx\n",
                 static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode));
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 70);
    return EXCEPTION_EXECUTE_HANDLER;
}

int main(int argc, char** argv)
{
    SetUnhandledExceptionFilter(EndOnCrash);
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
