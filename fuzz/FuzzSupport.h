#pragma once
// What every fuzz target shares: the input as text, a reporter that keeps quiet
// (messages are the expected answer to bad input, not findings) and a private
// scratch folder for the readers that only take a file name.

#include "numeric/Reporter.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace grafida::fuzz {

inline std::string_view TextOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

class SilentReporter final : public Reporter {
public:
    void Error(const std::string&) override {}
    void Inform(const std::string&) override {}
    Answer Ask(const std::string&, Question) override { return Answer::Cancel; }
};

// Installs the silent reporter for the whole process once.
void KeepQuiet();

// A folder of this process under the temporary folder, created on first use and
// removed at exit.
const std::string& ScratchFolder();

// Replaces name inside the scratch folder with bytes; its path.
std::string WriteScratchFile(const std::string& name, std::string_view bytes);

} // namespace grafida::fuzz
