// Which lines of the settings file the store can read as it writes them. The
// INI reader underneath passes over what it cannot parse without a word: a
// junk line vanishes, an unterminated quote swallows the lines after it into
// one value, a broken section header moves the keys below it elsewhere. The
// next write would then save that loss for good. This check finds such lines
// before anything is written, so the file can be kept and cleaned first.
//
//   SettingsFileLines lines = readSettingsFileLines(bytes);
//   if (!lines.unreadable.empty()) keepCopy(bytes), write(lines.readable);
#pragma once

#include <QByteArray>
#include <vector>

namespace shell {

struct SettingsFileLines {
    QByteArray readable;          // the file without the lines below, each kept line ending in a line feed
    std::vector<int> unreadable;  // 1-based numbers of the lines taken out
};

// A line is readable when it is valid UTF-8 without control characters and
// is blank, a comment (";" or "#"), a whole section header "[...]", or
// "key=value" with a key and with every quote in the value closed and no
// backslash left dangling at its end. Keys under a broken section header are
// taken out with it: they belong to no section the store knows.
SettingsFileLines readSettingsFileLines(const QByteArray& file);

}  // namespace shell
