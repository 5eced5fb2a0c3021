#include "shell/window_pointer.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

namespace shell {
namespace {

constexpr const char* kPointerRole = "quorvanePointerRole";
constexpr int kRoleBackground = 1;
constexpr int kRoleButton = 2;

}  // namespace

WindowPointer::WindowPointer(QWidget& window) : QObject(&window), m_window(window) {
    watchBackground(window);
}

void WindowPointer::setPointer(MousePointer pointer) {
    m_pointer = pointer;
    apply();
}

void WindowPointer::setCustomImage(const QCursor& cursor) {
    m_customImage = cursor;
    apply();
}

void WindowPointer::watchBackground(QWidget& widget) {
    widget.setProperty(kPointerRole, kRoleBackground);
    widget.setMouseTracking(true);
    widget.installEventFilter(this);
}

void WindowPointer::watchButton(QWidget& widget) {
    widget.setProperty(kPointerRole, kRoleButton);
    widget.setMouseTracking(true);
    widget.installEventFilter(this);
}

Qt::CursorShape WindowPointer::shownShape() const { return m_window.cursor().shape(); }

bool WindowPointer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseMove) return false;
    const int role = watched->property(kPointerRole).toInt();
    if (m_pointer != MousePointer::Hourglass) {
        if (role == kRoleButton) setPointer(MousePointer::Custom);
        else if (role == kRoleBackground) setPointer(MousePointer::Default);
    }
    // A plain move is consumed here: a button or frame would ignore it and pass
    // it on to its parent, whose rule would then override this one. Moves with
    // a button held still reach the widget (a pressed push button tracks them).
    if (static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton) return false;
    event->accept();
    return true;
}

void WindowPointer::apply() {
    QCursor cursor(Qt::ArrowCursor);
    if (m_pointer == MousePointer::Hourglass) cursor = QCursor(Qt::WaitCursor);
    else if (m_pointer == MousePointer::Custom && m_customImage) cursor = *m_customImage;
    m_window.setCursor(cursor);
    // Text fields carry their own I-beam; the hourglass covers them too.
    for (QLineEdit* field : m_window.findChildren<QLineEdit*>())
        field->setCursor(m_pointer == MousePointer::Hourglass ? QCursor(Qt::WaitCursor) : QCursor(Qt::IBeamCursor));
}

}  // namespace shell
