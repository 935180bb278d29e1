#include "support/ProcessRunner.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace simtest {

ProcessRunner::ProcessRunner(const std::vector<std::string>& argv)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe");
    pid_ = fork();
    if (pid_ == 0) {
        dup2(fds[1], 1);
        dup2(fds[1], 2);
        std::vector<char*> args;
        for (const auto& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    close(fds[1]);
    out_ = fds[0];
}

ProcessRunner::~ProcessRunner()
{
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0)
        close(out_);
}

void ProcessRunner::signal(int sig) const
{
    if (pid_ > 0)
        kill(pid_, sig);
}

std::string ProcessRunner::readLine(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const auto nl = buffer_.find('\n');
        if (nl != std::string::npos) {
            std::string line = buffer_.substr(0, nl);
            buffer_.erase(0, nl + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd p{out_, POLLIN, 0};
        if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0)
            return {};
        char buf[512];
        const ssize_t n = read(out_, buf, sizeof buf);
        if (n <= 0)
            return {};
        buffer_.append(buf, static_cast<std::size_t>(n));
    }
}

int ProcessRunner::finish(std::chrono::milliseconds timeout, std::string* output)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    bool closed = false;
    while (!closed) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd p{out_, POLLIN, 0};
        if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0)
            break;
        char buf[512];
        const ssize_t n = read(out_, buf, sizeof buf);
        closed = n <= 0;
        if (n > 0)
            buffer_.append(buf, static_cast<std::size_t>(n));
    }
    if (output)
        *output = buffer_;
    int status = 0;
    // Output closed: the program is exiting, so wait for it; otherwise it overran.
    if (!closed || waitpid(pid_, &status, 0) != pid_) {
        kill(pid_, SIGKILL);
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return -1;
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int runProgram(const std::vector<std::string>& argv, std::string& output, std::chrono::milliseconds timeout)
{
    ProcessRunner p(argv);
    return p.finish(timeout, &output);
}

} // namespace simtest
