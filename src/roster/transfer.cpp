#include "roster/transfer.h"

#include "league/record_file.h"
#include "roster/file_undo.h"
#include "roster/waivers.h"

namespace roster {

league::Status ReleaseToPool(app::Session& session, const league::PlayerRecord& player) {
  auto& files = session.Files;
  const auto path = session.SwapFile("swp.dr");
  auto undo = FileUndo::Take(files, path);
  if (!undo) return undo.TakeError();

  // The first entry of the same name, else the one after the last whole entry.
  const league::ByteSpan pool(undo->Contents());
  const std::size_t entries = pool.size() / league::kPoolEntryLength;
  std::size_t index = 0;
  for (; index < entries; ++index) {
    const auto bytes = pool.subspan(index * league::kPoolEntryLength, league::kPoolEntryLength);
    if (league::DecodePoolEntry(bytes).Player.PlayerName == player.PlayerName) break;
  }

  league::PoolEntry entry;
  entry.Taken = league::kFalse;
  entry.Player = player;
  entry.Player.Released = 0;
  auto written = [&]() -> league::Status {
    auto file = league::RecordFile::Open(files, path, league::kPoolEntryLength);
    if (!file) return file.TakeError();
    const auto record = static_cast<std::int64_t>(index) + 1;
    if (auto status = file->WriteRecord(record, league::Encode(entry)); !status) return status;
    return file->Close();
  }();
  // A torn entry must not stay behind in the pool.
  if (!written) (void)undo->Restore(files);
  return written;
}

league::Status TransferBuffer(app::Session& session, ui::Toolkit& toolkit, int slot,
                              const WorkCopy& work) {
  auto& places = session.TeamSlots[static_cast<std::size_t>(slot)].Places;
  league::Status firstError;
  const auto failed = [&] { return !firstError.Ok(); };
  for (std::size_t i = 0; i < places.size(); ++i) {
    auto& player = places[i];
    if (player.Released == 1) {
      if (failed()) continue;
      if (auto pooled = ReleaseToPool(session, player); !pooled) {
        firstError = pooled;
        continue;
      }
      player = league::PlayerRecord{};  // his place is cleared only now that the pool holds him
      continue;
    }
    player.Status = work.WorkStatus[i];
    const bool sentDown = player.Status == 0 && work.OldStatus[i] >= 100;
    if (!sentDown) continue;
    if (failed()) {
      player.Status = work.OldStatus[i];
      continue;
    }
    auto waived = CheckWaivers(session, toolkit, slot, static_cast<int>(i), kCurrentTeam);
    if (!waived) {
      firstError = league::Status(waived.TakeError());
      player.Status = work.OldStatus[i];
    }
  }
  session.LeagueChanged = true;
  auto saved = session.SaveTeam(session.CurrentTeam, slot);
  return failed() ? firstError : saved;
}

}  // namespace roster
