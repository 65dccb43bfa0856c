#include "topology/DescriptorNames.h"

namespace grafida::descriptor_names {

std::string InsertAfterFirstUnderscore(std::string_view name, std::string_view tag) {
    const size_t underscore = name.find('_');
    const size_t at = underscore == std::string_view::npos ? 0 : underscore + 1;
    std::string result(name.substr(0, at));
    result += tag;
    result += name.substr(at);
    return result;
}

std::string MoleculePrefix(std::string_view name) {
    const size_t underscore = name.find('_');
    return underscore == std::string_view::npos ? std::string() : std::string(name.substr(0, underscore + 1));
}

std::string MatrixPart(std::string_view name) {
    const size_t underscore = name.find('_');
    return std::string(underscore == std::string_view::npos ? name : name.substr(underscore + 1));
}

} // namespace grafida::descriptor_names
