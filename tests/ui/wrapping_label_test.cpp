#include "ui/wrapping_label.h"

#include <QFont>
#include <QLabel>

#include <gtest/gtest.h>

namespace nyra {
namespace {

// A remembered height must always be the one QLabel itself would give now.
class WrappingLabelHeights : public ::testing::Test {
protected:
    WrappingLabel remembering;
    QLabel plain;

    WrappingLabelHeights() { plain.setWordWrap(true); }

    void SetBoth(const QString& text) {
        remembering.setText(text);
        plain.setText(text);
    }

    void ExpectSameHeights(const char* when) {
        // Fewer widths than the label remembers, so that every one is
        // still remembered at the next change.
        for (int width : {60, 240, 60, 900, 240}) {
            EXPECT_EQ(remembering.heightForWidth(width), plain.heightForWidth(width)) << when << ", width " << width;
        }
    }
};

TEST_F(WrappingLabelHeights, FollowTextFontAndMargins) {
    SetBoth(
        QStringLiteral("Born 1 h 2 min after the Moon entered Pushya. If the birth time or time zone may be "
                       "off by that much, the nakshatra may be Punarvasu."));
    ExpectSameHeights("first text");
    ASSERT_GT(remembering.heightForWidth(60), remembering.heightForWidth(900));

    SetBoth(QStringLiteral("Short."));
    ExpectSameHeights("shorter text");

    SetBoth(
        QStringLiteral("A longer sentence again, long enough to wrap onto several lines at the narrow widths "
                       "asked for here, and more than once."));
    ExpectSameHeights("longer text");
    QFont bigger = plain.font();
    bigger.setPointSizeF(bigger.pointSizeF() * 2);
    remembering.setFont(bigger);
    plain.setFont(bigger);
    ExpectSameHeights("bigger font");

    remembering.setMargin(9);
    plain.setMargin(9);
    ExpectSameHeights("margin");

    remembering.setContentsMargins(4, 8, 4, 8);
    plain.setContentsMargins(4, 8, 4, 8);
    ExpectSameHeights("contents margins");
}

}  // namespace
}  // namespace nyra
