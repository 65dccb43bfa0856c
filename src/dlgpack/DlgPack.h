#pragma once
// DlgPack: the modal dialogs through which GRAFIDA asks the user to choose matrices,
// properties and options. The program links to libdlgpack.so by name; these nine
// functions, with C linkage, are all the library exports.
//
// How the arguments cross the boundary on Linux:
// - owner: the QWidget* of the window that owns the dialog, passed as void*, or null.
//   The dialog is a child window of it (stays in front of it, centred over it).
// - text (const char*): UTF-8, nul-terminated, or null for the dialog's built-in caption or label.
// - text buffer (char*): UTF-8, nul-terminated, holding maxLen + 1 bytes.
// - name list (QStringList*): the caller's own list; the dialog reads it and, on OK, replaces
//   its entries in place. Both sides use the one Qt heap, so the caller owns what is written.
// - bit set (QBitArray*): the caller's set; its size on entry says whether options are written.
// - flag (bool*) and count (std::uint16_t*): written on OK only.
// Every function returns -1 when the user accepted and 0 otherwise; outputs are written only on
// acceptance, so after a cancel every argument is exactly as passed. A call returns 0 at once,
// showing nothing, when no QApplication runs on the calling thread or a list, bit set, flag or
// count pointer is null.

#include <QBitArray>
#include <QStringList>
#include <cstdint>

#if defined(GRAFIDA_DLGPACK_BUILDING)
#define DLGPACK_EXPORT __attribute__((visibility("default")))
#else
#define DLGPACK_EXPORT
#endif

extern "C" {

// A one-line prompt. value is edited in place and cut to at most maxLen bytes (never inside a
// character). A null value or a negative maxLen returns 0 without a dialog.
DLGPACK_EXPORT std::int16_t FGetGenDlg(void* owner, const char* caption, const char* prompt, char* value,
                                       std::int32_t maxLen);

// One ticked name of names; keep tells whether to keep the result.
DLGPACK_EXPORT std::int16_t FGetSMatrDlg(void* owner, const char* caption, const char* keepCaption,
                                         QStringList* names, bool* keep);

// Two ticked names of names, in the order the list showed them at OK.
DLGPACK_EXPORT std::int16_t FGetDMatrDlg(void* owner, const char* caption, const char* keepCaption,
                                         QStringList* names, bool* keep);

// One selected matrix name, the ticked properties of its molecule (sorted) and a power.
// properties holds the property catalogue on entry: one "molecule,property,...,property," line per molecule.
DLGPACK_EXPORT std::int16_t FGetMatrWPrDlg(void* owner, const char* caption, const char* matrixLabel,
                                           const char* propertyLabel, const char* keepCaption,
                                           QStringList* names, QStringList* properties, bool* keep,
                                           std::uint16_t* power);

// An ordered choice of requiredCount names of items, a name possibly chosen several times.
DLGPACK_EXPORT std::int16_t FGetDualLstDlg(void* owner, const char* caption, const char* sourceLabel,
                                           const char* destinationLabel, const char* keepCaption,
                                           QStringList* items, bool* keep, std::int32_t requiredCount);

// Layer matrix: one selected name, its ticked properties, and when options has size 4 the bits
// 0 "Keep matrix", 1 "X index", 2 "C index", 3 "Polynomial".
DLGPACK_EXPORT std::int16_t FGetLMatrDlg(void* owner, const char* caption, QStringList* names,
                                         QStringList* properties, QBitArray* options);

// Shell matrix: one selected name, and when options has size 4 the bits
// 0 "Keep matrix", 1 "C index", 2 "X index", 3 "Polynomial".
DLGPACK_EXPORT std::int16_t FGetShMatrDlg(void* owner, const char* caption, QStringList* names,
                                          QBitArray* options);

// Resizes flags to 3: SGI, charges, group mass.
DLGPACK_EXPORT std::int16_t FGetProperties(void* owner, QBitArray* flags);

// The About box: -1 when closed with OK, Enter or Esc, 0 with the close box.
DLGPACK_EXPORT std::int16_t FGetAbout(void* owner);

} // extern "C"
