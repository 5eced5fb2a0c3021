// PictureBox: a white surface that shows one picture at its top-left corner,
// unscaled and clipped to the box, and keeps showing it until it is replaced
// (drawing is persistent: covering and uncovering the window changes nothing).
#pragma once

#include <QPixmap>
#include <QWidget>

namespace preview {

class PictureBox final : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};

}  // namespace preview
