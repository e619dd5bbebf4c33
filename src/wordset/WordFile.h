#pragma once

#include <QString>

#include <string>
#include <vector>

// Word files on disk: the saved word file and the player's own text files.
// Both hold one word per line (WordText) and are read and written whole, in
// one step each, so nothing can run in the middle of a read or a write.
namespace WordFile {

// The saved word file, directly in the per-user preferences folder.
QString savedWordFilePath();

// Where the open and save dialogs start: the top-level "Documents" folder
// when there is one, else the user's Documents folder, else the home folder.
QString dialogFolder();

// Reads the words of the file at path into words. Returns an empty string,
// or the reason the file could not be read; words are then left untouched.
QString read(const QString &path, std::vector<std::string> &words);

// Replaces the file at path with the words, creating its folder if needed.
// The new file takes the old one's place only once it is completely written,
// so a failed write leaves the previous file as it was. Returns an empty
// string, or the reason the file could not be written.
QString write(const QString &path, const std::vector<std::string> &words);

}
