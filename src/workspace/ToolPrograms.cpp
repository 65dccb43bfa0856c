#include "workspace/ToolPrograms.h"

#include <sys/stat.h>
#include <unistd.h>

namespace grafida {

const std::vector<ToolProgram>& StatusBarTools() {
    static const std::vector<ToolProgram> tools = {
        {"Calculator",
         {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "xcalc"},
         "accessories-calculator"},
        {"Text editor",
         {"gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "xed", "pluma", "featherpad",
          "leafpad"},
         "accessories-text-editor"},
        {"Settings editor", {"dconf-editor", "kconfigeditor"}, "preferences-system"},
        {"Paint program", {"kolourpaint", "pinta", "mtpaint", "gimp"}, "applications-graphics"},
        {"File manager",
         {"nautilus", "dolphin", "thunar", "nemo", "caja", "pcmanfm", "pcmanfm-qt"},
         "system-file-manager"},
        {"Terminal",
         {"gnome-terminal", "konsole", "xfce4-terminal", "mate-terminal", "lxterminal", "qterminal", "xterm"},
         "utilities-terminal"},
    };
    return tools;
}

std::string FindProgramOnPath(const std::string& name, const std::string& pathVariable) {
    size_t start = 0;
    while (start <= pathVariable.size()) {
        size_t end = pathVariable.find(':', start);
        if (end == std::string::npos)
            end = pathVariable.size();
        // An empty entry means the current folder; a desktop program never relies on it.
        if (end > start) {
            const std::string candidate = pathVariable.substr(start, end - start) + "/" + name;
            struct stat info {};
            if (::stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
                ::access(candidate.c_str(), X_OK) == 0)
                return candidate;
        }
        start = end + 1;
    }
    return "";
}

ToolChoice ChooseTool(const ToolProgram& tool, const std::string& pathVariable) {
    for (const auto& name : tool.candidates) {
        std::string path = FindProgramOnPath(name, pathVariable);
        if (!path.empty())
            return {std::move(path), name, name};
    }
    std::string names;
    for (const auto& name : tool.candidates)
        names += (names.empty() ? "" : ", ") + name;
    return {"", tool.iconName, tool.role + " not installed (looked for " + names + ")"};
}

} // namespace grafida
