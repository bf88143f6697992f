#include <gtest/gtest.h>

#include "common/Format.h"
#include "ui/bank/SelectIconPage.h"

namespace kalivo {
namespace {

using Scroll = SelectIconPage::Scroll;

// count icons with codes "S000".. and files "I000.bmp"..
SelectIconRequest Icons(int count, const std::string& current = "") {
    SelectIconRequest request;
    request.currentCode = current;
    request.icons.available = true;
    request.icons.folder = "/icons/";
    for (int i = 0; i < count; ++i) {
        request.icons.codes.push_back(FormatNumbers("S%03d", i));
        request.icons.files.push_back(FormatNumbers("I%03d.bmp", i));
    }
    return request;
}

TEST(SelectIconPageTest, ScrollRangeGrowsByFourteenColumnsPerFullPage) {
    EXPECT_EQ(SelectIconPage(Icons(0)).RangeEnd(), 0);
    EXPECT_EQ(SelectIconPage(Icons(69)).RangeEnd(), 0);
    EXPECT_EQ(SelectIconPage(Icons(70)).RangeEnd(), 14);
    EXPECT_EQ(SelectIconPage(Icons(139)).RangeEnd(), 14);
    EXPECT_EQ(SelectIconPage(Icons(140)).RangeEnd(), 28);
}

TEST(SelectIconPageTest, OpensScrolledToTheCurrentIcon) {
    const SelectIconPage page(Icons(100, "040"));
    EXPECT_EQ(page.Position(), 1);
    EXPECT_EQ(page.SelectedCell(), 35);
    EXPECT_EQ(page.SelectedFileTitle(), "I040");
    EXPECT_EQ(page.ResultCode(), "040");

    EXPECT_EQ(SelectIconPage(Icons(100, "034")).Position(), 0);
    EXPECT_EQ(SelectIconPage(Icons(100, "034")).SelectedCell(), 34);
    EXPECT_EQ(SelectIconPage(Icons(100, "035")).Position(), 0);
    EXPECT_EQ(SelectIconPage(Icons(100, "035")).SelectedCell(), 35);
}

TEST(SelectIconPageTest, OpeningPositionStaysInsideTheScrollRange) {
    // Icon 40 of 41: no room to scroll, so it is shown on the only page.
    const SelectIconPage small(Icons(41, "040"));
    EXPECT_EQ(small.Position(), 0);
    EXPECT_EQ(small.SelectedCell(), 40);

    // Icon 138 of 139 would ask for column 20 of 14.
    const SelectIconPage large(Icons(139, "138"));
    EXPECT_EQ(large.Position(), 14);
    EXPECT_EQ(large.SelectedCell(), 68);
    EXPECT_EQ(large.ResultCode(), "138");
}

TEST(SelectIconPageTest, OpensUnselectedWithoutAMatchingCode) {
    for (const std::string& current : {std::string(), std::string("999"), std::string("1234")}) {
        const SelectIconPage page(Icons(100, current));
        EXPECT_EQ(page.Position(), 0) << current;
        EXPECT_EQ(page.SelectedCell(), -1) << current;
        EXPECT_FALSE(page.ResultCode().has_value()) << current;
        EXPECT_EQ(page.SelectedFileTitle(), "") << current;
    }
}

TEST(SelectIconPageTest, TheFirstIconEndingInTheCodeIsChosen) {
    SelectIconRequest request = Icons(3, "001");
    request.icons.codes = {"T001", "S001", "S002"};
    const SelectIconPage page(request);
    EXPECT_EQ(page.SelectedCell(), 0);
    EXPECT_EQ(page.ResultCode(), "001");
}

TEST(SelectIconPageTest, CellGeometry) {
    using Rect = SelectIconPage::Rect;
    EXPECT_EQ(SelectIconPage::Picture(0), (Rect{10, 50, 49, 86}));
    EXPECT_EQ(SelectIconPage::Picture(7), (Rect{55, 134, 94, 170}));  // column 1, row 2
    EXPECT_EQ(SelectIconPage::Picture(69), (Rect{595, 218, 634, 254}));
    EXPECT_EQ(SelectIconPage::Frame(0), (Rect{7, 47, 52, 89}));
    EXPECT_EQ(SelectIconPage::DrawingArea(), (Rect{5, 45, 639, 260}));
}

TEST(SelectIconPageTest, ClicksHitOnlyPicturesThatHoldAnIcon) {
    SelectIconPage page(Icons(72));
    EXPECT_EQ(page.CellAt(10, 50), 0);
    EXPECT_EQ(page.CellAt(48, 85), 0);
    EXPECT_EQ(page.CellAt(49, 50), -1);  // gap between columns
    EXPECT_EQ(page.CellAt(10, 86), -1);  // gap between rows
    EXPECT_EQ(page.CellAt(600, 220), 69);
    EXPECT_FALSE(page.Click(0, 0));
    EXPECT_EQ(page.SelectedCell(), -1);

    ASSERT_TRUE(page.ScrollBy(Scroll::ThumbRelease, 14));
    EXPECT_EQ(page.FirstIcon(), 70);
    EXPECT_EQ(page.PageEnd(), 72);
    EXPECT_EQ(page.CellAt(10, 92), 1);
    EXPECT_EQ(page.CellAt(10, 134), -1);  // cell 2 would be icon 72
    EXPECT_TRUE(page.Click(12, 95));
    EXPECT_EQ(page.SelectedIcon(), 71u);
    EXPECT_EQ(page.SelectedFileTitle(), "I071");
    EXPECT_EQ(page.ResultCode(), "071");
}

TEST(SelectIconPageTest, LineStepsMoveOneColumnWithinTheRange) {
    SelectIconPage page(Icons(100, "002"));
    EXPECT_FALSE(page.CanScrollLeft());
    EXPECT_FALSE(page.ScrollBy(Scroll::LineLeft));
    EXPECT_EQ(page.SelectedCell(), 2);  // nothing moved, so the selection stays

    EXPECT_TRUE(page.ScrollBy(Scroll::LineRight));
    EXPECT_EQ(page.Position(), 1);
    EXPECT_EQ(page.SelectedCell(), -1);
    EXPECT_TRUE(page.CanScrollLeft());
    EXPECT_TRUE(page.CanScrollRight());

    EXPECT_TRUE(page.ScrollBy(Scroll::ThumbRelease, 99));
    EXPECT_EQ(page.Position(), 14);
    EXPECT_FALSE(page.CanScrollRight());
    EXPECT_FALSE(page.ScrollBy(Scroll::LineRight));
    EXPECT_FALSE(page.ScrollBy(Scroll::Other));
}

TEST(SelectIconPageTest, PageStepsAreRangeOverThirteenLessOne) {
    SelectIconPage one(Icons(100));  // range 14: a page step does not move
    EXPECT_FALSE(one.ScrollBy(Scroll::PageRight));
    EXPECT_FALSE(one.ScrollBy(Scroll::PageLeft));

    SelectIconPage three(Icons(210));  // range 42: two columns a page
    EXPECT_TRUE(three.ScrollBy(Scroll::PageRight));
    EXPECT_EQ(three.Position(), 2);
    EXPECT_TRUE(three.ScrollBy(Scroll::PageLeft));
    EXPECT_EQ(three.Position(), 0);
    three.ScrollBy(Scroll::ThumbRelease, 41);
    three.ScrollBy(Scroll::PageRight);
    EXPECT_EQ(three.Position(), 42);

    SelectIconPage none(Icons(30, "003"));  // range 0: never moves either way
    EXPECT_FALSE(none.ScrollBy(Scroll::PageRight));
    EXPECT_FALSE(none.ScrollBy(Scroll::PageLeft));
    EXPECT_EQ(none.Position(), 0);
    EXPECT_EQ(none.SelectedCell(), 3);
}

TEST(SelectIconPageTest, ABitmapThatFailsEndsTheList) {
    SelectIconPage page(Icons(100, "060"));
    page.TruncateAt(80);
    EXPECT_EQ(page.Count(), 80);
    EXPECT_EQ(page.ResultCode(), "060");
    EXPECT_EQ(page.RangeEnd(), 14);  // the scroll bar keeps its range

    page.TruncateAt(50);
    EXPECT_EQ(page.Count(), 50);
    EXPECT_EQ(page.PageEnd(), 50);
    EXPECT_FALSE(page.ResultCode().has_value());
    EXPECT_EQ(page.FirstIcon(), 25);
    EXPECT_EQ(page.CellAt(10, 50), 0);
    EXPECT_EQ(page.CellAt(235, 50), -1);  // cell 25 would be icon 50
}

TEST(SelectIconPageTest, ShorterCodeListLimitsTheIcons) {
    SelectIconRequest request = Icons(5);
    request.icons.codes.resize(3);
    SelectIconPage page(request);
    EXPECT_EQ(page.Count(), 3);
    EXPECT_EQ(page.CellAt(10, 176), -1);  // cell 3
}

}  // namespace
}  // namespace kalivo
