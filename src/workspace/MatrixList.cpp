#include "workspace/MatrixList.h"

namespace grafida {

const TFLOATARRAY* MatrixList::Find(std::string_view name) const {
    const int index = IndexOfName(name);
    return index < 0 ? nullptr : &Item(index);
}

std::vector<std::string> MatrixList::SquareMatrixNames() const {
    std::vector<std::string> names;
    for (int i = 0; i < Count(); ++i)
        if (Item(i).IsSquare())
            names.push_back(Item(i).Name());
    return names;
}

int MatrixList::IndexOfMatrixInText(std::string_view text) const {
    for (int i = 0; i < Count(); ++i)
        if (text.find(Item(i).Name()) != std::string_view::npos)
            return i;
    return -1;
}

} // namespace grafida
