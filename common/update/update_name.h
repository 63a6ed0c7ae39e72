#pragma once
// Names of listed files, as a server's list writes them: a relative path with at most one
// backslash, naming one subfolder ("StockInfo.xml", "image\login.gif"). A name is only
// ever written below the folder it is meant for: anything that could lead elsewhere is
// refused before a byte is fetched or written.
#include <string>
#include <string_view>

namespace update {

// True for a name that stays inside its folder: not empty, no leading separator (an
// absolute name), no drive or stream (':'), no '/' (the separator is '\'), at most one
// '\', no empty, "." or ".." part, no control character and no '%' (a percent-encoded
// name could climb out on the server or after decoding).
bool IsSafeUpdateName(std::string_view name);

// True for the files the user's own state lives in (config.xml, LoginInfo.xml,
// ClcltdDataInfo.xml, without regard to case): a server's list never replaces them.
bool IsUserStateFile(std::string_view name);

// True for the system's own programs (krclient, krRestoration, krupdate, as this platform
// names their files, without regard to case): they are installed runnable.
bool IsProgramFile(std::string_view name);

// The URL a listed file is fetched from: the base followed by the name, where a name
// holding a '\' after its first character is fetched as base + folder + "/" + file.
std::string UpdateFileUrl(std::string_view base, std::string_view name);

}  // namespace update
