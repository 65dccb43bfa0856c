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
#include "workspace/MoleculeIndices.h"

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
std::vector<BasicMatrix> Needs(const IndexSpec& spec) {
    switch (spec.kind) {
    case IndexKind::HalfSum:
    case IndexKind::CombinatorialHalfSum:
    case IndexKind::IP:
    case IndexKind::IE:
        return {spec.matrix};
    case IndexKind::SzegedIP:
    case IndexKind::LayerX:
    case IndexKind::LayerC:
    case IndexKind::LayerPolyCoefficient:
        return {BasicMatrix::Distance};
    case IndexKind::WalkOperator:
        return {spec.walk.begin(), spec.walk.end()};
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
bool NeedsConnectedGraph(const IndexSpec& spec) {
    if (spec.kind == IndexKind::IE)
        return false;
    for (BasicMatrix which : Needs(spec))
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
            for (BasicMatrix which : Needs(index.spec))
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

CellOrFailure Compute(const TMolecula& molecule, const IndexSpec& spec, MoleculeValues& values) {
    const auto failed = [](std::string what) { return CellOrFailure(std::move(what)); };
    const auto value = [](double number) { return CellOrFailure(IndexCell(number)); };
    switch (spec.kind) {
    case IndexKind::Vertices:
        return CellOrFailure(IndexCell(molecule.VertexCount()));
    case IndexKind::Edges:
        return CellOrFailure(IndexCell(static_cast<int>(molecule.Bonds.size())));
    case IndexKind::Randic:
        return value(RandicIndex(molecule));
    default:
        break;
    }
    const TFLOATARRAY* matrix = values.Matrix(spec.matrix);
    const TFLOATARRAY& adjacency = *values.Matrix(BasicMatrix::Adjacency);
    switch (spec.kind) {
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
        const auto index = spec.kind == IndexKind::IP ? CalcIP(matrix) : CalcIE(&adjacency, matrix);
        if (!index)
            return failed(std::string("the index of ") + CodeOf(spec.matrix));
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
        return value(spec.kind == IndexKind::EigenvalueMax ? range->largest : range->smallest);
    }
    case IndexKind::CharPolyCoefficient: {
        const auto& coefficients = values.CharPoly();
        if (!coefficients)
            return failed("the characteristic polynomial");
        const auto k = static_cast<size_t>(spec.order);
        return value(k < coefficients->size() ? (*coefficients)[k] : 0.0);
    }
    case IndexKind::LayerX:
    case IndexKind::LayerC:
    case IndexKind::LayerPolyCoefficient: {
        const auto& layer = values.UnitLayerMatrix();
        if (!layer)
            return failed("the layer matrix");
        if (spec.kind == IndexKind::LayerPolyCoefficient) {
            const auto column = static_cast<std::int64_t>(spec.order) + 1;
            return value(column <= layer->Cols() ? layer->ColSum(column) : 0.0);
        }
        const auto indices = spec.kind == IndexKind::LayerX ? XIndex(&*layer) : CIndex(&*layer);
        if (!indices)
            return failed("the layer matrix");
        return value(Sum(*indices));
    }
    case IndexKind::WalkCount: {
        TFLOATVEC ones(adjacency.Rows());
        ones.Fill(1, 1.0);
        const auto w = CalcWMatrix(&adjacency, static_cast<std::uint16_t>(spec.order), ones);
        if (!w)
            return failed("the W matrix");
        return value(w->DiagSum(0));
    }
    case IndexKind::Vertices:
    case IndexKind::Edges:
    case IndexKind::Randic:
        break;
    case IndexKind::WalkOperator: {
        const auto r = CalcWalkOperator(values.Matrix(spec.walk[0]), values.Matrix(spec.walk[1]),
                                        values.Matrix(spec.walk[2]));
        if (!r)
            return failed("the walk operator");
        return value(HalfSum(*r));
    }
    }
    return failed("the index");
}

} // namespace

IndexRow CalcCataloguedRow(const TMolecula& molecule, const std::vector<CataloguedIndex>& indices,
                           bool with3D) {
    IndexRow row;
    row.cells.push_back(molecule.Name());
    MoleculeValues values(molecule, indices, with3D);
    // Column names by the note that explains their empty cells, in order of appearance.
    std::vector<std::pair<std::string, std::string>> empty;
    const auto leaveEmpty = [&](const std::string& note, const std::string& column) {
        row.cells.emplace_back();
        for (auto& [text, columns] : empty)
            if (text == note) {
                columns += ", " + column;
                return;
            }
        empty.emplace_back(note, column);
    };
    const std::string& name = molecule.Name();
    for (const CataloguedIndex& index : indices) {
        const std::string& column = index.column.name;
        const std::vector<BasicMatrix> needs = Needs(index.spec);
        std::string missing;
        for (BasicMatrix which : needs)
            if (!values.Matrix(which) && missing.empty())
                missing = CodeOf(which);
        const bool needs3D = std::find(needs.begin(), needs.end(), BasicMatrix::Distance3D) != needs.end();
        if (needs3D && !values.Has3D()) {
            leaveEmpty(molecule.HasCoordinates() ? "no3d" : "nocoords", column);
            continue;
        }
        if (!missing.empty()) {
            leaveEmpty("matrix:" + missing, column);
            continue;
        }
        const bool fromGraphAlone = index.spec.kind == IndexKind::Vertices ||
                                    index.spec.kind == IndexKind::Edges ||
                                    index.spec.kind == IndexKind::Randic;
        if (!fromGraphAlone &&
            (!values.Matrix(BasicMatrix::Adjacency) || !values.Matrix(BasicMatrix::Distance))) {
            leaveEmpty("matrix:AD", column);
            continue;
        }
        if (!values.Connected() && NeedsConnectedGraph(index.spec)) {
            leaveEmpty("disconnected", column);
            continue;
        }
        CheckCancelled();
        CellOrFailure cell = Compute(molecule, index.spec, values);
        if (auto* failure = std::get_if<std::string>(&cell))
            leaveEmpty("failed:" + *failure, column);
        else if (const double* number = std::get_if<double>(&std::get<IndexCell>(cell));
                 number && !std::isfinite(*number))
            leaveEmpty("infinite", column);
        else
            row.cells.push_back(std::get<IndexCell>(std::move(cell)));
    }
    for (const auto& [reason, columns] : empty) {
        if (reason == "disconnected")
            row.notes.push_back(FormatMessage(messages::kIndexNotConnected, name, columns));
        else if (reason == "no3d")
            row.notes.push_back(FormatMessage(messages::kIndexNo3D, name, columns));
        else if (reason == "nocoords")
            row.notes.push_back(FormatMessage(messages::kIndexNoCoordinates, name, columns));
        else if (reason == "infinite")
            row.notes.push_back(FormatMessage(messages::kIndexNotFinite, name, columns));
        else if (reason.rfind("matrix:", 0) == 0)
            row.notes.push_back(
                FormatMessage(messages::kIndexNotComputed, name, columns, "the matrix " + reason.substr(7)));
        else
            row.notes.push_back(FormatMessage(messages::kIndexNotComputed, name, columns, reason.substr(7)));
    }
    return row;
}

} // namespace grafida
