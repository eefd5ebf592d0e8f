#include "support/child_process.h"

bool StartWithOutputPipe(const std::string& Program, const char* Folder,
                         PROCESS_INFORMATION& Process, HANDLE& ReadEnd) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE writeEnd;
    if (!CreatePipe(&ReadEnd, &writeEnd, &inherit, 0)) return false;
    SetHandleInformation(ReadEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    std::string commandLine = "\"" + Program + "\"";
    bool started = CreateProcessA(Program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                                  nullptr, Folder, &startup, &Process);
    // Only the child holds the writing end now: the pipe ends when the child does.
    CloseHandle(writeEnd);
    if (!started) CloseHandle(ReadEnd);
    return started;
}
