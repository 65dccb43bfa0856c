#include "cli/Arguments.h"

#include "numeric/Error.h"
#include "numeric/NumberText.h"

namespace grafida::cli {

Arguments::Arguments(const std::vector<std::string>& words, const std::set<std::string>& valued,
                     const std::set<std::string>& flags) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-' || word == "-") {
            operands_.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        const auto equals = word.find('=');
        const std::string name = word.substr(0, equals);
        if (valued.count(name)) {
            if (equals != std::string::npos)
                values_[name] = word.substr(equals + 1);
            else if (i + 1 < words.size())
                values_[name] = words[++i];
            else
                throw UsageError("option " + name + " needs a value");
        } else if (flags.count(name) && equals == std::string::npos) {
            values_[name] = "";
        } else {
            throw UsageError("unknown option " + word);
        }
    }
}

std::optional<std::string> Arguments::Value(const std::string& option) const {
    const auto found = values_.find(option);
    if (found == values_.end())
        return std::nullopt;
    return found->second;
}

long long Arguments::Integer(const std::string& option, long long fallback, long long low,
                             long long high) const {
    const auto text = Value(option);
    if (!text)
        return fallback;
    const auto value = ParseInteger(*text);
    if (!value || *value < low || *value > high)
        throw UsageError(option + " takes a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not '" + *text + "'");
    return *value;
}

double Arguments::Number(const std::string& option, double fallback, double low, double high) const {
    const auto text = Value(option);
    if (!text)
        return fallback;
    const auto value = ParseNumber(*text);
    if (!value || *value < low || *value > high)
        throw UsageError(option + " takes a number from " + FormatC("%g", low) + " to " +
                         FormatC("%g", high) + ", not '" + *text + "'");
    return *value;
}

} // namespace grafida::cli
