// Where the generation keeps its files between building the workbook and the
// preview: the temporary folder, the workbook's drawn name, the snapshot
// bitmap's name, and the exclusive claim that keeps a drawn name ours.
//
//   TemporaryNameDrawer draw(clockSecondsSinceMidnight);
//   QString path = temporaryWorkbookPath(temporaryFolder(), draw.drawName());
//   if (claimTemporaryWorkbook(path)) ...   // false: the name is taken, draw again
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

namespace report {

inline constexpr const char* kTemporaryNamePrefix = "halden";
inline constexpr int kTemporaryNameDigits = 8;
inline constexpr const char* kSnapshotBitmapName = "temp.bmp";

// The TEMP variable when it is set and not empty, otherwise the system's
// temporary folder; without a trailing separator.
QString temporaryFolder();

// The folder, "/", the name and ".xls".
QString temporaryWorkbookPath(const QString& folder, const QString& name);
QString snapshotBitmapPath(const QString& folder);

// Seconds since midnight on the local clock, with the clock's full resolution.
double secondsSinceMidnight();

// Draws "halden" and eight digits from 1 to 9. The generator is reseeded from
// the clock before each digit, so names drawn at different moments differ.
class TemporaryNameDrawer {
public:
    explicit TemporaryNameDrawer(std::function<double()> clock = secondsSinceMidnight)
        : m_clock(std::move(clock)) {}

    // Seeds the generator with the clock's reading.
    void reseed();
    // The whole part of (the generator's next number in [0, 1) times 9) plus 1.
    int nextDigit();
    // The prefix and eight digits, each drawn right after a reseed.
    QString drawName();

private:
    std::function<double()> m_clock;
    uint64_t m_state = 0;
};

// Creates an empty file at the path, readable and writable by the user only,
// unless anything at all is there already: a file, a folder, or a link (which
// is never followed). Answers false when the name is taken; throws
// std::runtime_error naming the path when the folder refuses the file.
bool claimTemporaryWorkbook(const QString& path);

// Gives a claimed name back after a save into it failed, so that no empty or
// partial file is left that could pass for the workbook. A link is removed
// itself, never followed; a path with nothing there is no failure.
void releaseTemporaryWorkbook(const QString& path);

}  // namespace report
