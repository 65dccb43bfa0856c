#pragma once
// The folders the program finds its files in.

#include <string>

namespace grafida {

// The folder of the running executable, without a trailing separator; "" when
// the system cannot tell.
std::string ExecutableFolder();

// Where this user's configuration for the program belongs:
// $XDG_CONFIG_HOME/grafida, else $HOME/.config/grafida; "" when neither is known.
std::string UserConfigFolder();

// Whether files can be created in folder (an installed program's folder cannot).
bool IsWritableFolder(const std::string& folder);

} // namespace grafida
