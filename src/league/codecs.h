#pragma once
// Byte codecs of every league record. Decoders take any span: bytes missing at
// its end read as zero, so a short buffer never crashes. Encoders give exactly
// the record length. Decoding then encoding reproduces every byte.

#include <span>
#include <vector>

#include "league/records.h"
#include "league/result.h"

namespace league {

using Bytes = std::vector<Byte>;
using ByteSpan = std::span<const Byte>;

// Fails when LastTeamIndex is 50 or more or a DivisionCount is above 4; a
// DivisionCount of 0 becomes 2.
Result<LeagueRecord> DecodeLeague(ByteSpan bytes);
Bytes Encode(const LeagueRecord& league);  // LastTeamIndex = TeamCount - 1

TeamRecord DecodeTeam(ByteSpan bytes);
Bytes Encode(const TeamRecord& team);

PlayerRecord DecodePlayer(ByteSpan bytes);
Bytes Encode(const PlayerRecord& player);

PoolEntry DecodePoolEntry(ByteSpan bytes);
Bytes Encode(const PoolEntry& entry);

ProspectList DecodeProspects(ByteSpan bytes);
Bytes Encode(const ProspectList& prospects);

FarmTeamRecord DecodeFarmTeam(ByteSpan bytes);
Bytes Encode(const FarmTeamRecord& farm);

WaiverEntry DecodeWaiver(ByteSpan bytes);
Bytes Encode(const WaiverEntry& entry);

PlayoffRecord DecodePlayoff(ByteSpan bytes);
Bytes Encode(const PlayoffRecord& playoff);

// Date fields: days since 30 December 1899 00:00 (local time of day as the fraction).
double ToDate(std::int64_t unixSeconds);

}  // namespace league
