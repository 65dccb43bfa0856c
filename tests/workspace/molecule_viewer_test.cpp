// Finding the molecule viewer: the HyperChem key kept in the settings file, else an
// installed viewer on PATH; and the argument lists the viewers are started with.
#include "CommandTesting.h"
#include "workspace/MoleculeViewer.h"

#include <filesystem>

namespace grafida::testing {
namespace {

const std::string kSection = "[\\Software\\Hypercube\\HyperChem Pro\\6.0\\Path]\r\n";

TEST(HyperChemPath, KeyAndValueAsSectionAndKey) {
    EXPECT_EQ(HyperChemPath(IniFile("[Preferences]\r\nWidth=4\r\n")), std::nullopt);
    EXPECT_EQ(HyperChemPath(IniFile(kSection)), "Chem.exe"); // found through the program path
    EXPECT_EQ(HyperChemPath(IniFile(kSection + "ChemExePath=/opt/hyper chem/\r\n")),
              "/opt/hyper chem/Chem.exe");
}

class ViewerTest : public CommandTest {
protected:
    std::string Executable(const std::string& folder, const std::string& name) {
        std::filesystem::create_directories(scratch.file(folder));
        const std::string path = scratch.write(folder + "/" + name, "#!/bin/sh\n");
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return path;
    }
};

TEST_F(ViewerTest, InstalledViewersWhenTheKeyIsAbsent) {
    const std::string jmol = Executable("one", "jmol");
    const std::string pymol = Executable("two", "pymol");
    const std::string path = scratch.file("one") + ":" + scratch.file("two");
    const auto viewer = FindMoleculeViewer(IniFile(""), path);
    ASSERT_TRUE(viewer);
    EXPECT_EQ(viewer->kind, ViewerKind::Jmol);
    EXPECT_EQ(viewer->program, jmol);
    EXPECT_EQ(FindMoleculeViewer(IniFile(""), scratch.file("two"))->kind, ViewerKind::PyMol);
    EXPECT_EQ(FindMoleculeViewer(IniFile(kSection), path)->kind, ViewerKind::HyperChem);
    EXPECT_FALSE(FindMoleculeViewer(IniFile(""), scratch.file("none")));
}

TEST_F(ViewerTest, OneArgumentPerMoleculeInListOrder) {
    const std::string odd = "it's \"odd\"; $(touch x) a";
    for (const std::string& name : {std::string("A"), odd, std::string("C")})
        workspace.molecules.Append(name);
    std::filesystem::create_directories(scratch.file("bin"));
    scratch.write("bin/GRAFIDA.INI", kSection + "ChemExePath=/opt/hc/\r\n");
    const auto starts = MoleculeViewerStarts(workspace, {"c", odd, "gone", "A"}, "");
    ASSERT_EQ(starts.size(), 3u);
    const std::string dir = workspace.WorkDir();
    EXPECT_EQ(starts[0].program, "/opt/hc/Chem.exe");
    EXPECT_EQ(starts[0].arguments, Lines{dir + "/C.hin"}); // the list's spelling
    EXPECT_EQ(starts[1].arguments, Lines{dir + "/" + odd + ".hin"});
    EXPECT_EQ(starts[2].arguments, Lines{dir + "/A.hin"});
}

TEST_F(ViewerTest, NoViewerNamesTheSettingsEntry) {
    workspace.molecules.Append("A");
    EXPECT_TRUE(MoleculeViewerStarts(workspace, {"A"}, scratch.file("none")).empty());
    ASSERT_EQ(messages.reporter.informations.size(), 1u);
    const std::string& text = messages.reporter.informations[0];
    EXPECT_EQ(text.rfind("HyperChem version 6.0 or higher required\r\n", 0), 0u);
    EXPECT_NE(text.find("ChemExePath"), std::string::npos);
    EXPECT_NE(text.find(workspace.SettingsFilePath()), std::string::npos);
}

TEST_F(ViewerTest, PyMolGetsAnXyzCopyInTheRunFolder) {
    const std::string pymol = Executable("two", "pymol");
    workspace.molecules.Append("W");
    scratch.write("W.hin",
                  "mol 1\r\natom 1 - O OW - -0.8 0.1 0.2 0.3 2 2 s 3 s\r\n"
                  "atom 2 - H HW - 0.4 1.0 0.2 0.3 1 1 s\r\natom 3 - H HW - 0.4 0.1 1.2 0.3 1 1 s\r\n"
                  "endmol 1\r\n");
    const auto starts = MoleculeViewerStarts(workspace, {"W"}, scratch.file("two"));
    ASSERT_EQ(starts.size(), 1u);
    const std::string xyz = workspace.WorkFolder() + "/W.xyz";
    EXPECT_EQ(starts[0].arguments, Lines{xyz});
    EXPECT_EQ(ReadFile(xyz), "3\r\nW\r\nO 0.1 0.2 0.3\r\nH 1.0 0.2 0.3\r\nH 0.1 1.2 0.3\r\n");
}

} // namespace
} // namespace grafida::testing
