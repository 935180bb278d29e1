#pragma once

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

namespace simtest {

// Runs a program (no shell) with its stdout and stderr on a pipe.
class ProcessRunner {
public:
    explicit ProcessRunner(const std::vector<std::string>& argv);
    ~ProcessRunner();
    ProcessRunner(const ProcessRunner&) = delete;
    ProcessRunner& operator=(const ProcessRunner&) = delete;

    // The next output line, or empty when none came in time.
    std::string readLine(std::chrono::milliseconds timeout);
    // Everything until the program closes its output, then its exit status
    // (-1 when it had to be killed at the time-out).
    int finish(std::chrono::milliseconds timeout, std::string* output = nullptr);
    void signal(int sig) const;

private:
    pid_t pid_ = -1;
    int out_ = -1;
    std::string buffer_;
};

// Runs to completion; returns the exit status and fills `output`.
int runProgram(const std::vector<std::string>& argv, std::string& output,
               std::chrono::milliseconds timeout = std::chrono::milliseconds(15000));

} // namespace simtest
