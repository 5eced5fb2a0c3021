// The preview window under the mouse and the keyboard: a drag moves the
// picture and the bars catch up on mouse-up; the bars move the picture when
// their value changes, not while the thumb is dragged.
#include "form2_harness.h"

#include <QScrollBar>

using testing_support::Form2Harness;

namespace {

void drag(QWidget* picture, QPoint from, QPoint to) {
    QTest::mousePress(picture, Qt::LeftButton, {}, from);
    QTest::mouseMove(picture, to);
}

}  // namespace

TEST(Form2Drag, the_picture_follows_the_mouse_and_the_bars_catch_up_on_release) {
    Form2Harness h;
    h.showWith(1200, 700);  // overflow 8670 x 3075 twips: bars 0..867 and 0..308
    QWidget* picture = h.form->Picture1();
    QTest::mouseMove(picture, QPoint(300, 300));  // no button held: nothing moves
    drag(picture, QPoint(300, 300), QPoint(100, 200));
    EXPECT_EQ(picture->pos(), QPoint(-200, -100));
    EXPECT_EQ(h.form->HScroll1()->value(), 0);  // the bars wait for the release
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(100, 200));
    EXPECT_EQ(h.form->HScroll1()->value(), 303);    // 35 % of 867
    EXPECT_EQ(h.form->VScroll1()->value(), 151);    // 49 % of 308
    EXPECT_EQ(picture->pos(), QPoint(-202, -101));  // -3030 x -1510 twips, from the bars

    drag(picture, QPoint(900, 300), QPoint(0, 300));  // to the far end: the inner edge, -8730
    EXPECT_EQ(picture->x(), -582);
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(0, 300));
    EXPECT_EQ(h.form->HScroll1()->value(), 303);  // 101 %: the bar stays where it was
    EXPECT_EQ(picture->x(), -582);
    EXPECT_TRUE(h.messages.shown().empty());
}

TEST(Form2Drag, a_picture_exactly_as_wide_as_the_viewport_sends_its_bar_to_0_without_an_error) {
    Form2Harness h;
    h.showWith(622, 800);  // 9330 twips wide; 12000 high is over the limit, so it stays unscaled
    ASSERT_EQ(h.form->Picture1()->width(), 622);
    EXPECT_FALSE(h.form->HScroll1()->isEnabled());
    QWidget* picture = h.form->Picture1();
    drag(picture, QPoint(300, 300), QPoint(290, 100));
    EXPECT_EQ(picture->pos(), QPoint(-4, -200));  // -60 twips: the inner edge
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(290, 100));
    EXPECT_TRUE(h.messages.shown().empty());
    EXPECT_EQ(h.form->HScroll1()->value(), 0);
    EXPECT_EQ(h.form->VScroll1()->value(), 302);  // 66 % of 458
}

TEST(Form2Scroll, a_value_change_moves_the_picture_by_ten_twips_a_unit) {
    Form2Harness h;
    h.showWith(1200, 700);
    QScrollBar* bar = h.form->HScroll1();
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_End);
    EXPECT_EQ(h.form->Picture1()->x(), -578);  // -8670 twips
    QTest::keyClick(bar, Qt::Key_Home);
    EXPECT_EQ(h.form->Picture1()->x(), 0);

    QScrollBar* vertical = h.form->VScroll1();
    vertical->setSliderDown(true);  // the thumb is being dragged
    vertical->setSliderPosition(150);
    EXPECT_EQ(h.form->Picture1()->y(), 0);
    vertical->setSliderDown(false);  // and let go
    EXPECT_EQ(h.form->Picture1()->y(), -100);
}
