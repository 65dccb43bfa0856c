#pragma once
// Shared pieces of the molecule tests: the element data folder and the sample files.

#include "molecule/ElementData.h"
#include "molecule/Molecula.h"

#include <string>

namespace grafida::testing {

// Points the element data look-ups at folder while it lives.
class ElementDataDirScope {
public:
    explicit ElementDataDirScope(std::string folder = GRAFIDA_DATA_DIR) {
        SetElementDataDir(std::move(folder));
    }
    ~ElementDataDirScope() { SetElementDataDir({}); }
    ElementDataDirScope(const ElementDataDirScope&) = delete;
    ElementDataDirScope& operator=(const ElementDataDirScope&) = delete;
};

inline std::string SamplePath(const std::string& name) {
    return std::string(GRAFIDA_DATA_DIR) + "/samples/" + name;
}

inline std::string TestDataPath(const std::string& name) {
    return std::string(GRAFIDA_TEST_DATA_DIR) + "/" + name;
}

// A heavy atom's bare element symbol ("C", "Cl").
inline std::string BareSymbol(const TAtom& atom) {
    const std::string& symbol = atom.Element().Symbol;
    const size_t first = symbol.find_first_not_of(' ');
    const size_t last = symbol.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : symbol.substr(first, last - first + 1);
}

} // namespace grafida::testing
