#include <gtest/gtest.h>

#include "core/model/scheme.h"
#include "core/print/print_layout.h"
#include "support/scheme_builder.h"

using namespace velmar;

TEST(PrintLayout, PageZoomTexts) {
    using Kind = PageZoomChoice::Kind;
    struct Case {
        std::string typed;
        Kind kind;
        int percent;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {"200", Kind::Percent, 150, "150%"},
        {"0", Kind::Percent, 10, "10%"},
        {"75", Kind::Percent, 75, "75%"},
        {"150%", Kind::Percent, 150, "150%"},
        {"1", Kind::Percent, 1, "1%"},
        {"Page Width", Kind::PageWidth, 0, "Page Width"},
        {"Whole Page", Kind::WholePage, 0, "Whole Page"},
        {"", Kind::Refused, 0, ""},
        {"abc", Kind::Refused, 0, "abc"},
    };
    for (const Case& c : cases) {
        const PageZoomChoice z = commitPageZoom(c.typed);
        EXPECT_EQ(z.kind, c.kind) << c.typed;
        EXPECT_EQ(z.percent, c.percent) << c.typed;
        EXPECT_EQ(z.text, c.shown) << c.typed;
    }
    for (char c : std::string("0123456789\b")) EXPECT_TRUE(pageZoomKeyAccepted(c));
    for (char c : std::string("%-. a")) EXPECT_FALSE(pageZoomKeyAccepted(c));
    EXPECT_EQ(zoomPercent("25%"), 25);
    EXPECT_FALSE(zoomPercent("2.5"));
    EXPECT_EQ(fittingZoom(400, 800), 50);
}

TEST(PrintLayout, UsedCellsOfASchemePicture) {
    Scheme scheme;
    EXPECT_FALSE(usedCells(scheme));
    velmar::testing::SchemeBuilder b(scheme);
    b.node(17, 0, 0);
    auto only = usedCells(scheme);
    ASSERT_TRUE(only);
    EXPECT_EQ(only->imageWidth(), 93);
    EXPECT_EQ(only->imageHeight(), 45);
    b.block(22, 10, 4);
    const auto both = usedCells(scheme);
    ASSERT_TRUE(both);
    // A block counts by its top-left cell only.
    EXPECT_EQ(both->maxCol, 10);
    EXPECT_EQ(both->maxRow, 4);
    EXPECT_EQ(both->imageWidth(), 10 * 21 + 93);
}

TEST(PrintLayout, PicturePlacement) {
    const Placement p = initialPlacement(800, 200, 100);
    EXPECT_EQ(p.left, 300);
    EXPECT_EQ(p.top, 2);
    EXPECT_EQ(initialPlacement(100, 200, 100).left, 0);
    const Placement z = p.zoomed(50);
    EXPECT_EQ(z.left, 150);
    EXPECT_EQ(z.width, 100);
    // Dragged beyond the page: pulled back, never before pixel 1.
    EXPECT_EQ(pulledInside({750, 990, 200, 100}, 800, 1000).left, 600);
    EXPECT_EQ(pulledInside({750, 990, 200, 100}, 800, 1000).top, 900);
    EXPECT_EQ(pulledInside({-5, -5, 900, 100}, 800, 1000).left, 1);
}
