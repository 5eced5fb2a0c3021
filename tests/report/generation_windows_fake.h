// The two windows as the generation driver sees them, recorded: the fields it
// reads, the pointers it sets, the picture and path it hands over, and which
// window it shows or hides.
#pragma once

#include "report/generation_windows.h"

#include <QFile>
#include <QImage>
#include <QMap>
#include <stdexcept>
#include <vector>

namespace generation_test {

class FakeInputWindow final : public report::InputWindow {
public:
    explicit FakeInputWindow(QMap<QString, QString> texts) : m_texts(std::move(texts)) {}
    QString fieldText(const QString& name) const override { return m_texts.value(name); }
    void setMousePointer(shell::MousePointer pointer) override { pointers.push_back(pointer); }
    void showWindow() override { visible = true; }
    void hideWindow() override { visible = false; }

    std::vector<shell::MousePointer> pointers;
    bool visible = true;

private:
    QMap<QString, QString> m_texts;
};

class FakePreviewWindow final : public report::PreviewWindow {
public:
    void loadPicture(const QString& bitmapPath) override {
        QImage loaded(bitmapPath);
        if (loaded.isNull()) throw std::runtime_error("no picture in " + bitmapPath.toStdString());
        picture = loaded;
        QFile file(bitmapPath);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray header = file.read(30);  // bits per pixel: 16 bits at offset 28
            if (header.size() == 30) bitsPerPixel = uchar(header[28]) | uchar(header[29]) << 8;
        }
    }
    void setExcelFile(const QString& workbookPath) override { excelFile = workbookPath; }
    void showWindow() override { visible = true; }

    QImage picture;
    int bitsPerPixel = 0;  // as the file's header gives it
    QString excelFile;
    bool visible = false;
};

}  // namespace generation_test
