#pragma once
// The subcommands of grafida-cli; each returns the process's exit status
// (0 all went well, 1 some input failed, 2 usage error, raised as UsageError).

#include <string>
#include <vector>

namespace grafida::cli {

int RunMatrices(const std::vector<std::string>& words);
int RunEigen(const std::vector<std::string>& words);
int RunIndices(const std::vector<std::string>& words);

} // namespace grafida::cli
