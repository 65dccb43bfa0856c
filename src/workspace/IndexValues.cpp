#include "workspace/IndexValues.h"

#include "numeric/Error.h"
#include "numeric/Messages.h"
#include "numeric/Progress.h"
#include "numeric/Vectors.h"
#include "topology/ClujIndices.h"
#include "topology/CombinatorialMatrix.h"
#include "topology/GraphIndices.h"
#include "topology/LayerIndices.h"
#include "topology/LayerMatrix.h"
#include "topology/WalkMatrix.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace grafida {

namespace {

size_t Slot(BasicMatrix which) {
    return static_cast<size_t>(which);
}

const char* CodeOf(BasicMatrix which) {
    return BasicMatrixCodes()[Slot(which)];
}

// The basic matrices an index reads.
std::vector<BasicMatrix> Needs(const IndexRecipe& recipe) {
    switch (recipe.kind) {
    case IndexKind::HalfSum:
    case IndexKind::CombinatorialHalfSum:
    case IndexKind::IP:
    case IndexKind::IE:
        return {recipe.matrix};
    case IndexKind::SzegedIP:
    case IndexKind::LayerX:
    case IndexKind::LayerC:
    case IndexKind::LayerPolyCoefficient:
        return {BasicMatrix::Distance};
    case IndexKind::WalkOperator:
        return {recipe.walk.begin(), recipe.walk.end()};
    default:
        return {};
    }
}

// Matrices whose entries for a pair that no path joins are placeholders, not values.
bool NeedsPaths(BasicMatrix which) {
    return which != BasicMatrix::Adjacency && which != BasicMatrix::Connectivity &&
           which != BasicMatrix::Distance3D;
}

// Whether the index is undefined on a graph of several fragments: every index that
// reads a distance between two vertices of different fragments. The IE indices read
// bonded pairs only, and so stay defined.
bool NeedsConnectedGraph(const IndexRecipe& recipe) {
    if (recipe.kind == IndexKind::IE)
        return false;
    for (BasicMatrix which : Needs(recipe))
        if (NeedsPaths(which))
            return true;
    return false;
}

// Lazily computed values shared by several columns.
class MoleculeValues {
public:
    MoleculeValues(const TMolecula& molecule, const std::vector<CataloguedIndex>& indices, bool with3D) {
        BasicMatrixSelection selection{};
        selection[Slot(BasicMatrix::Adjacency)] = true;
        selection[Slot(BasicMatrix::Distance)] = true;
        for (const CataloguedIndex& index : indices)
            for (BasicMatrix which : Needs(index.recipe))
                selection[Slot(which)] = true;
        has3D_ = with3D && molecule.HasCoordinates();
        if (!has3D_)
            selection[Slot(BasicMatrix::Distance3D)] = false;
        matrices_ = CalcBasicMatrices(molecule, selection);
        if (const TFLOATARRAY* distance = Matrix(BasicMatrix::Distance))
            connected_ = IsConnectedGraph(*distance);
    }

    const TFLOATARRAY* Matrix(BasicMatrix which) const { return matrices_[Slot(which)].get(); }
    bool Connected() const { return connected_; }
    bool Has3D() const { return has3D_; }

    const std::optional<std::vector<double>>& CharPoly() {
        if (!charPoly_)
            charPoly_ = AdjacencyCharacteristicPolynomial(*Matrix(BasicMatrix::Adjacency));
        return *charPoly_;
    }
    const std::optional<EigenvalueRange>& Eigenvalues() {
        if (!eigenvalues_)
            eigenvalues_ = SymmetricEigenvalueRange(*Matrix(BasicMatrix::Adjacency));
        return *eigenvalues_;
    }
    const std::optional<TFLOATARRAY>& UnitLayerMatrix() {
        if (!layer_) {
            const TFLOATARRAY& distance = *Matrix(BasicMatrix::Distance);
            TFLOATVEC ones(distance.Rows());
            ones.Fill(1, 1.0);
            layer_ = LayerMatrix(distance, ones, "");
        }
        return *layer_;
    }

private:
    BasicMatrixResults matrices_;
    bool connected_ = true;
    bool has3D_ = false;
    std::optional<std::optional<std::vector<double>>> charPoly_;
    std::optional<std::optional<EigenvalueRange>> eigenvalues_;
    std::optional<std::optional<TFLOATARRAY>> layer_;
};

double Sum(const TFLOATVEC& vector) {
    double sum = 0;
    for (std::uint32_t k = 1; k <= vector.Count(); ++k)
        sum += vector.Get(k);
    return sum;
}

// A cell, or the name of what could not be computed for it.
using CellOrFailure = std::variant<IndexCell, std::string>;

CellOrFailure Compute(const TMolecula& molecule, const IndexRecipe& recipe, MoleculeValues& values) {
    const auto failed = [](std::string what) { return CellOrFailure(std::move(what)); };
    const auto value = [](double number) { return CellOrFailure(IndexCell(number)); };
    switch (recipe.kind) {
    case IndexKind::Vertices:
        return CellOrFailure(IndexCell(molecule.VertexCount()));
    case IndexKind::Edges:
        return CellOrFailure(IndexCell(static_cast<int>(molecule.Bonds.size())));
    case IndexKind::Randic:
        return value(RandicIndex(molecule));
    default:
        break;
    }
    const TFLOATARRAY* matrix = values.Matrix(recipe.matrix);
    const TFLOATARRAY& adjacency = *values.Matrix(BasicMatrix::Adjacency);
    switch (recipe.kind) {
    case IndexKind::HalfSum:
        return value(HalfSum(*matrix));
    case IndexKind::CombinatorialHalfSum: {
        const auto combinatorial = CombinatorialMatrix(matrix);
        if (!combinatorial)
            return failed("the combinatorial matrix");
        return value(HalfSum(*combinatorial));
    }
    case IndexKind::IP:
    case IndexKind::IE: {
        const auto index = recipe.kind == IndexKind::IP ? CalcIP(matrix) : CalcIE(&adjacency, matrix);
        if (!index)
            return failed(std::string("the index of ") + CodeOf(recipe.matrix));
        return value(static_cast<double>(index->Value()));
    }
    case IndexKind::SzegedIP: {
        const TFLOATARRAY szeged = SzegedMatrix(*values.Matrix(BasicMatrix::Distance));
        return value(static_cast<double>(CalcIP(&szeged)->Value()));
    }
    case IndexKind::EigenvalueMax:
    case IndexKind::EigenvalueMin: {
        const auto& range = values.Eigenvalues();
        if (!range)
            return failed("the adjacency eigenvalues");
        return value(recipe.kind == IndexKind::EigenvalueMax ? range->largest : range->smallest);
    }
    case IndexKind::CharPolyCoefficient: {
        const auto& coefficients = values.CharPoly();
        if (!coefficients)
            return failed("the characteristic polynomial");
        const auto k = static_cast<size_t>(recipe.order);
        return value(k < coefficients->size() ? (*coefficients)[k] : 0.0);
    }
    case IndexKind::LayerX:
    case IndexKind::LayerC:
    case IndexKind::LayerPolyCoefficient: {
        const auto& layer = values.UnitLayerMatrix();
        if (!layer)
            return failed("the layer matrix");
        if (recipe.kind == IndexKind::LayerPolyCoefficient) {
            const auto column = static_cast<std::int64_t>(recipe.order) + 1;
            return value(column <= layer->Cols() ? layer->ColSum(column) : 0.0);
        }
        const auto indices = recipe.kind == IndexKind::LayerX ? XIndex(&*layer) : CIndex(&*layer);
        if (!indices)
            return failed("the layer matrix");
        return value(Sum(*indices));
    }
    case IndexKind::WalkCount: {
        TFLOATVEC ones(adjacency.Rows());
        ones.Fill(1, 1.0);
        const auto w = CalcWMatrix(&adjacency, static_cast<std::uint16_t>(recipe.order), ones);
        if (!w)
            return failed("the W matrix");
        return value(w->DiagSum(0));
    }
    case IndexKind::Vertices:
    case IndexKind::Edges:
    case IndexKind::Randic:
        break;
    case IndexKind::WalkOperator: {
        const auto r = CalcWalkOperator(values.Matrix(recipe.walk[0]), values.Matrix(recipe.walk[1]),
                                        values.Matrix(recipe.walk[2]));
        if (!r)
            return failed("the walk operator");
        return value(HalfSum(*r));
    }
    }
    return failed("the index");
}

} // namespace

namespace {

// Why cells are empty: a message of the form "<molecule>: <columns> left empty: ...",
// with what could not be computed where the message names it.
struct EmptyReason {
    const char* message;
    std::string what;
    bool operator==(const EmptyReason&) const = default;
};

EmptyReason NotComputed(std::string what) {
    return {messages::kIndexNotComputed, std::move(what)};
}

// Why the index cannot be computed for this molecule before trying; nothing when it can.
std::optional<EmptyReason> ReasonBeforeComputing(const TMolecula& molecule, const IndexRecipe& recipe,
                                                 const MoleculeValues& values) {
    const bool fromGraphAlone = recipe.kind == IndexKind::Vertices || recipe.kind == IndexKind::Edges ||
                                recipe.kind == IndexKind::Randic;
    if (fromGraphAlone)
        return std::nullopt;
    const std::vector<BasicMatrix> needs = Needs(recipe);
    if (std::find(needs.begin(), needs.end(), BasicMatrix::Distance3D) != needs.end() && !values.Has3D())
        return EmptyReason{molecule.HasCoordinates() ? messages::kIndexNo3D : messages::kIndexNoCoordinates,
                           {}};
    for (BasicMatrix which : {BasicMatrix::Adjacency, BasicMatrix::Distance})
        if (!values.Matrix(which))
            return NotComputed(std::string("the matrix ") + CodeOf(which));
    for (BasicMatrix which : needs)
        if (!values.Matrix(which))
            return NotComputed(std::string("the matrix ") + CodeOf(which));
    if (!values.Connected() && NeedsConnectedGraph(recipe))
        return EmptyReason{messages::kIndexNotConnected, {}};
    return std::nullopt;
}

} // namespace

IndexRow CalcCataloguedRow(const TMolecula& molecule, const std::vector<CataloguedIndex>& indices,
                           bool with3D) {
    IndexRow row;
    row.cells.push_back(molecule.Name());
    MoleculeValues values(molecule, indices, with3D);
    // The columns each reason left empty, reasons in order of appearance.
    std::vector<std::pair<EmptyReason, std::string>> empty;
    const auto leaveEmpty = [&](const EmptyReason& reason, const std::string& column) {
        row.cells.emplace_back();
        // The user left the 3D distances out: a note on every molecule would say only that.
        if (reason.message == messages::kIndexNo3D)
            return;
        for (auto& [known, columns] : empty)
            if (known == reason) {
                columns += ", " + column;
                return;
            }
        empty.emplace_back(reason, column);
    };
    for (const CataloguedIndex& index : indices) {
        if (const auto reason = ReasonBeforeComputing(molecule, index.recipe, values)) {
            leaveEmpty(*reason, index.column.name);
            continue;
        }
        CheckCancelled();
        CellOrFailure cell = Compute(molecule, index.recipe, values);
        if (const auto* failure = std::get_if<std::string>(&cell))
            leaveEmpty(NotComputed(*failure), index.column.name);
        else if (const double* number = std::get_if<double>(&std::get<IndexCell>(cell));
                 number && !std::isfinite(*number))
            leaveEmpty({messages::kIndexNotFinite, {}}, index.column.name);
        else
            row.cells.push_back(std::get<IndexCell>(std::move(cell)));
    }
    for (const auto& [reason, columns] : empty)
        row.notes.push_back(reason.what.empty()
                                ? FormatMessage(reason.message, molecule.Name(), columns)
                                : FormatMessage(reason.message, molecule.Name(), columns, reason.what));
    return row;
}

} // namespace grafida
