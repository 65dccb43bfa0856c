#pragma once
// Command-line words: options with values ("--width 4" or "--width=4"), flags, and
// the remaining operands.

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace grafida::cli {

// A mistake in the command line (exit status 2).
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Arguments {
public:
    // valued: options that take a value; flags: options that do not.
    Arguments(const std::vector<std::string>& words, const std::set<std::string>& valued,
              const std::set<std::string>& flags);

    bool Has(const std::string& option) const { return values_.count(option) > 0; }
    std::optional<std::string> Value(const std::string& option) const;
    // The option as an integer in [low, high], or fallback when absent.
    long long Integer(const std::string& option, long long fallback, long long low, long long high) const;
    double Number(const std::string& option, double fallback, double low, double high) const;
    const std::vector<std::string>& Operands() const { return operands_; }

private:
    std::map<std::string, std::string> values_;
    std::vector<std::string> operands_;
};

} // namespace grafida::cli
