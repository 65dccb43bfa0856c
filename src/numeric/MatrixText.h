#pragma once
// The matrix text format: the plain and formatted printers, the .M file writer and
// the reader that finds every matrix block in a text file.

#include "numeric/Arrays.h"
#include "numeric/Contained.h"
#include "numeric/TextTarget.h"
#include "numeric/Vectors.h"

#include <cstdint>
#include <span>
#include <string>

namespace grafida {

inline constexpr const char* kMatrixMarker = "$TFLOATARRAY";

// Appends the marker, the name, the size line and one "%-*.*f " cell per element of
// each row, letting the user interface run pending events after every row.
void PrintPlain(const TFLOATARRAY& matrix, TextTarget& target, std::uint8_t width, std::uint8_t decimals);

// The plain block with row sums (then the per-row vectors' element i) beside each
// row, followed by column sums, the trailing vectors, SUM and 1/2SUM.
void PrintFormatted(const TFLOATARRAY& matrix, TextTarget& target, std::span<const TFLOATVEC* const> perRow,
                    std::span<const TFLOATVEC* const> trailing, std::uint8_t width, std::uint8_t decimals);
inline void PrintFormatted(const TFLOATARRAY& matrix, TextTarget& target, std::uint8_t width,
                           std::uint8_t decimals) {
    PrintFormatted(matrix, target, {}, {}, width, decimals);
}

// Writes the formatted block (no vectors) as a CR LF text file, atomically.
bool SaveToFile(const TFLOATARRAY& matrix, const std::string& fileName, std::uint8_t width,
                std::uint8_t decimals);

// Adds every matrix block of the file to list (a taken name is read and discarded).
// -1 when the file does not exist; else 0, having shown "Can't read matrix from %s
// file" if a block was malformed (the matrices completed before it are kept).
int LoadMatrices(const std::string& fileName, TContainer& list);

// The same reader over text already in memory; fileName is only for the message.
void LoadMatricesFromText(std::string_view text, const std::string& fileName, TContainer& list);

} // namespace grafida
