// The library's export table: each function makes its dialog, fills it from the caller's
// arguments, runs it modally and, only when the user accepts, writes the choices back.

#include "dlgpack/DlgPack.h"

#include "dlgpack/CheckLists.h"
#include "dlgpack/DialogFrame.h"
#include "dlgpack/SystemInfo.h"
#include "dlgpack/TDualListDlg.h"
#include "dlgpack/TFDMatrSel.h"
#include "dlgpack/TFLMatrDlg.h"
#include "dlgpack/TFMatrWPrDlg.h"
#include "dlgpack/TFSMatrSel.h"
#include "dlgpack/TFShMatrDlg.h"
#include "dlgpack/TFormAbout.h"
#include "dlgpack/TFormProp.h"
#include "dlgpack/TGenDlg.h"

#include <QLocale>
#include <cstring>

using namespace grafida::dlgpack;

namespace {

constexpr std::int16_t kAccepted = -1;
constexpr std::int16_t kCancelled = 0;

QWidget* Owner(void* owner) {
    return static_cast<QWidget*>(owner);
}

// At most maxLen bytes of text, cut before a character that would not fit whole.
QByteArray FitInto(const QString& text, std::int32_t maxLen) {
    QByteArray bytes = text.toUtf8();
    if (bytes.size() <= maxLen)
        return bytes;
    qsizetype end = maxLen;
    while (end > 0 && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80)
        --end;
    bytes.truncate(end);
    return bytes;
}

template <class Dialog>
std::int16_t RunMatrixTicks(void* owner, const char* caption, const char* keepCaption, QStringList* names,
                            bool* keep) {
    if (!CanShowDialogs() || !names || !keep)
        return kCancelled;
    Dialog dialog(Owner(owner));
    dialog.SetTexts(caption, keepCaption);
    dialog.SetNames(*names);
    if (RunModal(dialog) != kAccepted)
        return kCancelled;
    ReplaceEntries(*names, dialog.TickedNames());
    *keep = dialog.Keep();
    return kAccepted;
}

} // namespace

extern "C" {

std::int16_t FGetGenDlg(void* owner, const char* caption, const char* prompt, char* value,
                        std::int32_t maxLen) {
    if (!CanShowDialogs() || !value || maxLen < 0)
        return kCancelled;
    TGenDlg dialog(Owner(owner));
    dialog.SetTexts(caption, prompt);
    dialog.SetValue(QString::fromUtf8(value));
    if (RunModal(dialog) != kAccepted)
        return kCancelled;
    const QByteArray text = FitInto(dialog.Value(), maxLen);
    std::memcpy(value, text.constData(), static_cast<size_t>(text.size()));
    value[text.size()] = '\0';
    return kAccepted;
}

std::int16_t FGetSMatrDlg(void* owner, const char* caption, const char* keepCaption, QStringList* names,
                          bool* keep) {
    return RunMatrixTicks<TFSMatrSel>(owner, caption, keepCaption, names, keep);
}

std::int16_t FGetDMatrDlg(void* owner, const char* caption, const char* keepCaption, QStringList* names,
                          bool* keep) {
    return RunMatrixTicks<TFDMatrSel>(owner, caption, keepCaption, names, keep);
}

std::int16_t FGetMatrWPrDlg(void* owner, const char* caption, const char* matrixLabel,
                            const char* propertyLabel, const char* keepCaption, QStringList* names,
                            QStringList* properties, bool* keep, std::uint16_t* power) {
    if (!CanShowDialogs() || !names || !properties || !keep || !power)
        return kCancelled;
    TFMatrWPrDlg dialog(Owner(owner));
    dialog.SetTexts(caption, matrixLabel, propertyLabel, keepCaption);
    dialog.SetNames(*names, *properties);
    if (RunModal(dialog) != kAccepted)
        return kCancelled;
    ReplaceEntries(*names, {dialog.SelectedName().value_or(QString())});
    ReplaceEntries(*properties, dialog.TickedProperties());
    *keep = dialog.Keep();
    *power = dialog.Power();
    return kAccepted;
}

std::int16_t FGetDualLstDlg(void* owner, const char* caption, const char* sourceLabel,
                            const char* destinationLabel, const char* keepCaption, QStringList* items,
                            bool* keep, std::int32_t requiredCount) {
    if (!CanShowDialogs() || !items || !keep)
        return kCancelled;
    TDualListDlg dialog(Owner(owner), requiredCount);
    dialog.SetTexts(caption, sourceLabel, destinationLabel, keepCaption);
    dialog.SetNames(*items);
    if (RunModal(dialog) != kAccepted)
        return kCancelled;
    ReplaceEntries(*items, dialog.ChosenNames());
    *keep = dialog.Keep();
    return kAccepted;
}

std::int16_t FGetLMatrDlg(void* owner, const char* caption, QStringList* names, QStringList* properties,
                          QBitArray* options) {
    if (!CanShowDialogs() || !names || !properties || !options)
        return kCancelled;
    TFLMatrDlg dialog(Owner(owner));
    dialog.SetCaption(caption);
    dialog.SetNames(*names, *properties);
    if (RunModal(dialog) != kAccepted)
        return kCancelled;
    ReplaceEntries(*names, {dialog.SelectedName().value_or(QString())});
    ReplaceEntries(*properties, dialog.TickedProperties());
    WriteOptions(*options, dialog.Options());
    return kAccepted;
}

std::int16_t FGetShMatrDlg(void* owner, const char* caption, QStringList* names, QBitArray* options) {
    if (!CanShowDialogs() || !names || !options)
        return kCancelled;
    TFShMatrDlg dialog(Owner(owner));
    dialog.SetCaption(caption);
    dialog.SetNames(*names);
    if (RunModal(dialog) != kAccepted)
        return kCancelled;
    ReplaceEntries(*names, {dialog.SelectedName().value_or(QString())});
    WriteOptions(*options, dialog.Options());
    return kAccepted;
}

std::int16_t FGetProperties(void* owner, QBitArray* flags) {
    if (!CanShowDialogs() || !flags)
        return kCancelled;
    TFormProp dialog(Owner(owner));
    if (RunModal(dialog) != kAccepted)
        return kCancelled;
    *flags = dialog.Flags();
    return kAccepted;
}

std::int16_t FGetAbout(void* owner) {
    if (!CanShowDialogs())
        return kCancelled;
    const auto lines = grafida::SystemInformationLines(grafida::ReadSystemSources(),
                                                       QLocale().groupSeparator().toStdString());
    TFormAbout dialog(Owner(owner), lines);
    return RunModal(dialog);
}

} // extern "C"
