// WindowPointer: the mouse pointer of one window, a single setting with three
// values. Moving over the window's background or a frame asks for the default
// pointer, moving over a push button asks for the custom one (the hand), and
// neither ever replaces the hourglass, which only the work that set it clears.
// Labels, text fields and pictures leave the pointer as it is.
#pragma once

#include "shell/mouse_pointer.h"

#include <QCursor>
#include <QObject>
#include <optional>

class QWidget;

namespace shell {

class WindowPointer final : public QObject {
    Q_OBJECT
public:
    explicit WindowPointer(QWidget& window);

    MousePointer pointer() const { return m_pointer; }
    void setPointer(MousePointer pointer);

    // The custom pointer's image; without one the custom pointer looks like the arrow.
    void setCustomImage(const QCursor& cursor);
    bool hasCustomImage() const { return m_customImage.has_value(); }

    // Mouse moves over these widgets ask for the default pointer.
    void watchBackground(QWidget& widget);
    // Mouse moves over these widgets ask for the custom pointer.
    void watchButton(QWidget& widget);

    // The cursor shape the window shows now.
    Qt::CursorShape shownShape() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();

    QWidget& m_window;
    MousePointer m_pointer = MousePointer::Default;
    std::optional<QCursor> m_customImage;
};

}  // namespace shell
