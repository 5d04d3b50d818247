#include "core/editor/caption_layout.h"

#include <gtest/gtest.h>

#include "support/scheme_builder.h"

namespace velmar::editor {
namespace {

using Kind = CanvasCaption::Kind;

std::vector<CanvasCaption> of(Kind kind, const std::vector<CanvasCaption>& all) {
    std::vector<CanvasCaption> out;
    for (const auto& c : all)
        if (c.kind == kind) out.push_back(c);
    return out;
}

class CaptionLayoutTest : public ::testing::Test {
protected:
    CaptionLayoutTest() {
        testing::SchemeBuilder draw(scheme);
        draw.block(22, 10, 10);  // 2
        draw.block(30, 10, 20);  // 3
        draw.node(17, 4, 4);     // 1: nodes carry no captions
        scheme.Labels[2] = "Lag";
    }
    std::vector<CanvasCaption> captions() const {
        return blockCaptions(scheme, settings, NameSet::Russian, kCanvasWidth, kCanvasHeight);
    }
    Scheme scheme;
    CaptionSettings settings;
};

TEST_F(CaptionLayoutTest, OnTheSameSideALabelTakesThePlaceOfTheName) {
    const auto all = captions();
    const auto numbers = of(Kind::Number, all);
    ASSERT_EQ(numbers.size(), 2u);
    EXPECT_EQ(numbers[0].text, "2");
    EXPECT_EQ(numbers[0].x, 10 * 21 + 1);
    const auto labels = of(Kind::Label, all);
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].text, "Lag ");
    EXPECT_EQ(labels[0].y, 10 * 11 + 35);
    EXPECT_EQ(labels[0].x, captionX(10, 4));
    const auto names = of(Kind::Name, all);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].text, "Усилитель");
}

TEST_F(CaptionLayoutTest, OnOppositeSidesBothAreShownAndSwitchesHideThem) {
    settings.namesBelow = false;
    auto names = of(Kind::Name, captions());
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0].y, 10 * 11 - 15);
    settings.showLabels = false;
    settings.namesBelow = true;
    EXPECT_EQ(of(Kind::Label, captions()).size(), 0u);
    EXPECT_EQ(of(Kind::Name, captions()).size(), 2u);
    settings.showNames = false;
    EXPECT_EQ(of(Kind::Name, captions()).size(), 0u);
}

TEST(CaptionLayout, TextsAreCentredAtFourPixelsACharacter) {
    EXPECT_EQ(captionX(10, 4), 210 + 30 - 8);
    EXPECT_EQ(captionX(10, 16), 210 + 28 - 32);
    EXPECT_EQ(textLength("Звено"), 5);
}

TEST(CaptionLayout, BlocksNearTheCanvasEdgeGetNoCaptions) {
    Scheme scheme;
    testing::SchemeBuilder(scheme).block(22, 88, 10);
    EXPECT_TRUE(blockCaptions(scheme, {}, NameSet::Russian, kCanvasWidth, kCanvasHeight).empty());
}

}  // namespace
}  // namespace velmar::editor
