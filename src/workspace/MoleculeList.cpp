#include "workspace/MoleculeList.h"

#include "numeric/Error.h"

#include <locale.h>
#include <wctype.h>

namespace grafida {

namespace {

// Case mapping must not depend on the user's locale, so it uses the built-in
// Unicode one of the C library.
locale_t UnicodeCaseLocale() {
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return locale;
}

// Reads one UTF-8 character at text[at] and advances at. A byte that does not
// start a valid sequence stands for itself, mapped outside Unicode so that it
// only ever equals the same byte.
char32_t NextCharacter(std::string_view text, size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    int length = 0;
    char32_t value = 0;
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
    }
    if (length == 0 || at + static_cast<size_t>(length) > text.size()) {
        ++at;
        return 0x110000u + lead;
    }
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + static_cast<size_t>(k)]);
        if ((next & 0xC0) != 0x80) {
            ++at;
            return 0x110000u + lead;
        }
        value = (value << 6) | (next & 0x3F);
    }
    at += static_cast<size_t>(length);
    return value;
}

char32_t FoldCase(char32_t c) {
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
    const locale_t locale = UnicodeCaseLocale();
    if (c > 0x10FFFF || locale == static_cast<locale_t>(nullptr))
        return c;
    return static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), locale));
}

} // namespace

bool SameMoleculeName(std::string_view a, std::string_view b) {
    size_t i = 0;
    size_t j = 0;
    while (i < a.size() && j < b.size())
        if (FoldCase(NextCharacter(a, i)) != FoldCase(NextCharacter(b, j)))
            return false;
    return i == a.size() && j == b.size();
}

const std::string& MoleculeList::Name(int index) const {
    if (index < 0 || index >= Count())
        RaiseError("List index out of bounds (%d)", index);
    return names_[static_cast<size_t>(index)];
}

int MoleculeList::IndexOf(std::string_view name) const {
    for (size_t i = 0; i < names_.size(); ++i)
        if (SameMoleculeName(names_[i], name))
            return static_cast<int>(i);
    return -1;
}

int MoleculeList::Append(std::string name) {
    if (IndexOf(name) >= 0)
        return -1;
    names_.push_back(std::move(name));
    return Count() - 1;
}

void MoleculeList::Delete(int index) {
    if (index < 0 || index >= Count())
        RaiseError("List index out of bounds (%d)", index);
    names_.erase(names_.begin() + index);
}

} // namespace grafida
