// The window icon, for window managers that do not find it through the
// desktop entry.
#include "app/program_icon.h"

#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace nyra {
namespace {

// Where no icon theme has it (a build that is not installed) the drawing
// built into the program stands in: it must be there and Qt must be able to
// draw it.
TEST(ProgramIcon, DrawsWithoutAnInstalledIconTheme) {
    const QStringList searched = QIcon::themeSearchPaths();
    QTemporaryDir noThemes;
    ASSERT_TRUE(noThemes.isValid());
    QIcon::setThemeSearchPaths({noThemes.path()});
    const QImage drawn = ProgramIcon().pixmap(QSize(64, 64)).toImage();
    QIcon::setThemeSearchPaths(searched);

    ASSERT_FALSE(drawn.isNull());
    // A round disc: the corner is clear, the middle is not.
    EXPECT_EQ(drawn.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(drawn.pixelColor(drawn.width() / 2, drawn.height() / 2).alpha(), 255);
}

}  // namespace
}  // namespace nyra
