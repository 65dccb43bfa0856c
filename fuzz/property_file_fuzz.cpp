// The property-file reader over any bytes, with and without properties already held.

#include "FuzzSupport.h"
#include "molecule/PropertyFile.h"

#include <cstdlib>

using namespace grafida;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::KeepQuiet();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto text = fuzz::TextOf(data, size);
    TAtomProperties fresh;
    const int result = LoadPropertiesFromText(fresh, text, "fuzz.prp");
    if (result != kPropertiesLoaded && fresh.Count() != 0)
        std::abort();
    for (int i = 1; i < fresh.Count(); ++i)
        if (fresh[i].Values.size() != fresh[0].Values.size())
            std::abort();

    TAtomProperties held;
    held.Add({"atomic mass", {12.011}});
    LoadPropertiesFromText(held, text, "fuzz.prp");
    return 0;
}
