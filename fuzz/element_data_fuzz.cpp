// MassOf and ElectronegativityOf over fuzzed "MASS.DAT" and "ELNEG.DAT" files.

#include "FuzzSupport.h"
#include "molecule/ElementData.h"

#include <array>

using namespace grafida;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::KeepQuiet();
    SetElementDataDir(fuzz::ScratchFolder());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto text = fuzz::TextOf(data, size);
    fuzz::WriteScratchFile("MASS.DAT", text);
    fuzz::WriteScratchFile("ELNEG.DAT", text);
    static constexpr std::array<std::string_view, 7> symbols{"C", " Cl ", "H", "", " ", "Uuo", "C l"};
    for (const auto symbol : symbols) {
        MassOf(symbol);
        ElectronegativityOf(symbol);
    }
    return 0;
}
