#pragma once
// The vertex property file (".prp"): "number of atoms", n, then per property a line
// "aproperty " + name followed by its n values, one a line.

#include "molecule/Molecula.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace grafida {

// Adds each property the file does not hold yet, creating the file when needed;
// values are written "%*.*f" with width and decimals. A file written for another
// atom count belongs to an earlier molecule of the same name and is started afresh.
// False, after "Can't write molecule %s to file", when the file cannot be written;
// the file then keeps its old content.
bool SaveProperties(const TAtomProperties& properties, const std::string& fileName, std::uint8_t width,
                    std::uint8_t decimals);

inline constexpr int kPropertiesLoaded = 0;
inline constexpr int kPropertyFileMissing = 1;
inline constexpr int kPropertyFileUnreadable = 2;

// Adds each property of the file that properties does not hold yet. 0 on success,
// 1 when the file does not exist, 2 (after a message, nothing added) when it cannot
// be read. The values are as many as the file's atom count: callers compare it with
// their molecule.
int LoadProperties(TAtomProperties& properties, const std::string& fileName);
// The same over the text of a property file already in memory (0 or 2).
int LoadPropertiesFromText(TAtomProperties& properties, std::string_view text, const std::string& fileName);

} // namespace grafida
