#pragma once
// A workspace in a scratch folder with sample molecules loaded the way opening a
// .HIN file loads them, and text windows that remember what was printed into them.

#include "molecule/Molecula.h"
#include "numeric/TextTarget.h"
#include "support/RecordingReporter.h"
#include "workspace/CommandResult.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace grafida::testing {

class CommandTest : public ::testing::Test {
protected:
    CommandTest() { workspace.settings.WorkDir = scratch.path().string(); }

    // Reads data/samples/<sample>.hin, writes its work file and lists the molecule.
    void LoadSample(const std::string& sample) {
        LoadHin(std::string(GRAFIDA_DATA_DIR) + "/samples/" + sample + ".hin");
    }
    void LoadHin(const std::string& file) {
        TMolecula molecule;
        ASSERT_TRUE(molecule.LoadFromHIN(file));
        ASSERT_TRUE(molecule.SaveToFile(workspace.WorkFilePath(molecule.Name())));
        workspace.molecules.Append(molecule.Name());
    }
    void Store(const std::string& name, const std::vector<std::vector<double>>& rows) {
        workspace.matrices.Add(std::make_unique<TFLOATARRAY>(name, rows));
    }
    std::vector<std::string> StoredNames() const {
        std::vector<std::string> names;
        for (int k = 0; k < workspace.matrices.Count(); ++k)
            names.push_back(workspace.matrices.Item(k).Name());
        return names;
    }

    ScratchDir scratch;
    Workspace workspace{SettingsLocation{scratch.file("bin"), scratch.file("config"),
                                         [](const std::string&) { return false; }}};
    RecordedMessages messages;
    StringListTarget window;
};

// The windows a many-window command opened, in order.
class RecordedWindows final : public TextWindows {
public:
    struct Window {
        std::string caption;
        StringListTarget text;
        bool discarded = false;
    };
    TextTarget& Open(const std::string& caption) override {
        windows.push_back(std::make_unique<Window>());
        windows.back()->caption = caption;
        return windows.back()->text;
    }
    void Discard(TextTarget& target) override {
        for (auto& window : windows)
            if (&window->text == &target)
                window->discarded = true;
    }
    std::vector<std::unique_ptr<Window>> windows;
};

using Lines = std::vector<std::string>;

// The lines of a plain block: marker, name, size, then the given rows.
inline Lines PlainBlock(const std::string& name, const std::string& size, const Lines& rows) {
    Lines lines = {"$TFLOATARRAY", name, size};
    lines.insert(lines.end(), rows.begin(), rows.end());
    return lines;
}

inline Lines Joined(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace grafida::testing
