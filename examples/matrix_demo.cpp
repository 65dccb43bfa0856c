// Prints the distance matrix of the five-vertex path in both layouts, saves it as
// an .M file and reads it back: a first look at the matrix text format.
#include "numeric/MatrixText.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

int main() {
    using namespace grafida;
    TFLOATARRAY distances(5, 5);
    distances.SetName("pentane_DI");
    for (int i = 1; i <= 5; ++i)
        for (int j = 1; j <= 5; ++j)
            distances.Put(i, j, std::abs(i - j));
    StringListTarget text;
    PrintPlain(distances, text, 4, 2);
    PrintFormatted(distances, text, 4, 2);
    for (const auto& line : text.lines)
        std::printf("%s\n", line.c_str());

    const auto file = std::filesystem::temp_directory_path() / "pentane_DI.M";
    if (!SaveToFile(distances, file.string(), 4, 2))
        return 1;
    TContainer list;
    LoadMatrices(file.string(), list);
    std::filesystem::remove(file);
    std::printf("read back %d matrix from %s: %s\n", list.Count(), file.c_str(),
                list.Count() == 1 && *list.ItemAs<TFLOATARRAY>(0) == distances ? "identical" : "DIFFERENT");
    return 0;
}
