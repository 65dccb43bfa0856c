#include "cli/WorkerProcess.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <unistd.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace grafida::cli {

namespace {

void PutInteger(std::string& bytes, std::uint64_t value) {
    bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void PutString(std::string& bytes, const std::string& text) {
    PutInteger(bytes, text.size());
    bytes += text;
}

// Reads from a frame whose length is already known to be inside the buffer.
class FrameReader {
public:
    FrameReader(const std::string& bytes, std::size_t begin, std::size_t end)
        : bytes_(bytes), at_(begin), end_(end) {}

    bool Integer(std::uint64_t& value) {
        if (end_ - at_ < sizeof value)
            return false;
        std::memcpy(&value, bytes_.data() + at_, sizeof value);
        at_ += sizeof value;
        return true;
    }
    bool Byte(char& value) {
        if (at_ == end_)
            return false;
        value = bytes_[at_++];
        return true;
    }
    bool String(std::string& text) {
        std::uint64_t length = 0;
        if (!Integer(length) || end_ - at_ < length)
            return false;
        text.assign(bytes_, at_, length);
        at_ += length;
        return true;
    }
    bool AtEnd() const { return at_ == end_; }

private:
    const std::string& bytes_;
    std::size_t at_;
    std::size_t end_;
};

bool WriteAll(int fd, const char* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool ReadExactly(int fd, void* data, std::size_t size) {
    auto* bytes = static_cast<char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

[[noreturn]] void RunWorker(const Task& task, int input, int output) {
#ifdef __linux__
    // A worker left behind by a parent that died must not go on computing.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
    for (;;) {
        std::uint32_t count = 0;
        if (!ReadExactly(input, &count, sizeof count))
            ::_exit(0); // the parent has no more work
        std::vector<std::uint64_t> indices(count);
        if (!ReadExactly(input, indices.data(), count * sizeof(std::uint64_t)))
            ::_exit(0);
        for (const std::uint64_t index : indices) {
            TaskResult result;
            try {
                result.ok = task(index, result.output, result.messages);
            } catch (const std::exception& error) {
                result.ok = false;
                result.messages.push_back(error.what());
            }
            if (!result.ok)
                result.output.clear();
            const std::string frame = EncodeResultFrame(index, result);
            if (!WriteAll(output, frame.data(), frame.size()))
                ::_exit(3);
        }
    }
}

} // namespace

std::string EncodeResultFrame(std::size_t index, const TaskResult& result) {
    std::string body;
    PutInteger(body, index);
    body += result.ok ? '\1' : '\0';
    PutInteger(body, result.messages.size());
    for (const auto& message : result.messages)
        PutString(body, message);
    PutString(body, result.output);
    std::string frame;
    frame.reserve(sizeof(std::uint64_t) + body.size());
    PutString(frame, body);
    return frame;
}

bool TakeResultFrames(std::string& bytes, std::vector<WorkerResult>& results) {
    std::size_t at = 0;
    for (;;) {
        std::uint64_t length = 0;
        if (bytes.size() - at < sizeof length)
            break;
        std::memcpy(&length, bytes.data() + at, sizeof length);
        if (bytes.size() - at - sizeof length < length)
            break;
        const std::size_t begin = at + sizeof length;
        const std::size_t end = begin + length;
        FrameReader reader(bytes, begin, end);
        WorkerResult taken;
        std::uint64_t index = 0, count = 0;
        char ok = 0;
        if (!reader.Integer(index) || !reader.Byte(ok) || !reader.Integer(count))
            return false;
        for (std::uint64_t k = 0; k < count; ++k) {
            std::string message;
            if (!reader.String(message))
                return false;
            taken.result.messages.push_back(std::move(message));
        }
        if (!reader.String(taken.result.output) || !reader.AtEnd())
            return false;
        taken.index = index;
        taken.result.ok = ok == '\1';
        results.push_back(std::move(taken));
        at = end;
    }
    bytes.erase(0, at);
    return true;
}

std::optional<WorkerHandle> StartWorker(const Task& task, const std::vector<int>& otherFds,
                                        std::string& failure) {
    int chunks[2];
    int results[2];
    if (::pipe(chunks) != 0) {
        failure = std::strerror(errno);
        return std::nullopt;
    }
    if (::pipe(results) != 0) {
        failure = std::strerror(errno);
        ::close(chunks[0]);
        ::close(chunks[1]);
        return std::nullopt;
    }
    // Buffered output would otherwise be written twice, once by each process.
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        for (const int fd : otherFds)
            ::close(fd);
        ::close(chunks[1]);
        ::close(results[0]);
        RunWorker(task, chunks[0], results[1]);
    }
    ::close(chunks[0]);
    ::close(results[1]);
    if (pid < 0) {
        failure = std::strerror(errno);
        ::close(chunks[1]);
        ::close(results[0]);
        return std::nullopt;
    }
    return WorkerHandle{pid, chunks[1], results[0]};
}

bool SendChunk(const WorkerHandle& worker, const std::vector<std::size_t>& indices) {
    std::string message;
    const auto count = static_cast<std::uint32_t>(indices.size());
    message.append(reinterpret_cast<const char*>(&count), sizeof count);
    for (const std::size_t index : indices) {
        const std::uint64_t wide = index;
        message.append(reinterpret_cast<const char*>(&wide), sizeof wide);
    }
    // Hold SIGPIPE back for this write only: standard output keeps its usual
    // behaviour, and a pending SIGPIPE of our own making is taken away again.
    sigset_t pipeSignal, previous;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    ::pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    const bool sent = WriteAll(worker.toWorker, message.data(), message.size());
    if (!sent && errno == EPIPE) {
        const timespec noWait{0, 0};
        while (::sigtimedwait(&pipeSignal, nullptr, &noWait) < 0 && errno == EINTR) {
        }
    }
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return sent;
}

} // namespace grafida::cli
