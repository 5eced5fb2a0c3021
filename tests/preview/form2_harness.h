// A Form2 with recorded message boxes and a program folder that holds the
// cursor file only when asked, and the test picture it is shown with.
#pragma once

#include "automation/registry.h"
#include "fake_message_service.h"
#include "fake_save_dialog.h"
#include "preview/form2.h"
#include "preview/picture_box.h"
#include "spreadsheet/objects/class_registration.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace testing_support {

// A white picture with a grey grid every 50 pixels and a red square at
// (100, 100), 40 pixels wide.
inline QImage gridPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::gray);
    for (int x = 0; x < width; x += 50) painter.drawLine(x, 0, x, height - 1);
    for (int y = 0; y < height; y += 50) painter.drawLine(0, y, width - 1, y);
    painter.fillRect(100, 100, 40, 40, Qt::red);
    return image;
}

struct Form2Harness {
    explicit Form2Harness(bool cursorFile = true) {
        spreadsheet::objects::registerApplicationClass(registry);
        if (cursorFile) QFile::copy(QStringLiteral(QUORVANE_RESOURCES_DIR "/HAND-M.CUR"), form->cursorFilePath());
    }

    // As the generation driver does: the picture, the workbook path, show.
    void showWith(int width, int height) {
        form->setPicture(gridPicture(width, height));
        form->mExcelFile = folder.filePath(QStringLiteral("halden12345678.xls"));
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    // The colour Picture1 shows at a point of its own.
    QColor shownAt(int x, int y) const { return form->Picture1()->picture().toImage().pixelColor(x, y); }

    QTemporaryDir folder;
    FakeMessageService messages;
    FakeSaveFileDialog saveDialog;
    automation::Registry registry;  // saving as .xlsx goes through the spreadsheet
    int inputWindowShown = 0;
    int endRequests = 0;
    std::unique_ptr<preview::Form2> form = std::make_unique<preview::Form2>(preview::PreviewServices{
        messages, saveDialog, registry, folder.path(), [this] { ++inputWindowShown; }, [this] { ++endRequests; }});
};

}  // namespace testing_support
