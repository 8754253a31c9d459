#pragma once
#include <cstddef>
#include <string>

namespace snapwright {

// File names of the save dialog. Texts are UTF-8; "characters" are Unicode characters.

// The time stamp of generated file names: the locale's general date-and-time text without its
// ":", "." and blanks, and without any other character that a file name cannot hold.
std::string DateTimeStamp(const std::string& generalDateTime);

struct PathParts {
    std::string folder;  // up to and including the last ":", "/" or "\"; empty when there is none
    std::string file;
};
PathParts SplitPath(const std::string& path);

// The display form of a path: a folder part of more than 20 characters becomes its first 20 and "...\".
std::string ShortenedFileName(const std::string& sFile);

// The thumbnail's path: "_thumb" inserted before the extension of the file's own name.
std::string ThumbnailFileName(const std::string& fileName);

// The folder part of a path up to and including its last "\" (empty when there is none).
std::string FolderOfPath(const std::string& path);

// The first name in a path that Windows keeps for a device whatever its extension ("con.png",
// "aux" in "D:\aux\shot.png"); empty when the path has none.
std::string ReservedDeviceName(const std::string& path);

std::size_t CharacterCount(const std::string& text);
std::string FirstCharacters(const std::string& text, std::size_t count);
std::string LastCharacters(const std::string& text, std::size_t count);
std::string WithoutLastCharacters(const std::string& text, std::size_t count);
std::string UpperCaseAscii(std::string text);

}  // namespace snapwright
