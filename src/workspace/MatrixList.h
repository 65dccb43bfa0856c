#pragma once
// The matrices the user keeps between commands. The list owns them; names are
// unique and compared exactly. Commands never change a stored matrix in place:
// they copy it with Assign and transform the copy.

#include "numeric/Arrays.h"
#include "numeric/Contained.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace grafida {

class MatrixList {
public:
    int Count() const { return store_.Count(); }
    bool Empty() const { return store_.Count() == 0; }
    // Raise "List index out of bounds (%d)" outside 0..Count-1.
    TFLOATARRAY& Item(int index) { return *store_.ItemAs<TFLOATARRAY>(index); }
    const TFLOATARRAY& Item(int index) const { return *store_.ItemAs<TFLOATARRAY>(index); }
    // The stored matrix of that exact name, or nullptr.
    const TFLOATARRAY* Find(std::string_view name) const;

    // 0-based position of the matrix with exactly this name, or -1.
    int IndexOfName(std::string_view name) const { return store_.IndexOfName(name); }
    // Appends and returns the new position. A taken name gives -1: nothing is
    // stored and the matrix is destroyed, which callers do not report.
    int Add(std::unique_ptr<TFLOATARRAY> matrix) { return store_.Add(std::move(matrix)); }
    // Destroys the matrix of that name; nothing happens when there is none.
    void RemoveByName(std::string_view name) { store_.RemoveByName(name); }
    void Delete(int index) { store_.Delete(index); }
    // Destroys every stored matrix.
    void Clear() { store_.Clear(); }
    // Moves the entry at from to position to; the others keep their relative order.
    void Move(int from, int to) { store_.Move(from, to); }

    // The names of the square matrices, in store order: what every command that
    // lets the user choose a matrix offers.
    std::vector<std::string> SquareMatrixNames() const;
    // Position of the first matrix whose name occurs anywhere in text (exact
    // letters), or -1. Tells whether a molecule already has stored results.
    int IndexOfMatrixInText(std::string_view text) const;

    // The underlying list, for code written against TContainer.
    const TContainer& Container() const { return store_; }

private:
    TContainer store_; // holds TFLOATARRAY items only: Add takes no other type
};

} // namespace grafida
