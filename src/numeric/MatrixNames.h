#pragma once
// How derived matrices are named: the text up to the first underscore is the
// molecule part of a name, the text after it the matrix part.

#include <string>
#include <string_view>

namespace grafida {

// The molecule prefix: the text up to and including the first underscore; empty when
// there is none (BENZ_DI gives BENZ_).
std::string MoleculePrefix(std::string_view name);

// The text after the first underscore; the whole name when it has none.
std::string MatrixPart(std::string_view name);

// The text from the first underscore on, the underscore included; the whole name when it has none.
std::string FromFirstUnderscore(std::string_view name);

// tag inserted just before the first underscore; in front when there is none (x_AD + _R = x_R_AD).
std::string InsertBeforeFirstUnderscore(std::string_view name, std::string_view tag);

// tag inserted just after the first underscore; in front when there is none (x_AD + INV_ = x_INV_AD).
std::string InsertAfterFirstUnderscore(std::string_view name, std::string_view tag);

} // namespace grafida
