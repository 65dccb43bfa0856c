#include "numeric/MatrixNames.h"

namespace grafida {

std::string MoleculePrefix(std::string_view name) {
    const size_t underscore = name.find('_');
    return underscore == std::string_view::npos ? std::string() : std::string(name.substr(0, underscore + 1));
}

std::string MatrixPart(std::string_view name) {
    const size_t underscore = name.find('_');
    return std::string(underscore == std::string_view::npos ? name : name.substr(underscore + 1));
}

std::string FromFirstUnderscore(std::string_view name) {
    const size_t underscore = name.find('_');
    return std::string(underscore == std::string_view::npos ? name : name.substr(underscore));
}

std::string InsertBeforeFirstUnderscore(std::string_view name, std::string_view tag) {
    std::string result(name);
    const size_t underscore = name.find('_');
    result.insert(underscore == std::string_view::npos ? 0 : underscore, tag);
    return result;
}

std::string InsertAfterFirstUnderscore(std::string_view name, std::string_view tag) {
    std::string result(name);
    const size_t underscore = name.find('_');
    result.insert(underscore == std::string_view::npos ? 0 : underscore + 1, tag);
    return result;
}

} // namespace grafida
