// Nothing a computation touches is shared between threads: the same molecules read
// and computed on four threads at once give what one thread gives, messages included.

#include "molecule/MoleculeFiles.h"
#include "numeric/MatrixText.h"
#include "numeric/Reporter.h"
#include "numeric/TextTarget.h"
#include "support/RecordingReporter.h"
#include "topology/BasicMatrices.h"
#include "workspace/IndexTable.h"

#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace grafida {
namespace {

struct Source {
    std::string text; // a SMILES line, or empty for a .HIN file
    std::string hinFile;
};

std::vector<Source> Sources() {
    const std::string samples = std::string(GRAFIDA_DATA_DIR) + "/samples/";
    return {
        {"CC(Cl)(Cl)Cl trichloroethane", ""},
        {"c1cocn1 oxazole", ""},
        {"C1CC unclosed", ""}, // RDKit's reason must reach its own thread
        {"CN1C=NC2=C1C(=O)N(C(=O)N2C)C caffeine", ""},
        {"c1ccc2cc3ccccc3cc2c1 anthracene", ""},
        {"Xx1CC unknown-element", ""},
        {"", samples + "benzene.hin"},
        {"", samples + "naphthalene.hin"},
        {"", samples + "ethene-water.hin"},
    };
}

// Everything one molecule gives: its reading's messages, its index row and its
// basic matrices, as text.
std::string Computed(const Source& source) {
    testing::RecordingReporter reporter;
    ReporterScope scope(reporter);
    std::string text;
    std::optional<TMolecula> molecule;
    if (source.hinFile.empty()) {
        MoleculeRecord record;
        record.number = 1;
        molecule = ReadMoleculeRecord(source.text, MoleculeFormat::Smiles, record, "threads.smi", "m", {});
    } else {
        molecule.emplace();
        if (!molecule->LoadFromHIN(source.hinFile))
            molecule.reset();
    }
    if (molecule) {
        for (const IndexCell& cell : CalcIndexRow(*molecule, IndexRequest{}).cells)
            text += FormatIndexCell(cell) + ",";
        BasicMatrixSelection all;
        all.fill(true);
        StringListTarget target;
        for (const auto& matrix : CalcBasicMatrices(*molecule, all))
            if (matrix)
                PrintPlain(*matrix, target, 0, 10);
        for (const std::string& line : target.lines)
            text += line + "\n";
    }
    for (const std::string& error : reporter.errors)
        text += "error: " + error + "\n";
    for (const std::string& information : reporter.informations)
        text += "information: " + information + "\n";
    return text;
}

TEST(IndexThreads, FourThreadsAtOnceGiveWhatOneThreadGives) {
    const std::vector<Source> sources = Sources();
    std::vector<std::string> expected;
    for (const Source& source : sources)
        expected.push_back(Computed(source));
    ASSERT_NE(expected[2].find("error: "), std::string::npos) << "the unreadable SMILES gives its reason";

    constexpr int kThreads = 4;
    constexpr int kRounds = 3;
    std::vector<std::vector<std::string>> got(kThreads, std::vector<std::string>(sources.size()));
    {
        std::vector<std::jthread> threads;
        for (int t = 0; t < kThreads; ++t)
            threads.emplace_back([&, t] {
                // Each thread starts elsewhere in the list, so different molecules overlap.
                for (int round = 0; round < kRounds; ++round)
                    for (std::size_t k = 0; k < sources.size(); ++k) {
                        const std::size_t i = (k + static_cast<std::size_t>(t) * 2) % sources.size();
                        const std::string text = Computed(sources[i]);
                        if (round == 0 || text != got[t][i])
                            got[t][i] = round == 0 ? text : "differs between rounds: " + text;
                    }
            });
    }
    for (int t = 0; t < kThreads; ++t)
        for (std::size_t i = 0; i < sources.size(); ++i)
            EXPECT_EQ(got[t][i], expected[i]) << "thread " << t << ", molecule " << i;
}

} // namespace
} // namespace grafida
