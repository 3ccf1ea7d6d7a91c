#include "ui/sign_pictures.h"

#include <QImage>

#include <gtest/gtest.h>

#include <string>

namespace nyra {
namespace {

constexpr int kSize = 96;

const char* const kEnglishNames[] = {"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                                     "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

TEST(SignPictures, TwelveKeyedByEnglishNameInZodiacOrder) {
    const std::vector<KeyedPicture> pictures = MakeSignPictures(kSize, 1.0);
    ASSERT_EQ(pictures.size(), 12u);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        EXPECT_EQ(pictures[i].key.toStdString(), kEnglishNames[i]);
        EXPECT_FALSE(pictures[i].picture.isNull()) << kEnglishNames[i];
    }
}

TEST(SignPictures, EverySignLooksDifferent) {
    const std::vector<KeyedPicture> pictures = MakeSignPictures(kSize, 1.0);
    for (std::size_t i = 0; i < pictures.size(); ++i)
        for (std::size_t j = i + 1; j < pictures.size(); ++j)
            EXPECT_NE(pictures[i].picture.toImage(), pictures[j].picture.toImage())
                << kEnglishNames[i] << " and " << kEnglishNames[j];
}

TEST(SignPictures, SharpOnHighDensityScreens) {
    const QPixmap picture = PaintSignPicture(QStringLiteral("Leo"), kSize, 2.0);
    EXPECT_EQ(picture.width(), 2 * kSize);
    EXPECT_EQ(picture.devicePixelRatio(), 2.0);
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(kSize, kSize));
}

TEST(SignPictures, CornersAreTransparentSoAnyThemeShowsThrough) {
    const QImage image = PaintSignPicture(QStringLiteral("Virgo"), kSize, 1.0).toImage();
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(kSize - 1, kSize - 1)), 0);
    EXPECT_EQ(qAlpha(image.pixel(kSize / 2, kSize / 8)), 255);
}

// Just inside the disc's left edge, clear of the glyph.
QRgb DiscColour(const char* sign) {
    return PaintSignPicture(QString::fromLatin1(sign), kSize, 1.0).toImage().pixel(kSize / 10, kSize / 2);
}

TEST(SignPictures, DiscColourFollowsTheElement) {
    for (const char* fire : {"Aries", "Leo", "Sagittarius"}) {
        const QRgb c = DiscColour(fire);
        EXPECT_GT(qRed(c), qBlue(c) + 60) << fire;
    }
    for (const char* water : {"Cancer", "Scorpio", "Pisces"}) {
        const QRgb c = DiscColour(water);
        EXPECT_GT(qBlue(c), qRed(c) + 60) << water;
    }
    for (const char* earth : {"Taurus", "Virgo", "Capricorn"}) {
        const QRgb c = DiscColour(earth);
        EXPECT_GT(qGreen(c), qBlue(c)) << earth;
    }
    EXPECT_EQ(DiscColour("Aries"), DiscColour("Leo"));
    EXPECT_NE(DiscColour("Gemini"), DiscColour("Cancer"));
}

TEST(SignPictures, LookupIsExactAndWalksFromTheFirst) {
    const std::vector<KeyedPicture> pictures = MakeSignPictures(kSize, 1.0);
    EXPECT_EQ(FindPicture(pictures, QStringLiteral("Pisces")).toImage(), pictures[11].picture.toImage());
    EXPECT_TRUE(FindPicture(pictures, QStringLiteral("pisces")).isNull());
    EXPECT_TRUE(FindPicture(pictures, QStringLiteral("Pisces ")).isNull());
    EXPECT_TRUE(PaintSignPicture(QStringLiteral("Ophiuchus"), kSize, 1.0).isNull());

    std::vector<KeyedPicture> twice = pictures;
    twice.push_back({QStringLiteral("Aries"), pictures[5].picture});
    EXPECT_EQ(FindPicture(twice, QStringLiteral("Aries")).toImage(), pictures[0].picture.toImage());
}

// Share of the pixels that differ; a glyph's outline may come out a shade
// apart from one paint to the next as the font engine warms up.
double DifferingShare(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return 1.0;
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++differing;
    return static_cast<double>(differing) / (a.width() * a.height());
}

TEST(SignPictures, SharedListIsTheSameTwelvePaintedOncePerSizeAndScale) {
    const std::vector<KeyedPicture> painted = MakeSignPictures(kSize, 1.0);
    const std::vector<KeyedPicture> shared = SharedSignPictures(kSize, 1.0);
    ASSERT_EQ(shared.size(), painted.size());
    for (std::size_t i = 0; i < shared.size(); ++i) {
        EXPECT_EQ(shared[i].key, painted[i].key);
        EXPECT_LT(DifferingShare(shared[i].picture.toImage(), painted[i].picture.toImage()), 0.05)
            << shared[i].key.toStdString();
    }
    // Asked again, the same pixels; asked at another scale, other ones.
    EXPECT_EQ(SharedSignPictures(kSize, 1.0)[3].picture.cacheKey(), shared[3].picture.cacheKey());
    const std::vector<KeyedPicture> sharper = SharedSignPictures(kSize, 2.0);
    EXPECT_EQ(sharper[3].picture.devicePixelRatio(), 2.0);
    EXPECT_LT(DifferingShare(sharper[3].picture.toImage(), MakeSignPictures(kSize, 2.0)[3].picture.toImage()), 0.05);
}

TEST(MoonPicture, PaintedAtTheAskedSize) {
    const QPixmap moon = PaintMoonPicture(150, 1.5);
    EXPECT_EQ(moon.deviceIndependentSize().toSize(), QSize(150, 150));
    EXPECT_EQ(qAlpha(moon.toImage().pixel(0, 0)), 0);
}

}  // namespace
}  // namespace nyra
