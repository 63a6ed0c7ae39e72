#pragma once
// Where the program lives and how the system's relative names become paths.
#include <string>
#include <string_view>

namespace platform {

// Directory of the running program file, without a trailing separator.
// Tests may point it elsewhere with SetProgramDirectoryForTesting.
std::string ProgramDirectory();
void SetProgramDirectoryForTesting(std::string directory);

// Joins a directory with a relative name written with backslashes ("image\\cy.gif",
// "data\\b.xml"): each backslash becomes the native separator. An empty directory
// gives the relative name alone.
std::string JoinPath(std::string_view directory, std::string_view relativeName);

// Turns a name written with backslashes into a native relative path.
std::string NativeRelativePath(std::string_view relativeName);

// The system's folder for temporary files, without a trailing separator.
std::string TempDirectory();

// A program's file name on this platform: "krclient" here, "krclient.exe" on Windows.
std::string ProgramFileName(std::string_view baseName);

// Directory part of a path (before the last separator), "" when there is none.
std::string DirectoryOf(std::string_view path);

}  // namespace platform
