#pragma once
// The league's text files: CRLF lines in Windows-1252.

#include <string>
#include <utility>
#include <vector>

#include "league/file_system.h"

namespace league {

// Appends `raw` (code-page bytes) and a CRLF to the file, creating it when missing.
Status AppendLine(FileSystem& files, const fs::path& path, std::string_view raw);

// The e-mail list: pairs of a team index and an address. A line whose index is
// not a whole number from 0 to 255 is skipped; spaces around the index are ignored.
std::vector<std::pair<int, std::string>> ParseEmailList(std::string_view contents);

// Addresses by team index for a league of `teamCount` teams (later pairs replace
// earlier ones; indexes not below teamCount are dropped). A missing file gives all empty.
std::vector<std::string> ReadTeamEmails(FileSystem& files, const fs::path& path, int teamCount);

}  // namespace league
