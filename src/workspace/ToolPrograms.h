#pragma once
// The six tools of the status bar: the desktop's calculator, text editor, settings
// editor, paint program, file manager and terminal, each the first of a few
// well-known programs found on PATH.

#include <string>
#include <vector>

namespace grafida {

struct ToolProgram {
    std::string role;                    // "Calculator", "Text editor", ...
    std::vector<std::string> candidates; // program names, preferred first
    std::string iconName;                // the freedesktop icon of the role
};

// The six tools, in the status bar's order.
const std::vector<ToolProgram>& StatusBarTools();

struct ToolChoice {
    std::string path;     // the program to start, "" when none is installed
    std::string iconName; // the found program's own icon name, else the role's
    std::string hint;     // the program's file name, or why nothing starts
};

// The first candidate that is an executable file in one of pathVariable's folders.
ToolChoice ChooseTool(const ToolProgram& tool, const std::string& pathVariable);

// The executable file name in pathVariable's folders (":"-separated), or "".
std::string FindProgramOnPath(const std::string& name, const std::string& pathVariable);

} // namespace grafida
