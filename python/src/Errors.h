#pragma once
// The failure the module raises to Python as grafida.Error: the program's own
// message, as the core reported it.

#include <stdexcept>
#include <string>

namespace grafida::python {

class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& message) : std::runtime_error(message) {}
};

} // namespace grafida::python
