// Pictures of every dialog in a typical state, for looking at layout, clipping and tab order.
// They are taken only when GRAFIDA_DIALOG_SHOTS names a folder to write them to.
#include "DialogDriver.h"
#include "dlgpack/DlgPack.h"

#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <array>
#include <gtest/gtest.h>

namespace grafida::dlgpack::testing {
namespace {

const QStringList kNames{"benzene_AD", "benzene_DI", "benzene_CjDi", "toluene_AD", "toluene_DE"};
const QStringList kCatalogue{"benzene,SGI,charges,Group mass,", "toluene,SGI,"};

class DialogPictures : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = qEnvironmentVariable("GRAFIDA_DIALOG_SHOTS");
        if (folder_.isEmpty())
            GTEST_SKIP() << "GRAFIDA_DIALOG_SHOTS is not set";
        QDir().mkpath(folder_);
    }

    // Prepares the dialog, saves its picture with the tab order of its controls, and cancels it.
    void Shoot(const QString& className, const QString& file, std::function<void(QDialog&)> prepare) {
        WhenDialogShows(className, [=, this](QDialog& dialog) {
            prepare(dialog);
            EXPECT_TRUE(dialog.grab().save(folder_ + "/" + file));
            QStringList order;
            for (QWidget* w = dialog.nextInFocusChain(); w && w != &dialog; w = w->nextInFocusChain()) {
                if (w->focusPolicy() & Qt::TabFocus)
                    order.append(w->objectName());
            }
            std::printf("%s tab order: %s\n", qPrintable(className), qPrintable(order.join(", ")));
            dialog.reject();
        });
    }

    QString folder_;
};

TEST_F(DialogPictures, EveryDialog) {
    std::array<char, 32> value{"benzene_AD copy"};
    Shoot("TGenDlg", "TGenDlg.png", [](QDialog&) {});
    FGetGenDlg(nullptr, "Copy matrix", "Name of the new matrix", value.data(), 31);

    QStringList names = kNames;
    bool keep = false;
    Shoot("TFSMatrSel", "TFSMatrSel.png",
          [](QDialog& dialog) { ToggleTick(Child<QListWidget>(dialog, "clbMatr"), 1); });
    FGetSMatrDlg(nullptr, "Calculate eigen values and vectors", "Keep eigen vectors", &names, &keep);

    Shoot("TFDMatrSel", "TFDMatrSel.png", [](QDialog& dialog) {
        auto& list = Child<QListWidget>(dialog, "clbMatr");
        ToggleTick(list, 0);
        ToggleTick(list, 1);
    });
    FGetDMatrDlg(nullptr, "Select matrix to perform Hadamard product", "Keep matrix", &names, &keep);

    QStringList properties = kCatalogue;
    std::uint16_t power = 0;
    Shoot("TFMatrWPrDlg", "TFMatrWPrDlg.png", [](QDialog& dialog) {
        ClickEntry(Child<QListWidget>(dialog, "lstMatr"), 0);
        ToggleTick(Child<QListWidget>(dialog, "clbProp"), 2);
    });
    FGetMatrWPrDlg(nullptr, "W matrix calculation", nullptr, nullptr, nullptr, &names, &properties, &keep,
                   &power);

    Shoot("TDualListDlg", "TDualListDlg.png", [](QDialog& dialog) {
        ClickEntry(Child<QListWidget>(dialog, "SrcList"), 1);
        Click(Child<QPushButton>(dialog, "IncludeBtn"));
        Click(Child<QPushButton>(dialog, "IncludeBtn"));
    });
    FGetDualLstDlg(nullptr, "Calculate matrix by Walk operator", "Source matrix", "Selected matrix", nullptr,
                   &names, &keep, 3);

    QBitArray options(4);
    Shoot("TFLMatrDlg", "TFLMatrDlg.png", [](QDialog& dialog) {
        ClickEntry(Child<QListWidget>(dialog, "lstMatr"), 1);
        ToggleTick(Child<QListWidget>(dialog, "clbOptions"), 1);
    });
    FGetLMatrDlg(nullptr, "Calculate layer matrix", &names, &properties, &options);

    Shoot("TFShMatrDlg", "TFShMatrDlg.png", [](QDialog& dialog) {
        ClickEntry(Child<QListWidget>(dialog, "lstMatr"), 3);
        ToggleTick(Child<QListWidget>(dialog, "cbOpt"), 0);
    });
    FGetShMatrDlg(nullptr, "Calculate shell matrix", &names, &options);

    QBitArray flags;
    Shoot("TFormProp", "TFormProp.png",
          [](QDialog& dialog) { ToggleTick(Child<QListWidget>(dialog, "chbProperties"), 3); });
    FGetProperties(nullptr, &flags);

    Shoot("TFormAbout", "TFormAbout.png", [](QDialog&) {});
    FGetAbout(nullptr);
}

} // namespace
} // namespace grafida::dlgpack::testing
