#include "topology/BasicMatrices.h"

#include "numeric/Messages.h"
#include "numeric/Reporter.h"
#include "topology/Cluj.h"
#include "topology/Detour.h"
#include "topology/Distance.h"
#include "topology/ElementaryMatrices.h"

#include <optional>

namespace grafida {

namespace {

constexpr size_t Slot(BasicMatrix which) {
    return static_cast<size_t>(which);
}

} // namespace

const std::array<const char*, kBasicMatrixCount>& BasicMatrixItems() {
    static const std::array<const char*, kBasicMatrixCount> items = {
        "Adjacency",     "Conectivity", "Distance",       "Distance3D",  "Detour",
        "Cluj_Distance", "Cluj_Detour", "ClujF_Distance", "ClujF-Detour"};
    return items;
}

const std::array<const char*, kBasicMatrixCount>& BasicMatrixCodes() {
    static const std::array<const char*, kBasicMatrixCount> codes = {"AD",   "CON",  "DI",   "D3D", "DE",
                                                                     "CjDi", "CjDe", "CFDi", "CFDe"};
    return codes;
}

bool HasBasicInputs(BasicMatrix which, const TFLOATARRAY* adjacency, const TFLOATARRAY* distance) {
    struct Need {
        const char* matrix;
        const char* inputs;
    };
    std::optional<Need> need;
    switch (which) {
    case BasicMatrix::Distance:
        if (!adjacency)
            need = Need{"Distance", "Adjacency"};
        break;
    case BasicMatrix::Detour:
        if (!adjacency)
            need = Need{"Detour", "Adjacency"};
        break;
    case BasicMatrix::ClujDistance:
    case BasicMatrix::ClujDetour:
    case BasicMatrix::ClujFragDistance:
    case BasicMatrix::ClujFragDetour: {
        // The command's own spellings, "CfDi" included.
        static const std::array<const char*, 4> titles = {"CjDi", "CjDe", "CfDi", "CFDe"};
        if (!adjacency || !distance)
            need = Need{titles[Slot(which) - Slot(BasicMatrix::ClujDistance)], "Distance and Adjacency"};
        break;
    }
    default:
        break;
    }
    if (need)
        ShowError(messages::kNeeds, need->matrix, need->inputs);
    return !need;
}

std::unique_ptr<TFLOATARRAY> CalcBasicMatrix(BasicMatrix which, const TMolecula& molecule,
                                             const TFLOATARRAY* adjacency, const TFLOATARRAY* distance) {
    switch (which) {
    case BasicMatrix::Adjacency:
        return CalcAdjacency(molecule);
    case BasicMatrix::Connectivity:
        return CalcConnectivity(molecule);
    case BasicMatrix::Distance:
        return CalcDistance(adjacency);
    case BasicMatrix::Distance3D:
        return CalcDistance3D(molecule);
    case BasicMatrix::Detour:
        return CalcDetour(adjacency);
    case BasicMatrix::ClujDistance:
        return CalcClujDistance(adjacency, distance);
    case BasicMatrix::ClujDetour:
        return CalcClujDetour(adjacency, distance);
    case BasicMatrix::ClujFragDistance:
        return CalcClujFragDistance(adjacency, distance);
    case BasicMatrix::ClujFragDetour:
        return CalcClujFragDetour(adjacency, distance);
    }
    return nullptr;
}

BasicMatrixResults CalcBasicMatrices(const TMolecula& molecule, const BasicMatrixSelection& selection) {
    BasicMatrixResults results;
    auto selected = [&](BasicMatrix which) { return selection[Slot(which)]; };
    const bool clujOverShortest =
        selected(BasicMatrix::ClujDistance) || selected(BasicMatrix::ClujFragDistance);
    const bool clujOverLongest = selected(BasicMatrix::ClujDetour) || selected(BasicMatrix::ClujFragDetour);
    const bool needsDistance = selected(BasicMatrix::Distance) || clujOverShortest || clujOverLongest;
    const bool needsDetour = selected(BasicMatrix::Detour) || clujOverLongest;
    const bool needsAdjacency = selected(BasicMatrix::Adjacency) || needsDistance || needsDetour;

    // Inputs of the derived matrices go to their slot when selected, else they live here.
    auto keep = [&](BasicMatrix which, std::unique_ptr<TFLOATARRAY> matrix,
                    std::unique_ptr<TFLOATARRAY>& own) {
        const TFLOATARRAY* kept = matrix.get();
        (selected(which) ? results[Slot(which)] : own) = std::move(matrix);
        return kept;
    };
    std::unique_ptr<TFLOATARRAY> ownAdjacency, ownDistance, ownDetour;
    const TFLOATARRAY* adjacency = nullptr;
    const TFLOATARRAY* distance = nullptr;
    const TFLOATARRAY* detour = nullptr;

    if (needsAdjacency)
        adjacency = keep(BasicMatrix::Adjacency, CalcAdjacency(molecule), ownAdjacency);
    if (selected(BasicMatrix::Connectivity))
        results[Slot(BasicMatrix::Connectivity)] = CalcConnectivity(molecule);
    if (needsDistance) {
        if (!HasBasicInputs(BasicMatrix::Distance, adjacency, nullptr))
            return results;
        distance = keep(BasicMatrix::Distance, CalcDistance(adjacency), ownDistance);
    }
    if (selected(BasicMatrix::Distance3D))
        results[Slot(BasicMatrix::Distance3D)] = CalcDistance3D(molecule);
    if (needsDetour) {
        if (!HasBasicInputs(BasicMatrix::Detour, adjacency, nullptr))
            return results;
        detour = keep(BasicMatrix::Detour, CalcDetour(adjacency), ownDetour);
    }
    if (clujOverShortest) {
        const BasicMatrix first =
            selected(BasicMatrix::ClujDistance) ? BasicMatrix::ClujDistance : BasicMatrix::ClujFragDistance;
        if (!HasBasicInputs(first, adjacency, distance))
            return results;
        ClujMatrices cluj = CalcClujDistanceMatrices(adjacency, distance, selected(BasicMatrix::ClujDistance),
                                                     selected(BasicMatrix::ClujFragDistance));
        results[Slot(BasicMatrix::ClujDistance)] = std::move(cluj.whole);
        results[Slot(BasicMatrix::ClujFragDistance)] = std::move(cluj.fragmental);
    }
    if (clujOverLongest) {
        const BasicMatrix first =
            selected(BasicMatrix::ClujDetour) ? BasicMatrix::ClujDetour : BasicMatrix::ClujFragDetour;
        if (!HasBasicInputs(first, adjacency, distance))
            return results;
        // Without a detour matrix the builders make their own attempt (and say why it fails).
        ClujMatrices cluj =
            CalcClujDetourMatrices(adjacency, distance, detour, selected(BasicMatrix::ClujDetour),
                                   selected(BasicMatrix::ClujFragDetour));
        results[Slot(BasicMatrix::ClujDetour)] = std::move(cluj.whole);
        results[Slot(BasicMatrix::ClujFragDetour)] = std::move(cluj.fragmental);
    }
    return results;
}

} // namespace grafida
