#pragma once
// The lines file (".lns"): one team's lines, game-roster choices and protection
// list, protected by the team's lineup password. One record of 226 bytes, no
// header, little-endian.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/session.h"
#include "league/codecs.h"
#include "league/records.h"
#include "league/result.h"
#include "ui/ui.h"

namespace lines {

// ---- layout ----
constexpr std::size_t kLinesFileLength = 226;
constexpr std::size_t kTeamOffset = 0;         // 1 byte, written on save, ignored on load
constexpr std::size_t kPasswordOffset = 1;     // 10 code-page characters
constexpr std::size_t kLinesOffset = 11;       // 65 grid bytes, cell (r, j) at 11 + r + 13 j
constexpr std::size_t kStatusOffset = 76;      // 50 bytes, Status of player i at 76 + i
constexpr std::size_t kProtectedOffset = 126;  // 50 int16, Protected of player i at 126 + 2 i

struct LinesFileRecord {
  league::Byte Team = 0;
  league::Text<10> Password;
  league::LineGrid Lines;
  std::array<league::Byte, league::kRosterPlaces> Status{};
  std::array<std::int16_t, league::kRosterPlaces> Protected{};
};

league::Bytes Encode(const LinesFileRecord& record);
// Refuses a buffer shorter than one record; bytes after the record are ignored.
league::Result<LinesFileRecord> DecodeLinesFile(league::ByteSpan bytes);

// ---- names ----
// The password as stored: the first 10 code-page characters, padded with spaces.
league::Text<10> LinesPassword(std::string_view typedUtf8);

// A team name (screen text) made fit to be one file name: path separators,
// characters no file name may hold, control characters and ".." become '_',
// a leading dot too; an empty name becomes "Team". The result never names a
// folder other than the one it is put in.
std::string SafeFileStem(std::string_view name);

// The proposed lines file: application directory / safe condensed team name + ".lns".
std::filesystem::path ProposedLinesPath(const app::Session& session);

// The transaction report of a load: the assign sentence, then the promote
// sentence, each ended by CR LF; the empty text when nobody moved. Raw bytes.
std::string LinesReport(std::string_view teamName, const std::vector<std::string>& assigned,
                        const std::vector<std::string>& promoted);

// ---- the two buttons ----
// Save Lines: asks for a password, shows the save dialog and writes the grid,
// the statuses and the protection flags of slot 0 where the GM chose. True when
// a file was written; a failed write is reported to the GM and changes nothing.
bool SaveLinesSub(app::Session& session, ui::Toolkit& toolkit, const league::LineGrid& grid);

enum class ImportOutcome {
  Cancelled,  // the dialog was cancelled
  Refused,    // nothing loaded into the grid (a message was shown)
  Loaded,     // `grid` holds the file's lines
};

// Load Lines for slot `slot`: the open dialog, the password check, the roster
// pass with the waiver rules, the protection flags, then the grid and LinesSet
// and the transaction report. Cells 50..254 of the file arrive as 255.
ImportOutcome ImportLinesSub(app::Session& session, ui::Toolkit& toolkit, int slot,
                             league::LineGrid& grid);

}  // namespace lines
