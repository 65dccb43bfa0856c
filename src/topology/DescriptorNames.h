#pragma once
// Naming of descriptor matrices: the text up to the first underscore is the
// molecule part of a name, the text after it the matrix part, and tags go in
// right after the first underscore.

#include <string>
#include <string_view>

namespace grafida::descriptor_names {

// tag inserted just after the first underscore; in front when there is none (x_DI + W3_ = x_W3_DI).
std::string InsertAfterFirstUnderscore(std::string_view name, std::string_view tag);

// The text up to and including the first underscore; empty when there is none (BENZ_DI gives BENZ_).
std::string MoleculePrefix(std::string_view name);

// The text after the first underscore; the whole name when there is none.
std::string MatrixPart(std::string_view name);

} // namespace grafida::descriptor_names
