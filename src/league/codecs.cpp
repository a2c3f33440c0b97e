#include "league/codecs.h"

#include <algorithm>
#include <ctime>
#include <string>

#include "league/bytes.h"

namespace league {

namespace {

using bytes::Reader;
using bytes::Writer;

// Each walk lists a record's fields with their file offsets; R is the record
// type, const when encoding.

template <class Io, class R>
void WalkConference(Io& io, R& conf, std::size_t at) {
  io.Field(at + 0, conf.ConfName);
  io.Field(at + 12, conf.DivisionCount);
  for (std::size_t d = 0; d < 4; ++d) {
    io.Field(at + 13 + 21 * d, conf.Divisions[d].DivName);
    io.Field(at + 23 + 21 * d, conf.Divisions[d].Kept10);
  }
}

template <class Io, class R, class B>
void WalkLeague(Io& io, R& league, B& lastTeamIndex) {
  io.Field(0, league.LeagueName);
  io.Field(25, lastTeamIndex);
  WalkConference(io, league.Conferences[0], 26);
  WalkConference(io, league.Conferences[1], 123);
  io.Field(220, league.ScheduleMade);
  io.Field(222, league.Kept222);
  io.Field(231, league.WaiversOn);
  io.Field(233, league.Kept233);
  io.Field(274, league.ScheduledGames);
  io.Field(276, league.Kept276);
  io.Field(394, league.WaiverMinGames);
  io.Field(395, league.WaiverExemptAge);
  io.Field(396, league.FarmSalaryGames);
  io.Field(397, league.Kept397);
  io.Field(419, league.PlayoffsOn);
  io.Field(421, league.Kept421);
}

template <class Io, class R>
void WalkTeam(Io& io, R& team) {
  io.Field(0, team.TeamName);
  io.Field(10, team.Owner);
  io.Field(35, team.Kept35);
  io.Field(36, team.MessagingId);
  io.Field(48, team.LineupPassword);
  io.Field(58, team.Kept58);
  io.Field(61, team.Abbrev);
  io.Field(64, team.Arena);
  io.Field(94, team.Seats);
  io.Field(96, team.TicketPrice);
  io.Field(97, team.Conference);
  io.Field(98, team.Division);
  io.Field(99, team.Cash);
  io.Field(103, team.Coach.CoachName);
  io.Field(125, team.Coach.CoachPay);
  io.Field(129, team.Coach.Kept26);
  io.Field(130, team.Kept130);
  io.Field(132, team.Wins);
  io.Field(133, team.Kept133);
  io.Field(135, team.Losses);
  io.Field(136, team.Kept136);
  io.Field(138, team.Ties);
  io.Field(139, team.Kept139);
  io.Field(141, team.GoalsAgainst);
  io.Field(143, team.GoalsFor);
  io.Field(145, team.Kept145);
  io.Field(156, team.PowerPlays);
  io.Field(158, team.PowerPlayGoals);
  io.Field(159, team.TimesShorthanded);
  io.Field(161, team.PowerPlayGoalsAgainst);
  io.Field(162, team.ShotsFor);
  io.Field(166, team.ShotsAgainst);
  io.Field(170, team.PenaltyMinutes);
  io.Field(174, team.Lines.Cells);
  io.Field(239, team.Kept239);
  io.Field(241, team.HomeGamesPlayed);
  io.Field(242, team.GateRevenue);
  io.Field(246, team.Kept246);
  io.Field(247, team.WaiverCount);
  io.Field(249, team.Kept249);
  io.Field(252, team.LinesSet);
}

template <class Io, class R>
void WalkPlayer(Io& io, R& p, std::size_t at) {
  io.Field(at + 0, p.PlayerName);
  io.Field(at + 22, p.Position);
  io.Field(at + 23, p.Number);
  io.Field(at + 24, p.Rookie);
  io.Field(at + 26, p.Hand);
  io.Field(at + 27, p.Height);
  io.Field(at + 28, p.Weight);
  io.Field(at + 29, p.Age);
  io.Field(at + 30, p.Status);
  io.Field(at + 31, p.Condition);
  io.Field(at + 32, p.Skills);
  io.Field(at + 45, p.Kept45);
  io.Field(at + 46, p.Salary);
  io.Field(at + 50, p.Contract);
  io.Field(at + 51, p.Suspension);
  io.Field(at + 52, p.GamesPlayed);
  io.Field(at + 53, p.GoalsOrGoaliePim);
  io.Field(at + 54, p.Assists);
  io.Field(at + 55, p.PlusMinusOrMinutes);
  io.Field(at + 57, p.PimOrGoalsAgainst);
  io.Field(at + 59, p.ShotsOrShotsAgainst);
  io.Field(at + 61, p.PPGoalsOrShutouts);
  io.Field(at + 62, p.SHGoalsOrWins);
  io.Field(at + 63, p.GWGoalsOrLosses);
  io.Field(at + 64, p.GTGoalsOrTies);
  io.Field(at + 65, p.Kept65);
  io.Field(at + 67, p.Protected);
  io.Field(at + 69, p.Kept69);
  io.Field(at + 75, p.Released);
  io.Field(at + 76, p.Birthplace);
  io.Field(at + 79, p.Kept79);
  io.Field(at + 84, p.Hits);
}

template <class Io, class R>
void WalkPoolEntry(Io& io, R& entry) {
  io.Field(0, entry.Taken);
  WalkPlayer(io, entry.Player, 2);
}

template <class Io, class R>
void WalkProspects(Io& io, R& list) {
  for (std::size_t i = 0; i < 100; ++i) io.Field(22 * i, list.ProspectNames[i]);
  io.Field(2200, list.ProspectPositions);
  for (std::size_t i = 0; i < 100; ++i) io.Field(2300 + 2 * i, list.ProspectSalaries[i]);
  io.Field(2500, list.ProspectAges);
  io.Field(2600, list.ProspectContracts);
}

template <class Io, class R>
void WalkFarmTeam(Io& io, R& farm) {
  io.Field(0, farm.FarmName);
  io.Field(15, farm.Kept15);
}

template <class Io, class R>
void WalkWaiver(Io& io, R& entry) {
  io.Field(0, entry.PlayerName);
  io.Field(22, entry.RosterPlace);
  io.Field(23, entry.FromTeam);
  io.Field(24, entry.PlacedAt);
  io.Field(32, entry.ClaimingTeam);
  io.Field(33, entry.OwnerTeam);
  for (std::size_t i = 0; i < 50; ++i) io.Field(34 + 2 * i, entry.TeamMarks[i]);
}

template <class R, class Walk>
R DecodeWith(ByteSpan bytes, Walk walk) {
  R record;
  Reader reader(bytes);
  walk(reader, record);
  return record;
}

template <class R, class Walk>
Bytes EncodeWith(const R& record, std::size_t length, Walk walk) {
  Writer writer(length);
  walk(writer, record);
  return writer.Take();
}

}  // namespace

Result<LeagueRecord> DecodeLeague(ByteSpan bytes) {
  LeagueRecord league;
  Byte lastTeamIndex = 0;
  Reader reader(bytes);
  WalkLeague(reader, league, lastTeamIndex);
  if (lastTeamIndex >= kMaxTeams) {
    return Error{"league file: LastTeamIndex " + std::to_string(lastTeamIndex) + " is beyond the " +
                 std::to_string(kMaxTeams) + "-team limit"};
  }
  league.TeamCount = lastTeamIndex + 1;
  for (std::size_t k = 0; k < league.Conferences.size(); ++k) {
    ConferenceRecord& conf = league.Conferences[k];
    if (conf.DivisionCount > 4) {
      return Error{"league file: DivisionCount " + std::to_string(conf.DivisionCount) +
                   " of conference " + std::to_string(k) + " is beyond the 4-division limit"};
    }
    if (conf.DivisionCount == 0) conf.DivisionCount = 2;
  }
  return league;
}

Bytes Encode(const LeagueRecord& league) {
  // A league always has at least one team and at most 50: anything else held in
  // memory would write a file that no longer loads.
  const Byte lastTeamIndex = static_cast<Byte>(std::clamp(league.TeamCount, 1, kMaxTeams) - 1);
  Writer writer(kLeagueRecordLength);
  WalkLeague(writer, league, lastTeamIndex);
  return writer.Take();
}

TeamRecord DecodeTeam(ByteSpan bytes) {
  return DecodeWith<TeamRecord>(bytes, [](auto& io, auto& r) { WalkTeam(io, r); });
}
Bytes Encode(const TeamRecord& team) {
  return EncodeWith(team, kTeamRecordLength, [](auto& io, auto& r) { WalkTeam(io, r); });
}

PlayerRecord DecodePlayer(ByteSpan bytes) {
  return DecodeWith<PlayerRecord>(bytes, [](auto& io, auto& r) { WalkPlayer(io, r, 0); });
}
Bytes Encode(const PlayerRecord& player) {
  return EncodeWith(player, kPlayerRecordLength, [](auto& io, auto& r) { WalkPlayer(io, r, 0); });
}

PoolEntry DecodePoolEntry(ByteSpan bytes) {
  return DecodeWith<PoolEntry>(bytes, [](auto& io, auto& r) { WalkPoolEntry(io, r); });
}
Bytes Encode(const PoolEntry& entry) {
  return EncodeWith(entry, kPoolEntryLength, [](auto& io, auto& r) { WalkPoolEntry(io, r); });
}

ProspectList DecodeProspects(ByteSpan bytes) {
  return DecodeWith<ProspectList>(bytes, [](auto& io, auto& r) { WalkProspects(io, r); });
}
Bytes Encode(const ProspectList& prospects) {
  return EncodeWith(prospects, kProspectListLength,
                    [](auto& io, auto& r) { WalkProspects(io, r); });
}

FarmTeamRecord DecodeFarmTeam(ByteSpan bytes) {
  return DecodeWith<FarmTeamRecord>(bytes, [](auto& io, auto& r) { WalkFarmTeam(io, r); });
}
Bytes Encode(const FarmTeamRecord& farm) {
  return EncodeWith(farm, kFarmTeamRecordLength, [](auto& io, auto& r) { WalkFarmTeam(io, r); });
}

WaiverEntry DecodeWaiver(ByteSpan bytes) {
  return DecodeWith<WaiverEntry>(bytes, [](auto& io, auto& r) { WalkWaiver(io, r); });
}
Bytes Encode(const WaiverEntry& entry) {
  return EncodeWith(entry, kWaiverEntryLength, [](auto& io, auto& r) { WalkWaiver(io, r); });
}

PlayoffRecord DecodePlayoff(ByteSpan bytes) {
  return DecodeWith<PlayoffRecord>(bytes, [](auto& io, auto& r) { io.Field(0, r.Bytes); });
}
Bytes Encode(const PlayoffRecord& playoff) {
  return EncodeWith(playoff, kPlayoffRecordLength, [](auto& io, auto& r) { io.Field(0, r.Bytes); });
}

namespace {

// Days from 1 January 1970 to a civil date of the proleptic Gregorian calendar.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

// 30 December 1899 lies 25569 days before 1 January 1970.
constexpr std::int64_t kDaysFrom1899To1970 = 25569;

}  // namespace

double ToDate(std::int64_t unixSeconds) {
  const std::time_t t = static_cast<std::time_t>(unixSeconds);
  std::tm local{};
#ifdef _WIN32
  const bool known = localtime_s(&local, &t) == 0;
#else
  const bool known = localtime_r(&t, &local) != nullptr;
#endif
  if (!known) {
    // No local time for this instant: fall back to the universal time.
    const std::int64_t days = (unixSeconds >= 0 ? unixSeconds : unixSeconds - 86399) / 86400;
    return static_cast<double>(days + kDaysFrom1899To1970) +
           static_cast<double>(unixSeconds - days * 86400) / 86400.0;
  }
  const std::int64_t days =
      DaysFromCivil(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                    static_cast<unsigned>(local.tm_mday));
  const int seconds = local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
  return static_cast<double>(days + kDaysFrom1899To1970) + seconds / 86400.0;
}

}  // namespace league
