// The matrix-file reader over any bytes, the printers over what it accepts, and the
// Eigenvalues command (as grafida-cli eigen runs it) over its small square matrices.

#include "FuzzSupport.h"
#include "numeric/MatrixText.h"
#include "workspace/EigenvaluesCommand.h"

using namespace grafida;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::KeepQuiet();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TContainer list;
    LoadMatricesFromText(fuzz::TextOf(data, size), "fuzz.M", list);
    for (int i = 0; i < list.Count(); ++i) {
        const auto* matrix = list.ItemAs<TFLOATARRAY>(i);
        if (!matrix)
            continue;
        StringListTarget target;
        PrintFormatted(*matrix, target, 6, 2);
        if (matrix->IsSquare() && matrix->Rows() <= 12)
            PrintEigenvalues(*matrix, Settings{}, target);
    }
    return 0;
}
