// The shipped hand cursor loads with its hot spot; a damaged file is refused.
#include "shell/hand_cursor.h"

#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(HandCursor, the_shipped_file_loads_with_the_hot_spot_at_the_fingertip) {
    const QCursor cursor = shell::loadCursorFile(QStringLiteral(QUORVANE_RESOURCES_DIR "/HAND-M.CUR"));
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
    EXPECT_EQ(cursor.hotSpot(), QPoint(7, 1));
    // The fingertip is drawn: the outline pixel just above the hot spot is opaque.
    EXPECT_EQ(qAlpha(cursor.pixmap().toImage().pixel(7, 1)), 255);
}

TEST(HandCursor, a_damaged_or_missing_file_is_refused) {
    QTemporaryDir dir;
    const QString damaged = dir.filePath(QStringLiteral("HAND-M.CUR"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a cursor at all");
    file.close();
    EXPECT_THROW(shell::loadCursorFile(damaged), std::runtime_error);
    EXPECT_THROW(shell::loadCursorFile(dir.filePath(QStringLiteral("missing.cur"))), std::runtime_error);
}
