#include "MoleculeIndices.h"

#include "MoleculeSources.h"
#include "TaskThreads.h"
#include "numeric/Error.h"
#include "numeric/Messages.h"

namespace grafida::python {

namespace {

std::string LabelOf(const IndexSource& source) {
    if (const auto* input = std::get_if<MoleculeInput>(&source))
        return input->label;
    return std::get<const TMolecula*>(source)->Name();
}

std::string NameOf(const IndexSource& source) {
    if (const auto* input = std::get_if<MoleculeInput>(&source))
        return input->name;
    return std::get<const TMolecula*>(source)->Name();
}

} // namespace

IndexBatch CalcIndexBatch(const std::vector<IndexSource>& sources, const IndexRequest& request, int jobs,
                          std::optional<double> timeoutSeconds) {
    IndexBatch batch;
    batch.columns = IndexColumns(request);
    const MoleculeReadOptions read{.embed3D = request.with3D};
    std::vector<IndexRow> rows(sources.size());
    const auto outcomes = RunTasks(sources.size(), jobs, timeoutSeconds, [&](std::size_t index) {
        const IndexSource& source = sources[index];
        if (const auto* molecule = std::get_if<const TMolecula*>(&source)) {
            rows[index] = CalcIndexRow(**molecule, request);
            return true;
        }
        const auto molecule = ReadInput(std::get<MoleculeInput>(source), read, Keep::WorkFile);
        if (!molecule)
            return false;
        rows[index] = CalcIndexRow(*molecule, request);
        return true;
    });
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const TaskOutcome& outcome = outcomes[i];
        const std::string label = LabelOf(sources[i]);
        for (const std::string& message : outcome.messages)
            batch.warnings.push_back(label + ": " + message);
        if (outcome.timedOut)
            batch.warnings.push_back(label + ": " +
                                     FormatMessage(messages::kMoleculeTimedOut, NameOf(sources[i]),
                                                   FormatC("%g", timeoutSeconds.value_or(0))));
        if (!outcome.ok) {
            if (!outcome.timedOut && outcome.messages.empty())
                batch.warnings.push_back(label + ": failed");
            continue;
        }
        batch.rows.push_back(std::move(rows[i].cells));
        for (const std::string& note : rows[i].notes)
            batch.warnings.push_back(note);
    }
    return batch;
}

} // namespace grafida::python
