#include "preview/picture_box.h"

#include "shell/main_services.h"

#include <QPaintEvent>
#include <QPainter>

namespace preview {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    shell::markAsPictureBox(*this);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPicture(const QPixmap& picture) {
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (!m_picture.isNull()) painter.drawPixmap(0, 0, m_picture);
}

}  // namespace preview
