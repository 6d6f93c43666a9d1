#include "Fonts.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

TEST(Fonts, PointSizesBecomePixelsAtNinetySixDpi)
{
    EXPECT_EQ(PointFont(FaceMsPGothic, 12).pixelSize(), 16);
    EXPECT_EQ(PointFont(FaceMsPGothic, 10).pixelSize(), 13);
    EXPECT_EQ(PointFont(FaceMsPGothic, 9).pixelSize(), 12);
    EXPECT_EQ(PointFont(FaceMsPGothic, 11).pixelSize(), 15);
    EXPECT_EQ(PointFont(FaceMeiryo, 24, true).pixelSize(), 32);
    EXPECT_TRUE(PointFont(FaceMeiryo, 24, true).bold());
}

TEST(Fonts, EveryFaceNameReachesAnInstalledProportionalFace)
{
    InstallFontSubstitutions();
    struct Case {
        QString face;
        const char *family;
    };
    const Case cases[] = {
        {FaceMsPGothic, "IPAPGothic"}, {QStringLiteral("MS PGothic"), "IPAPGothic"}, {FaceMsUiGothic, "IPAPGothic"},
        {FaceMeiryo, "IPAexGothic"}, {FaceArial, "Liberation Sans"}, {FaceTahoma, "DejaVu Sans"},
    };
    for (const Case &c : cases) {
        const QFontInfo info(PixelFont(c.face, 16));
        EXPECT_EQ(info.family(), QString::fromLatin1(c.family)) << c.face.toStdString();
        EXPECT_FALSE(info.fixedPitch()) << c.face.toStdString();
    }
    // The metric-compatible face gives the width the screens were laid out for.
    EXPECT_EQ(QFontMetrics(PointFont(FaceMsPGothic, 12)).horizontalAdvance(QStringLiteral("受け取る")), 60);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
