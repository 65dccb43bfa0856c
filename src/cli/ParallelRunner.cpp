#include "cli/ParallelRunner.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <map>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace grafida::cli {

namespace {

// The child's answer travels through a pipe as: status byte, message count, then
// length-prefixed messages and the output.
void PutString(std::string& packet, const std::string& text) {
    const std::uint64_t length = text.size();
    packet.append(reinterpret_cast<const char*>(&length), sizeof length);
    packet += text;
}

bool GetString(const std::string& packet, std::size_t& at, std::string& text) {
    std::uint64_t length = 0;
    if (packet.size() - at < sizeof length)
        return false;
    std::memcpy(&length, packet.data() + at, sizeof length);
    at += sizeof length;
    if (packet.size() - at < length)
        return false;
    text.assign(packet, at, length);
    at += length;
    return true;
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

[[noreturn]] void RunChild(const Task& task, std::size_t index, int fd) {
    std::string output;
    std::vector<std::string> messages;
    bool ok = false;
    try {
        ok = task(index, output, messages);
    } catch (const std::exception& error) {
        messages.push_back(error.what());
    }
    std::string packet(1, ok ? '\1' : '\0');
    const std::uint64_t count = messages.size();
    packet.append(reinterpret_cast<const char*>(&count), sizeof count);
    for (const auto& message : messages)
        PutString(packet, message);
    PutString(packet, output);
    const bool written = WriteAll(fd, packet);
    ::close(fd);
    ::_exit(written ? 0 : 3);
}

TaskResult Decode(const std::string& packet, int status) {
    TaskResult result;
    std::size_t at = 1;
    std::uint64_t count = 0;
    bool complete = packet.size() >= 1 + sizeof count;
    if (complete) {
        std::memcpy(&count, packet.data() + 1, sizeof count);
        at += sizeof count;
        for (std::uint64_t i = 0; complete && i < count; ++i) {
            std::string message;
            complete = GetString(packet, at, message);
            result.messages.push_back(std::move(message));
        }
        complete = complete && GetString(packet, at, result.output);
    }
    if (!complete || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        result.ok = false;
        result.output.clear();
        if (WIFSIGNALED(status))
            result.messages.push_back(std::string("stopped by signal ") + strsignal(WTERMSIG(status)));
        else if (!complete)
            result.messages.push_back("the computation ended without a result");
        return result;
    }
    result.ok = packet[0] == '\1';
    return result;
}

struct Running {
    std::size_t index;
    pid_t pid;
    int fd;
    std::string packet;
    std::chrono::steady_clock::time_point deadline;
    bool killed = false;
};

} // namespace

void RunTasks(std::size_t count, const Task& task, const RunOptions& options) {
    const int jobs = options.jobs < 1 ? 1 : options.jobs;
    std::map<std::size_t, TaskResult> finished;
    std::vector<Running> running;
    std::size_t next = 0, delivered = 0;

    const auto deliver = [&] {
        for (auto it = finished.find(delivered); it != finished.end(); it = finished.find(delivered)) {
            if (options.onResult)
                options.onResult(delivered, it->second);
            finished.erase(it);
            ++delivered;
        }
    };

    while (delivered < count) {
        while (next < count && running.size() < static_cast<std::size_t>(jobs)) {
            int fds[2];
            if (::pipe(fds) != 0) {
                finished[next++] = {false, false, "", {std::string("cannot start: ") + std::strerror(errno)}};
                continue;
            }
            std::fflush(nullptr);
            const pid_t pid = ::fork();
            if (pid == 0) {
                ::close(fds[0]);
                RunChild(task, next, fds[1]);
            }
            ::close(fds[1]);
            if (pid < 0) {
                ::close(fds[0]);
                finished[next++] = {false, false, "", {std::string("cannot start: ") + std::strerror(errno)}};
                continue;
            }
            const auto deadline = options.timeout ? std::chrono::steady_clock::now() + *options.timeout
                                                  : std::chrono::steady_clock::time_point::max();
            running.push_back({next++, pid, fds[0], {}, deadline});
        }
        deliver();
        if (running.empty())
            continue;

        std::vector<pollfd> polls;
        for (const auto& r : running)
            polls.push_back({r.fd, POLLIN, 0});
        int wait = -1;
        const auto now = std::chrono::steady_clock::now();
        for (const auto& r : running)
            if (r.deadline != std::chrono::steady_clock::time_point::max()) {
                const auto left =
                    std::chrono::duration_cast<std::chrono::milliseconds>(r.deadline - now).count();
                const int ms = left < 0 ? 0 : static_cast<int>(std::min<long long>(left, 1000));
                wait = wait < 0 ? ms : std::min(wait, ms);
            }
        if (::poll(polls.data(), polls.size(), wait) < 0 && errno != EINTR)
            break;

        for (std::size_t k = 0; k < running.size();) {
            Running& r = running[k];
            bool closed = false;
            if (polls[k].revents & (POLLIN | POLLHUP | POLLERR)) {
                char buffer[1 << 16];
                const ssize_t n = ::read(r.fd, buffer, sizeof buffer);
                if (n > 0)
                    r.packet.append(buffer, static_cast<std::size_t>(n));
                else if (n == 0 || errno != EINTR)
                    closed = true;
            }
            if (!closed && !r.killed && std::chrono::steady_clock::now() >= r.deadline) {
                ::kill(r.pid, SIGKILL);
                r.killed = true;
            }
            if (closed || r.killed) {
                ::close(r.fd);
                int status = 0;
                while (::waitpid(r.pid, &status, 0) < 0 && errno == EINTR) {
                }
                TaskResult result = r.killed ? TaskResult{false, true, "", {}} : Decode(r.packet, status);
                finished[r.index] = std::move(result);
                if (options.onFinished)
                    options.onFinished();
                polls.erase(polls.begin() + static_cast<std::ptrdiff_t>(k));
                running.erase(running.begin() + static_cast<std::ptrdiff_t>(k));
                continue;
            }
            ++k;
        }
        deliver();
    }
}

} // namespace grafida::cli
