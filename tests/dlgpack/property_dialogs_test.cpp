#include "DialogDriver.h"
#include "dlgpack/DlgPack.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace grafida::dlgpack::testing {
namespace {

const QStringList kNames{"benzene_AD", "water_DI", "benzene_DI", "plain"};
const QStringList kCatalogue{"benzene,SGI,charges,Group mass,", "toluene,SGI,"};

TEST(WMatrixDialog, SelectionFillsSortedPropertiesAndEnablesTheRest) {
    QStringList names = kNames;
    QStringList properties = kCatalogue;
    bool keep = false;
    std::uint16_t power = 0;
    WhenDialogShows("TFMatrWPrDlg", [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "W matrix calculation");
        EXPECT_EQ(Child<QLabel>(dialog, "lbMatrLst").text(), "Matrix list");
        EXPECT_EQ(Child<QLabel>(dialog, "lbProp").text(), "Properties");
        EXPECT_EQ(Child<QLabel>(dialog, "lbPower").text(), "&Power");
        auto& matrices = Child<QListWidget>(dialog, "lstMatr");
        auto& props = Child<QListWidget>(dialog, "clbProp");
        auto& keepBox = Child<QCheckBox>(dialog, "cbKeep");
        auto& spin = Child<QSpinBox>(dialog, "SpinEditPower");
        auto& ok = Child<QPushButton>(dialog, "BitBtnOK");
        EXPECT_EQ(keepBox.text(), "&Keep matrix");
        EXPECT_EQ(spin.value(), 1);
        EXPECT_EQ(spin.maximum(), 65000);
        for (QWidget* control : {static_cast<QWidget*>(&keepBox), static_cast<QWidget*>(&spin),
                                 static_cast<QWidget*>(&ok), dialog.findChild<QWidget*>("lbPower")})
            EXPECT_FALSE(control->isEnabled());
        EXPECT_EQ(props.count(), 0);
        PressKey(matrices, Qt::Key_Return); // nothing selected: Enter does nothing
        EXPECT_TRUE(dialog.isVisible());

        ClickEntry(matrices, 0);
        EXPECT_EQ(Texts(props), (QStringList{"charges", "Group mass", "SGI"}));
        EXPECT_TRUE(keepBox.isEnabled() && spin.isEnabled() && ok.isEnabled());
        ToggleTick(props, 2);
        ToggleTick(props, 0);
        // water has no catalogue entry: benzene's properties, and their ticks, stay shown.
        ClickEntry(matrices, 1);
        EXPECT_EQ(TickedTexts(props), (QStringList{"charges", "SGI"}));
        ClickEntry(matrices, 3);
        EXPECT_EQ(Texts(props), (QStringList{"charges", "Group mass", "SGI"}));
        ClickEntry(matrices, 1);

        Click(keepBox);
        spin.selectAll();
        QTest::keyClicks(&spin, "65000");
        PressKey(spin, Qt::Key_Return);
    });
    EXPECT_EQ(FGetMatrWPrDlg(nullptr, "W matrix calculation", nullptr, nullptr, nullptr, &names, &properties,
                             &keep, &power),
              -1);
    EXPECT_EQ(names, QStringList{"water_DI"});
    EXPECT_EQ(properties, (QStringList{"charges", "SGI"}));
    EXPECT_TRUE(keep);
    EXPECT_EQ(power, 65000);
}

TEST(LayerDialog, UnknownMoleculeEmptiesThePropertyList) {
    QStringList names = kNames;
    QStringList properties = kCatalogue;
    QBitArray options(4);
    WhenDialogShows("TFLMatrDlg", [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Calculate layer matrix");
        EXPECT_EQ(Child<QLabel>(dialog, "lbMatrLst").text(), "&Matrix list");
        EXPECT_EQ(Child<QLabel>(dialog, "lbProp").text(), "P&roperties");
        EXPECT_EQ(Child<QLabel>(dialog, "lbOptions").text(), "Op&tions");
        auto& matrices = Child<QListWidget>(dialog, "lstMatr");
        auto& props = Child<QListWidget>(dialog, "clbProp");
        auto& opts = Child<QListWidget>(dialog, "clbOptions");
        auto& ok = Child<QPushButton>(dialog, "BitBtnOK");
        EXPECT_EQ(Texts(opts), (QStringList{"Keep matrix", "X index", "C index", "Polynomial"}));
        EXPECT_FALSE(opts.isEnabled() || ok.isEnabled() ||
                     dialog.findChild<QWidget*>("lbOptions")->isEnabled());

        ClickEntry(matrices, 2);
        EXPECT_EQ(Texts(props), (QStringList{"charges", "Group mass", "SGI"}));
        EXPECT_TRUE(opts.isEnabled() && ok.isEnabled());
        ClickEntry(matrices, 1);
        EXPECT_EQ(props.count(), 0);
        ClickEntry(matrices, 3); // no "_": no molecule
        EXPECT_EQ(props.count(), 0);
        ClickEntry(matrices, 0);
        ToggleTick(props, 1);
        ToggleTick(opts, 1);
        ToggleTick(opts, 3);
        PressKey(matrices, Qt::Key_Return);
    });
    EXPECT_EQ(FGetLMatrDlg(nullptr, "Calculate layer matrix", &names, &properties, &options), -1);
    EXPECT_EQ(names, QStringList{"benzene_AD"});
    EXPECT_EQ(properties, QStringList{"Group mass"});
    EXPECT_EQ(options, QBitArray::fromBits("\x0a", 4)); // X index and Polynomial
}

TEST(PropertyDialogs, SeveralEntriesOfOneMoleculeLastWinsForWFirstForLayer) {
    const QStringList catalogue{"m,first,", "m,second,", "M,capital,"};
    QStringList names{"m_AD"};
    QStringList properties = catalogue;
    bool keep = false;
    std::uint16_t power = 7;
    const auto tickAllAndAccept = [](QDialog& dialog) {
        ClickEntry(Child<QListWidget>(dialog, "lstMatr"), 0);
        auto& props = Child<QListWidget>(dialog, "clbProp");
        for (int row = 0; row < props.count(); ++row)
            ToggleTick(props, row);
        Click(Child<QPushButton>(dialog, "BitBtnOK"));
    };
    WhenDialogShows("TFMatrWPrDlg", tickAllAndAccept);
    EXPECT_EQ(FGetMatrWPrDlg(nullptr, nullptr, nullptr, nullptr, nullptr, &names, &properties, &keep, &power),
              -1);
    EXPECT_EQ(properties, QStringList{"second"});
    EXPECT_EQ(power, 1);

    names = {"m_AD"};
    properties = catalogue;
    QBitArray options(4, true);
    WhenDialogShows("TFLMatrDlg", tickAllAndAccept);
    EXPECT_EQ(FGetLMatrDlg(nullptr, nullptr, &names, &properties, &options), -1);
    EXPECT_EQ(properties, QStringList{"first"});
    EXPECT_EQ(options, QBitArray(4, false));
}

TEST(LayerDialog, BitSetOfAnotherSizeIsLeftAlone) {
    QStringList names = kNames;
    QStringList properties = kCatalogue;
    QBitArray options(5);
    options.setBit(4);
    WhenDialogShows("TFLMatrDlg", [](QDialog& dialog) {
        ClickEntry(Child<QListWidget>(dialog, "lstMatr"), 0);
        ToggleTick(Child<QListWidget>(dialog, "clbProp"), 2);
        ToggleTick(Child<QListWidget>(dialog, "clbOptions"), 0);
        Click(Child<QPushButton>(dialog, "BitBtnOK"));
    });
    EXPECT_EQ(FGetLMatrDlg(nullptr, "Calculate layer matrix", &names, &properties, &options), -1);
    EXPECT_EQ(names, QStringList{"benzene_AD"});
    EXPECT_EQ(properties, QStringList{"SGI"});
    EXPECT_EQ(options, QBitArray::fromBits("\x10", 5));
}

TEST(ShellDialog, OptionsInTheirOwnOrderOnlyIntoASetOfFour) {
    for (const qsizetype size : {4, 3}) {
        QStringList names = kNames;
        QBitArray options(size);
        WhenDialogShows("TFShMatrDlg", [](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Calculate shell matrix");
            EXPECT_EQ(Child<QLabel>(dialog, "lbMatr").text(), "&Matrix list");
            EXPECT_EQ(Child<QLabel>(dialog, "lbOpt").text(), "Op&tions");
            auto& matrices = Child<QListWidget>(dialog, "lstMatr");
            auto& opts = Child<QListWidget>(dialog, "cbOpt");
            auto& ok = Child<QPushButton>(dialog, "BitBtnOK");
            EXPECT_EQ(Texts(opts), (QStringList{"Keep matrix", "C index", "X index", "Polynomial"}));
            EXPECT_TRUE(opts.isEnabled());
            EXPECT_FALSE(ok.isEnabled());
            ToggleTick(opts, 1);
            PressKey(opts, Qt::Key_Return);
            EXPECT_TRUE(dialog.isVisible());
            ClickEntry(matrices, 3);
            EXPECT_TRUE(ok.isEnabled());
            PressKey(matrices, Qt::Key_Return);
        });
        EXPECT_EQ(FGetShMatrDlg(nullptr, "Calculate shell matrix", &names, &options), -1);
        EXPECT_EQ(names, QStringList{"plain"});
        EXPECT_EQ(options, size == 4 ? QBitArray::fromBits("\x02", 4) : QBitArray(3));
    }
}

TEST(PropertyDialogs, CancelLeavesEveryArgumentAsPassed) {
    QStringList names = kNames;
    QStringList properties = kCatalogue;
    bool keep = false;
    std::uint16_t power = 9;
    QBitArray options(4);
    const auto chooseThenCancel = [](QDialog& dialog) {
        ClickEntry(Child<QListWidget>(dialog, "lstMatr"), 0);
        if (auto* props = dialog.findChild<QListWidget*>("clbProp"))
            ToggleTick(*props, 0);
        PressKey(Child<QListWidget>(dialog, "lstMatr"), Qt::Key_Escape);
    };
    WhenDialogShows("TFMatrWPrDlg", chooseThenCancel);
    EXPECT_EQ(FGetMatrWPrDlg(nullptr, nullptr, nullptr, nullptr, nullptr, &names, &properties, &keep, &power),
              0);
    WhenDialogShows("TFLMatrDlg", chooseThenCancel);
    EXPECT_EQ(FGetLMatrDlg(nullptr, nullptr, &names, &properties, &options), 0);
    WhenDialogShows("TFShMatrDlg", chooseThenCancel);
    EXPECT_EQ(FGetShMatrDlg(nullptr, nullptr, &names, &options), 0);
    EXPECT_EQ(names, kNames);
    EXPECT_EQ(properties, kCatalogue);
    EXPECT_FALSE(keep);
    EXPECT_EQ(power, 9);
    EXPECT_EQ(options, QBitArray(4));
}

} // namespace
} // namespace grafida::dlgpack::testing
