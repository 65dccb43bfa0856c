// The splash picture, decoded by libjpeg.
#include "app/JpegImage.h"
#include "app/TFormSplash.h"

#include <QFile>
#include <QLabel>
#include <gtest/gtest.h>

namespace grafida::app {
namespace {

QByteArray SplashBytes() {
    QFile file(QStringLiteral(GRAFIDA_SPLASH_JPEG));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

TEST(Splash, ThePictureDecodesAndFillsTheWindow) {
    const QImage picture = DecodeJpeg(SplashBytes());
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(601, 328));
    // The top left is the light sky of the picture, not black.
    EXPECT_GT(qGray(picture.pixel(5, 5)), 180);

    TFormSplash splash(SplashBytes());
    EXPECT_EQ(splash.size(), QSize(601, 328));
    auto* title = splash.findChild<QLabel*>(QStringLiteral("LabelTitle"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), "GRAFIDA 1.0");
    EXPECT_TRUE(title->font().bold() && title->font().italic());
    EXPECT_EQ(title->font().pixelSize(), 24);
    EXPECT_GT(title->y(), splash.height() / 2);
}

TEST(Splash, BrokenPicturesDecodeToNothing) {
    const QByteArray whole = SplashBytes();
    for (const QByteArray& bytes :
         {QByteArray(), QByteArray("not a picture"), whole.left(20), QByteArray(1000, '\xff')})
        EXPECT_TRUE(DecodeJpeg(bytes).isNull()) << bytes.size();
    // A truncated picture still decodes what is there, without crashing.
    const QImage truncated = DecodeJpeg(whole.left(whole.size() / 2));
    EXPECT_TRUE(truncated.isNull() || truncated.size() == QSize(601, 328));
}

} // namespace
} // namespace grafida::app
