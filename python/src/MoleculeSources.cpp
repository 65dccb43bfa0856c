#include "MoleculeSources.h"

#include "Errors.h"
#include "TaskThreads.h"
#include "numeric/Messages.h"
#include "numeric/Reporter.h"

#include <iterator>

namespace grafida::python {

std::vector<MoleculeInput> FileExpander::Expand(const std::string& path) {
    std::vector<MoleculeInput> inputs;
    std::vector<std::string> messages;
    if (!expander_.Expand(path, inputs, messages))
        throw Failure(JoinedMessages(messages));
    return inputs;
}

std::vector<MoleculeInput> ExpandFiles(const std::vector<std::string>& paths) {
    FileExpander expander;
    std::vector<MoleculeInput> inputs;
    for (const std::string& path : paths) {
        auto more = expander.Expand(path);
        std::move(more.begin(), more.end(), std::back_inserter(inputs));
    }
    return inputs;
}

std::optional<TMolecula> ReadInput(const MoleculeInput& input, const MoleculeReadOptions& options,
                                   Keep keep) {
    return ReadMoleculeInput(input, options, keep == Keep::Properties);
}

std::optional<TMolecula> ReadSmiles(const std::string& smiles, const std::string& name,
                                    const MoleculeReadOptions& options, Keep keep) {
    MoleculeRecord record;
    record.number = 1;
    record.length = smiles.size();
    const std::size_t blank = smiles.find_first_of(" \t");
    if (blank != std::string::npos) {
        const std::size_t title = smiles.find_first_not_of(" \t", blank);
        if (title != std::string::npos)
            record.title = smiles.substr(title);
    }
    const std::string source = "SMILES";
    // Unnamed and untitled, the molecule is named after its SMILES.
    std::string chosen =
        MoleculeNameOfTitle(!name.empty()           ? std::string_view(name)
                            : !record.title.empty() ? std::string_view(record.title)
                                                    : std::string_view(smiles).substr(0, blank));
    if (chosen.empty())
        chosen = "smiles";
    const auto read = ReadMoleculeRecord(smiles, MoleculeFormat::Smiles, record, source, chosen, options);
    if (!read)
        return std::nullopt;
    return ThroughWorkFileText(*read, keep == Keep::Properties);
}

} // namespace grafida::python
