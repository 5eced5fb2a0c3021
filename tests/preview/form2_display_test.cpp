// The preview window as it opens: load, the designed geometry, the first
// activation with a sheet-sized picture, the zoom buttons and the pointer.
#include "form2_harness.h"
#include "shell/main_services.h"

#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>

using shell::MousePointer;
using testing_support::Form2Harness;

TEST(Form2Load, colours_caption_cursor_image_and_a_white_viewport) {
    Form2Harness h;
    h.form->setPicture(testing_support::gridPicture(50, 50));  // the first touch loads the window
    EXPECT_TRUE(h.form->mFirstActivate);
    EXPECT_EQ(h.form->windowTitle(), QStringLiteral("Quorvane"));
    EXPECT_TRUE(h.form->pointer().hasCustomImage());
    EXPECT_EQ(h.form->Frame1()->palette().color(QPalette::Window), shell::buttonFaceColor());
    EXPECT_EQ(h.form->Picture2()->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_TRUE(h.messages.shown().empty());
}

TEST(Form2Load, a_damaged_cursor_file_is_reported_under_the_load_context_and_the_load_goes_on) {
    Form2Harness h(false);
    QFile file(h.form->cursorFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a cursor");
    file.close();
    h.form->Form_Load();
    ASSERT_EQ(h.messages.shown().size(), 1u);
    EXPECT_TRUE(h.messages.texts()[0].contains(QStringLiteral("\r\nin Tarnwick2021/08/31.Form2.Form_Load at line 110")));
    EXPECT_TRUE(h.form->mFirstActivate);
}

TEST(Form2Layout, controls_stand_at_their_twip_geometry_in_tab_order) {
    Form2Harness h;
    const preview::Form2& f = *h.form;
    EXPECT_EQ(f.size(), QSize(656, 626));  // 9840 x 9390 twips, fixed, no maximise button
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    EXPECT_FALSE(f.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(f.Picture2()->geometry(), QRect(8, 8, 622, 495));
    EXPECT_EQ(f.Picture2()->contentsRect(), QRect(2, 2, 618, 491));  // 9270 x 7365 inside
    EXPECT_EQ(f.HScroll1()->geometry(), QRect(8, 503, 622, 17));
    EXPECT_EQ(f.PushButton2()->geometry(), QRect(320, 20, 304, 27));  // inside Frame1
    EXPECT_EQ(f.PushButton6()->geometry(), QRect(328, 590, 320, 27));
    EXPECT_EQ(f.PushButton2()->font().pointSizeF(), 11.25);
    EXPECT_TRUE(f.Zoom_Ori()->isHidden());

    QStringList chain;  // the controls that Tab visits, in order
    for (QWidget* w = f.nextInFocusChain(); w != &f; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus) chain << w->objectName();
    EXPECT_EQ(chain, (QStringList{"HScroll1", "VScroll1", "Picture2", "Picture1", "PushButton1", "PushButton2",
                                  "PushButton6", "PushButton8"}));
}

TEST(Form2Activate, a_sheet_sized_picture_shows_unscaled_with_bars_in_tens_of_twips) {
    Form2Harness h;
    h.showWith(1200, 700);  // 18000 x 10500 twips: over the width limit already at 1.0
    EXPECT_FALSE(h.form->mFirstActivate);
    EXPECT_EQ(h.form->state().mZoom, 1.0f);
    EXPECT_EQ(h.form->state().mBaseWidth, 17998);
    EXPECT_EQ(h.form->state().mZoomHeight, 10498);
    EXPECT_EQ(h.form->Picture1()->geometry(), QRect(0, 0, 1200, 700));
    EXPECT_EQ(h.shownAt(120, 120), QColor(Qt::red));  // the snapshot itself, one to one
    EXPECT_EQ(h.form->HScroll1()->maximum(), 867);    // 8670 / 10
    EXPECT_EQ(h.form->VScroll1()->maximum(), 308);    // 307.5 to even
    EXPECT_EQ(h.form->state().mVStep, 10);
    EXPECT_TRUE(h.form->VScroll1()->isEnabled());
    EXPECT_TRUE(h.messages.shown().empty());

    h.form->HScroll1()->setValue(40);
    h.form->hide();
    h.form->show();  // activated again: nothing is set up anew
    EXPECT_EQ(h.form->HScroll1()->value(), 40);
    EXPECT_EQ(h.form->Picture1()->x(), -27);  // -400 twips
}

TEST(Form2Zoom, a_sheet_picture_over_the_size_limit_can_still_be_made_smaller_and_brought_back) {
    Form2Harness h;
    h.showWith(1200, 700);
    QTest::mouseClick(h.form->PushButton2(), Qt::LeftButton);  // Zoom Out: 0.75 is too large, 0.5 is shown
    EXPECT_EQ(h.form->state().mZoom, 0.5f);
    EXPECT_EQ(h.form->Picture1()->size(), QSize(600, 350));
    EXPECT_FALSE(h.form->HScroll1()->isEnabled());  // the whole picture fits now
    EXPECT_EQ(h.shownAt(60, 60), QColor(Qt::red));   // the red square, halved
    QTest::mouseClick(h.form->PushButton1(), Qt::LeftButton);  // Zoom In: back to the picture as loaded
    EXPECT_EQ(h.form->state().mZoom, 1.0f);
    EXPECT_EQ(h.form->Picture1()->size(), QSize(1200, 700));
    EXPECT_EQ(h.shownAt(120, 120), QColor(Qt::red));
    EXPECT_TRUE(h.messages.shown().empty());
}

TEST(Form2Zoom, the_buttons_repaint_the_picture_stretched_and_stop_at_the_ends) {
    Form2Harness h;
    h.showWith(200, 150);  // base 2998 x 2248
    QTest::mouseClick(h.form->PushButton1(), Qt::LeftButton);
    EXPECT_EQ(h.form->Picture1()->size(), QSize(250, 187));  // 1.25: 3747 x 2810 twips
    EXPECT_EQ(h.shownAt(150, 150), QColor(Qt::red));          // the square now spans 125..175
    QTest::mouseClick(h.form->PushButton2(), Qt::LeftButton);
    QTest::mouseClick(h.form->PushButton2(), Qt::LeftButton);
    EXPECT_EQ(h.form->Picture1()->size(), QSize(150, 112));  // 0.75
    EXPECT_EQ(h.shownAt(90, 90), QColor(Qt::red));

    for (int i = 0; i < 2; ++i) QTest::mouseClick(h.form->PushButton2(), Qt::LeftButton);
    const qint64 smallest = h.form->Picture1()->picture().cacheKey();
    QTest::mouseClick(h.form->PushButton2(), Qt::LeftButton);  // below 0.25: dropped, not repainted
    EXPECT_EQ(h.form->state().mZoom, 0.25f);
    EXPECT_EQ(h.form->Picture1()->picture().cacheKey(), smallest);
    EXPECT_TRUE(h.messages.shown().empty());
}

TEST(Form2Pointer, the_hand_over_buttons_the_arrow_over_frame_and_window_and_no_change_elsewhere) {
    Form2Harness h;
    h.showWith(1200, 700);
    QTest::mouseMove(h.form->PushButton1(), QPoint(20, 10));
    EXPECT_EQ(h.form->pointer().shownShape(), Qt::BitmapCursor);  // the hand
    for (QWidget* w : {static_cast<QWidget*>(h.form->Picture1()), static_cast<QWidget*>(h.form->HScroll1()),
                       static_cast<QWidget*>(h.form->Picture2())})
        QTest::mouseMove(w, QPoint(1, 1));
    EXPECT_EQ(h.form->pointer().pointer(), MousePointer::Custom);

    QTest::mouseMove(h.form->Frame1(), QPoint(630, 50));  // the frame's empty corner
    EXPECT_EQ(h.form->pointer().shownShape(), Qt::ArrowCursor);
    QTest::mouseMove(h.form->PushButton8(), QPoint(20, 10));
    QTest::mouseMove(h.form.get(), QPoint(650, 620));  // the window's empty corner
    EXPECT_EQ(h.form->pointer().pointer(), MousePointer::Default);

    h.form->pointer().setPointer(MousePointer::Hourglass);
    QTest::mouseMove(h.form->PushButton6(), QPoint(20, 10));
    EXPECT_EQ(h.form->pointer().pointer(), MousePointer::Hourglass);
}
