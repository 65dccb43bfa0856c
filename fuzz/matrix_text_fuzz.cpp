// The matrix-file reader over any bytes, and the printers over what it accepts.

#include "FuzzSupport.h"
#include "numeric/MatrixText.h"

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
    }
    return 0;
}
