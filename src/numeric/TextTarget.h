#pragma once
// Where printers put their lines: a text window, a string list, a file being built.

#include <string>
#include <vector>

namespace grafida {

class TextTarget {
public:
    virtual ~TextTarget() = default;
    virtual void AddLine(std::string line) = 0;
};

class StringListTarget final : public TextTarget {
public:
    void AddLine(std::string line) override { lines.push_back(std::move(line)); }
    std::vector<std::string> lines;
};

// Joins lines with CR LF after each, the line ends of every text file we write.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

} // namespace grafida
