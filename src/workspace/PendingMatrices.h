#pragma once
// The matrices a command keeps, held back until the command returns: a command
// stopped by the user (ComputationCancelled passing through) leaves the matrix
// list as it was, and no half-made result is ever stored.

#include "numeric/Arrays.h"
#include "workspace/MatrixList.h"

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace grafida {

class PendingMatrices {
public:
    explicit PendingMatrices(MatrixList& store) : store_(store) {}

    void Keep(TFLOATARRAY matrix) { pending_.push_back(std::move(matrix)); }
    // The stored matrix of that name, else one kept by this command: what a later
    // step of the command sees, as if each had been stored at once (a stored name
    // wins, as the store refuses a second matrix of that name).
    const TFLOATARRAY* Find(std::string_view name) const;
    // Adds the kept matrices to the store in order; returns the names it took.
    std::vector<std::string> Commit();

private:
    MatrixList& store_;
    std::deque<TFLOATARRAY> pending_; // a deque: what Find returned stays valid
};

} // namespace grafida
