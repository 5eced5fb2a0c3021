// The window's one mouse pointer: default over background and frames, the
// hand over buttons, and the hourglass that no mouse move replaces.
#include "form1_harness.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

using shell::MousePointer;
using testing_support::Form1Harness;

namespace {

void moveOver(QWidget* widget) {
    const QPointF local(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

}  // namespace

TEST(Form1Pointer, buttons_show_the_hand_and_background_and_frames_the_arrow) {
    Form1Harness h({.skin = false, .cursor = true});
    h.form->Form_Load();
    ASSERT_TRUE(h.form->pointer().hasCustomImage());

    moveOver(h.form->button(QStringLiteral("PushButton22")));
    EXPECT_EQ(h.form->pointer().pointer(), MousePointer::Custom);
    EXPECT_EQ(h.form->pointer().shownShape(), Qt::BitmapCursor);

    moveOver(h.form->frame(1));
    EXPECT_EQ(h.form->pointer().pointer(), MousePointer::Default);
    EXPECT_EQ(h.form->pointer().shownShape(), Qt::ArrowCursor);

    moveOver(h.form->button(QStringLiteral("PushButton1")));
    moveOver(h.form.get());
    EXPECT_EQ(h.form->pointer().pointer(), MousePointer::Default);
}

TEST(Form1Pointer, labels_and_fields_leave_the_pointer_as_it_was) {
    Form1Harness h({.skin = false, .cursor = true});
    h.form->Form_Load();
    moveOver(h.form->button(QStringLiteral("PushButton2")));
    moveOver(h.form->label(4));         // a caption inside a frame
    moveOver(&h.field("txtCommission"));
    EXPECT_EQ(h.form->pointer().pointer(), MousePointer::Custom);
}

TEST(Form1Pointer, the_hourglass_stays_whatever_the_mouse_moves_over) {
    Form1Harness h({.skin = false, .cursor = true});
    h.form->Form_Load();
    h.form->pointer().setPointer(MousePointer::Hourglass);
    for (QWidget* widget : std::initializer_list<QWidget*>{h.form->button(QStringLiteral("PushButton22")),
                                                           h.form->frame(3), h.form.get()})
        moveOver(widget);
    EXPECT_EQ(h.form->pointer().pointer(), MousePointer::Hourglass);
    EXPECT_EQ(h.form->pointer().shownShape(), Qt::WaitCursor);
    EXPECT_EQ(h.field("txtRent").cursor().shape(), Qt::WaitCursor);  // over the fields too
    h.form->pointer().setPointer(MousePointer::Default);
    EXPECT_EQ(h.field("txtRent").cursor().shape(), Qt::IBeamCursor);
}

TEST(Form1Pointer, without_the_cursor_file_the_custom_pointer_looks_like_the_arrow) {
    Form1Harness h;
    h.form->Form_Load();
    EXPECT_FALSE(h.form->pointer().hasCustomImage());
    moveOver(h.form->button(QStringLiteral("PushButton22")));
    EXPECT_EQ(h.form->pointer().pointer(), MousePointer::Custom);
    EXPECT_EQ(h.form->pointer().shownShape(), Qt::ArrowCursor);
    EXPECT_TRUE(h.messages.shown().empty());  // a missing cursor file is no failure
}
