// grafida._grafida: the core's molecules, matrices and descriptors for Python. The
// Python package around it (grafida/__init__.py) gives the public API its final
// shape (DataFrames, warnings); everything that computes is here, with the GIL
// released and Ctrl+C honoured.

#include "Errors.h"
#include "MoleculeIndices.h"
#include "MoleculeMatrices.h"
#include "MoleculeSources.h"
#include "TaskThreads.h"
#include "molecule/ElementData.h"
#include "numeric/Error.h"
#include "numeric/Messages.h"

#include <cmath>
#include <cstring>
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <thread>

namespace py = pybind11;

namespace grafida::python {

namespace {

int JobsOf(std::optional<int> jobs) {
    if (jobs)
        return std::max(1, *jobs);
    const unsigned cores = std::thread::hardware_concurrency();
    return cores ? static_cast<int>(cores) : 1;
}

// One copy: from the matrix's row-major cells into the array's.
py::array_t<double> ToArray(const TFLOATARRAY& matrix) {
    py::array_t<double> array(
        {static_cast<py::ssize_t>(matrix.Rows()), static_cast<py::ssize_t>(matrix.Cols())});
    if (matrix.Rows() > 0 && matrix.Cols() > 0)
        std::memcpy(array.mutable_data(), matrix.RowData(1), sizeof(double) * matrix.Rows() * matrix.Cols());
    return array;
}

std::string BareSymbol(const std::string& symbol) {
    std::string bare;
    for (char c : symbol)
        if (c != ' ')
            bare += c;
    return bare;
}

py::object CellObject(const IndexCell& cell) {
    struct {
        py::object operator()(std::monostate) const { return py::none(); }
        py::object operator()(const std::string& text) const { return py::str(text); }
        py::object operator()(int count) const { return py::int_(count); }
        py::object operator()(double value) const { return py::float_(value); }
    } convert;
    return std::visit(convert, cell);
}

IndexRequest RequestOf(const std::optional<std::vector<std::string>>& columns, bool with3D) {
    IndexRequest request;
    if (columns)
        request.names = *columns;
    request.with3D = with3D;
    return request;
}

// IndexColumns raises GrafidaError for an unknown name; the caller hears it as grafida.Error.
std::vector<IndexColumn> ColumnsOf(const IndexRequest& request) {
    try {
        return IndexColumns(request);
    } catch (const std::exception& error) {
        throw Failure(error.what());
    }
}

py::tuple InputState(const MoleculeInput& input) {
    const MoleculeRecord record = input.record.value_or(MoleculeRecord{});
    return py::make_tuple(input.file, static_cast<int>(input.format), input.record.has_value(), record.number,
                          record.offset, record.length, record.title, record.tooLarge, input.name,
                          input.label);
}

MoleculeInput InputOfState(const py::tuple& state) {
    if (state.size() != 10)
        throw Failure("not a molecule input");
    MoleculeInput input;
    input.file = state[0].cast<std::string>();
    input.format = static_cast<MoleculeFormat>(state[1].cast<int>());
    if (state[2].cast<bool>()) {
        MoleculeRecord record;
        record.number = state[3].cast<std::int64_t>();
        record.offset = state[4].cast<std::uint64_t>();
        record.length = state[5].cast<std::uint64_t>();
        record.title = state[6].cast<std::string>();
        record.tooLarge = state[7].cast<bool>();
        input.record = record;
    }
    input.name = state[8].cast<std::string>();
    input.label = state[9].cast<std::string>();
    return input;
}

py::tuple ReadFile(const std::string& path, bool with3D, std::optional<int> jobs) {
    const std::vector<MoleculeInput> inputs = ExpandFiles({path});
    const MoleculeReadOptions options{.embed3D = with3D};
    std::vector<std::optional<TMolecula>> read(inputs.size());
    const auto outcomes = RunTasks(inputs.size(), JobsOf(jobs), std::nullopt, [&](std::size_t i) {
        read[i] = ReadInput(inputs[i], options, Keep::Properties);
        return read[i].has_value();
    });
    py::list molecules;
    std::vector<std::string> warnings, all;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        for (const auto& message : outcomes[i].messages) {
            all.push_back(message);
            warnings.push_back(inputs[i].label + ": " + message);
        }
        if (outcomes[i].ok)
            molecules.append(py::cast(std::move(*read[i])));
    }
    if (molecules.empty())
        throw Failure(JoinedMessages(all));
    return py::make_tuple(molecules, warnings);
}

TMolecula FromSmiles(const std::string& smiles, const std::optional<std::string>& name, bool with3D) {
    std::optional<TMolecula> molecule;
    const MoleculeReadOptions options{.embed3D = with3D};
    RunOne([&] {
        molecule = ReadSmiles(smiles, name.value_or(""), options, Keep::Properties);
        return molecule.has_value();
    });
    return std::move(*molecule);
}

py::array_t<double> Matrix(const TMolecula& molecule, const std::string& code,
                           const std::optional<std::string>& of, int steps,
                           const std::optional<std::string>& property, const std::optional<std::string>& m2,
                           const std::optional<std::string>& m3) {
    if (!IsMatrixCode(code))
        throw py::value_error(FormatMessage(messages::kUnknownMatrixCode, code));
    if (steps < 0 || steps > 65535)
        throw py::value_error("steps must lie in 0 .. 65535");
    MatrixOptions options{of.value_or(""), static_cast<std::uint16_t>(steps), property.value_or(""),
                          m2.value_or(""), m3.value_or("")};
    std::optional<TFLOATARRAY> matrix;
    RunOne([&] {
        matrix = MoleculeMatrix(molecule, code, options);
        return matrix.has_value();
    });
    return ToArray(*matrix);
}

// Molecules, inputs and paths (expanded here, in order) as sources of index rows.
std::vector<IndexSource> SourcesOf(const py::list& items) {
    std::vector<IndexSource> sources;
    FileExpander expander;
    for (const py::handle item : items) {
        if (py::isinstance<TMolecula>(item)) {
            sources.emplace_back(&item.cast<const TMolecula&>());
        } else if (py::isinstance<MoleculeInput>(item)) {
            sources.emplace_back(item.cast<MoleculeInput>());
        } else {
            const std::string path = item.cast<std::string>();
            std::vector<MoleculeInput> inputs;
            {
                py::gil_scoped_release released;
                inputs = expander.Expand(path);
            }
            for (auto& input : inputs)
                sources.emplace_back(std::move(input));
        }
    }
    return sources;
}

py::tuple IndexRows(const py::list& items, const std::optional<std::vector<std::string>>& columns,
                    std::optional<int> jobs, std::optional<double> timeout, bool with3D) {
    if (timeout && !(*timeout > 0))
        throw py::value_error("timeout must be a positive number of seconds");
    const IndexRequest request = RequestOf(columns, with3D);
    ColumnsOf(request);
    const std::vector<IndexSource> sources = SourcesOf(items);
    IndexBatch batch = CalcIndexBatch(sources, request, JobsOf(jobs), timeout);
    py::list names, rows;
    for (const IndexColumn& column : batch.columns)
        names.append(column.name);
    for (const auto& row : batch.rows) {
        py::list cells;
        for (const IndexCell& cell : row)
            cells.append(CellObject(cell));
        rows.append(cells);
    }
    return py::make_tuple(names, rows, batch.warnings);
}

constexpr const char* kMatrixDoc = R"(A matrix of the molecule as a float64 array (atom i is row i).

Basic codes: "AD", "CON", "DI", "D3D", "DE", "CjDi", "CjDe", "CFDi", "CFDe".
Derived from the basic matrix `of`:
  "W"    W matrix of `of` (default "AD") after `steps` walk steps, weighted by the
         molecule's property `property` (default: ones);
  "WO"   walk operator of M1 = `of` (default "AD"), M2 = `m2`, M3 = `m3` (default "DI");
  "LM"   layer matrix over the distance matrix of `property`: a molecule property,
         "Row sum", "Col sum" or "Diagonal entries" of `of` (default "DI"), or ones;
  "Sh"   shell matrix of `of` (default "DI");
  "Comb" combinatorial matrix of `of` (default "DI").
Raises ValueError for an unknown code, grafida.Error when the matrix cannot be built.)";

} // namespace

} // namespace grafida::python

using namespace grafida;
using namespace grafida::python;

PYBIND11_MODULE(_grafida, m) {
    m.doc() = "The compiled core of grafida; use the grafida package.";
    py::register_exception<Failure>(m, "Error", PyExc_RuntimeError);

    m.def("_set_data_dir", &SetElementDataDir, py::arg("folder"));
    m.def("_prepare_record_reading", [] {
        py::gil_scoped_release released;
        PrepareRecordReading();
    });

    py::class_<MoleculeInput>(m, "_Input")
        .def_property_readonly("name", [](const MoleculeInput& input) { return input.name; })
        .def_property_readonly("label", [](const MoleculeInput& input) { return input.label; })
        .def(py::pickle(&InputState, &InputOfState));

    py::class_<TMolecula>(m, "Molecule", "A molecule as the program holds it: its hydrogen-depleted graph.")
        .def_property_readonly("name", &TMolecula::Name, "The molecule's name, as the program names it.")
        .def_property_readonly(
            "elements",
            [](const TMolecula& molecule) {
                std::vector<std::string> symbols;
                for (const TAtom& atom : molecule.Atoms)
                    symbols.push_back(BareSymbol(atom.Element().Symbol));
                return symbols;
            },
            "The element symbol of each heavy atom (\"C\", \"Cl\").")
        .def_property_readonly(
            "hydrogens",
            [](const TMolecula& molecule) {
                py::array_t<std::int64_t> counts(molecule.VertexCount());
                auto cells = counts.mutable_unchecked<1>();
                for (int i = 0; i < molecule.VertexCount(); ++i)
                    cells(i) = molecule.Atoms[i].HydrogenCount();
                return counts;
            },
            "The number of hydrogens on each heavy atom.")
        .def_property_readonly(
            "bonds",
            [](const TMolecula& molecule) {
                std::vector<std::tuple<int, int, std::string>> bonds;
                for (const TBond& bond : molecule.Bonds)
                    bonds.emplace_back(bond.A1 - 1, bond.A2 - 1, LetterOfBondType(bond.BondType));
                return bonds;
            },
            "(atom, atom, type) per bond; atoms 0-based, type \"s\", \"d\", \"t\" or \"a\".")
        .def_property_readonly(
            "coordinates",
            [](const TMolecula& molecule) {
                py::array_t<double> xyz({molecule.VertexCount(), 3});
                auto cells = xyz.mutable_unchecked<2>();
                const bool any = molecule.HasCoordinates();
                for (int i = 0; i < molecule.VertexCount(); ++i) {
                    const TAtom& atom = molecule.Atoms[i];
                    cells(i, 0) = any ? atom.X() : std::nan("");
                    cells(i, 1) = any ? atom.Y() : std::nan("");
                    cells(i, 2) = any ? atom.Z() : std::nan("");
                }
                return xyz;
            },
            "An (atoms, 3) array of positions; NaN when the molecule has none.")
        .def_property_readonly(
            "properties",
            [](const TMolecula& molecule) {
                py::dict properties;
                for (const TAtomProperty& property : molecule.Properties)
                    properties[py::str(property.Name)] = py::array_t<double>(
                        static_cast<py::ssize_t>(property.Values.size()), property.Values.data());
                return properties;
            },
            "The atom properties the molecule carries (\"atomic mass\"), by name.")
        .def("matrix", &Matrix, kMatrixDoc, py::arg("code"), py::kw_only(), py::arg("of") = py::none(),
             py::arg("steps") = 1, py::arg("property") = py::none(), py::arg("m2") = py::none(),
             py::arg("m3") = py::none())
        .def("__repr__",
             [](const TMolecula& molecule) {
                 return "<grafida.Molecule " + molecule.Name() + ", " +
                        std::to_string(molecule.VertexCount()) + " atoms>";
             })
        .def(py::pickle(
            [](const TMolecula& molecule) {
                const auto text = molecule.SaveToText();
                if (!text)
                    throw Failure("molecule " + molecule.Name() + " cannot be written");
                return py::make_tuple(molecule.Name(), py::bytes(*text));
            },
            [](const py::tuple& state) {
                TMolecula molecule;
                const std::string name = state[0].cast<std::string>();
                if (!molecule.LoadFromText(state[1].cast<std::string>(), name + ".TOP"))
                    throw Failure("molecule " + name + " cannot be read back");
                return molecule;
            }));

    m.def("_read", &ReadFile, py::arg("path"), py::arg("with_3d"), py::arg("jobs"));
    m.def("_from_smiles", &FromSmiles, py::arg("smiles"), py::arg("name"), py::arg("with_3d"));
    m.def("_expand", [](const std::vector<std::string>& paths) { return ExpandFiles(paths); });
    m.def("_index_rows", &IndexRows, py::arg("items"), py::arg("columns"), py::arg("jobs"),
          py::arg("timeout"), py::arg("with_3d"));
    m.def(
        "index_columns",
        [](const std::optional<std::vector<std::string>>& columns) {
            std::vector<std::string> names;
            for (const IndexColumn& column : ColumnsOf(RequestOf(columns, true)))
                names.push_back(column.name);
            return names;
        },
        py::arg("columns") = py::none());
}
