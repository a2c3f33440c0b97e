#include "sample_league.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <initializer_list>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "league/codecs.h"
#include "league/records.h"
#include "league/text_files.h"
#include "ratings/ratings.h"

namespace sample {

namespace {

using league::Byte;
using league::Bytes;
using league::PlayerRecord;

// ---- Randomness --------------------------------------------------------------
// Our own generator and our own ranges: the standard distributions differ
// between library implementations, and the same seed must give the same bytes
// everywhere.

class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {  // splitmix64
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // A whole number from lo to hi, both included.
  int Between(int lo, int hi) {
    if (hi <= lo) return lo;
    return lo + static_cast<int>(Next() % static_cast<std::uint64_t>(hi - lo + 1));
  }
  bool Percent(int chance) { return Between(0, 99) < chance; }
  template <class T>
  void Shuffle(std::vector<T>& items) {
    for (std::size_t i = items.size(); i > 1; --i) {
      std::swap(items[i - 1], items[static_cast<std::size_t>(Between(0, static_cast<int>(i) - 1))]);
    }
  }
  template <class T, std::size_t N>
  const T& Pick(const std::array<T, N>& items) {
    return items[static_cast<std::size_t>(Between(0, static_cast<int>(N) - 1))];
  }
  // An index chosen with the given weights (all zero: -1).
  int Weighted(const std::vector<int>& weights) {
    long total = 0;
    for (const int w : weights) total += w;
    if (total <= 0) return -1;
    long roll = static_cast<long>(Next() % static_cast<std::uint64_t>(total));
    for (std::size_t i = 0; i < weights.size(); ++i) {
      roll -= weights[i];
      if (roll < 0) return static_cast<int>(i);
    }
    return static_cast<int>(weights.size()) - 1;
  }

 private:
  std::uint64_t state_;
};

// ---- Invented names ----------------------------------------------------------

constexpr std::array<std::string_view, 48> kFirstNames = {
    "Aldo", "Bram",  "Cato", "Dag",   "Eli",  "Finn", "Gus",  "Hale", "Ivo",  "Jory",
    "Kai",  "Lars",  "Milo", "Nils",  "Odo",  "Per",  "Quin", "Rune", "Sten", "Tavo",
    "Ulf",  "Vidar", "Wes",  "Yngve", "Zeb",  "Arlo", "Birk", "Cass", "Dell", "Emil",
    "Falk", "Gray",  "Holt", "Ingo",  "Jarl", "Knut", "Leif", "Mads", "Noel", "Orin",
    "Pax",  "Rolf",  "Sig",  "Teo",   "Uli",  "Vern", "Wyn",  "Yuri"};

constexpr std::array<std::string_view, 24> kSurnameStarts = {
    "Bran", "Tol", "Kes", "Mar", "Vin", "Hal", "Dro", "Fen",  "Gor",  "Lun", "Ost", "Ras",
    "Sel",  "Tor", "Ul",  "Vey", "Wen", "Yar", "Zel", "Quor", "Thal", "Eld", "Mor", "Skar"};

constexpr std::array<std::string_view, 16> kSurnameEnds = {
    "vik", "gard", "lund", "strom", "berg", "holt",  "wick", "mane",
    "dor", "rin",  "sek",  "tal",   "ov",   "ander", "ley",  "mark"};

constexpr std::array<std::string_view, 25> kPlacePrefixes = {
    "Frost", "Raven", "Glim",  "Thorn", "Wolf",   "Storm", "Ash",    "Birch", "Drift",
    "Ember", "Fern",  "Gale",  "Haze",  "Iron",   "Kelp",  "Lark",   "Mist",  "Rime",
    "Sleet", "Tarn",  "Umber", "Wind",  "Cinder", "Heron", "Bramble"};

constexpr std::array<std::string_view, 10> kPlaceSuffixes = {
    "holm", "mark", "wold", "vik", "gard", "mere", "haven", "fell", "stead", "moor"};

constexpr std::array<std::string_view, 5> kFarmSuffixes = {"Pups", "Colts", "Kits", "Imps", "Cubs"};
constexpr std::array<std::string_view, 4> kArenaSuffixes = {" Ice Hall", " Coliseum", " Gardens",
                                                            " Forum"};
constexpr std::array<std::string_view, 12> kBirthplaces = {
    "CAN", "CAN", "CAN", "USA", "USA", "SWE", "FIN", "CZE", "SVK", "NOR", "GER", "LAT"};

constexpr std::array<std::string_view, 2> kConferenceNames = {"Aurora", "Borealis"};
constexpr std::array<std::array<std::string_view, 3>, 2> kDivisionNames = {
    {{"Glacier", "Tundra", "Summit"}, {"Fjord", "Harbor", "Cascade"}}};
constexpr std::string_view kLeagueName = "Frostfall Hockey League";

// Person names unique across the whole league, so that the pool, the waivers
// file and the rosters never hold two players of the same name.
class NameMaker {
 public:
  explicit NameMaker(Rng& rng) : rng_(rng) {}
  std::string Person() {
    for (int attempt = 0;; ++attempt) {
      std::string name = std::string(rng_.Pick(kFirstNames)) + " " +
                         std::string(rng_.Pick(kSurnameStarts)) +
                         std::string(rng_.Pick(kSurnameEnds));
      if (attempt > 200) {  // never reached in practice
        name += ' ';
        name += std::to_string(attempt);
      }
      if (used_.insert(name).second) return name;
    }
  }

 private:
  Rng& rng_;
  std::set<std::string> used_;
};

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

std::string TwoDigits(int n) {
  std::string digits = std::to_string(n);
  if (digits.size() < 2) digits.insert(digits.begin(), '0');
  return digits;
}

// ---- Players -----------------------------------------------------------------

constexpr int kC = 0, kLW = 1, kRW = 2, kD = 3, kG = 4;

Byte Clamp(int value, int lo, int hi) { return static_cast<Byte>(std::clamp(value, lo, hi)); }

// Skills around a quality level q, shaped by position: forwards score and pass,
// defencemen defend and hit, goalies are quick and sure with the puck.
std::array<Byte, 13> MakeSkills(Rng& rng, int position, int q, int age) {
  //                                 IT SP ST EN DU DI SK PA PC  DF   SC
  static constexpr std::array<std::array<int, 11>, 3> kShape = {{
      {0, 5, -3, 0, 0, 0, 4, 3, 4, -10, 6},    // forward
      {0, -3, 6, 0, 0, 0, 0, -2, -3, 8, -10},  // defenceman
      {0, 6, -5, 0, 0, 0, 4, -15, 3, 0, 0},    // goalie
  }};
  const auto& shape = kShape[static_cast<std::size_t>(position == kG ? 2 : position == kD ? 1 : 0)];
  std::array<Byte, 13> skills{};
  for (std::size_t k = 0; k < 11; ++k) skills[k] = Clamp(q + shape[k] + rng.Between(-8, 8), 15, 99);
  if (position == kG) {  // not meaningful for a goalie: kept low and out of the way
    skills[9] = Clamp(rng.Between(15, 35), 15, 99);
    skills[10] = Clamp(rng.Between(15, 30), 15, 99);
  }
  skills[11] = Clamp(20 + (age - 18) * 4 + rng.Between(-8, 8), 15, 99);  // experience
  skills[12] = Clamp(q - 10 + (age - 18) * 2 + rng.Between(-10, 10), 15, 99);
  return skills;
}

struct PlayerPlan {
  int Position;
  int Quality;  // skill level
  int Assignment;
  int Injury = 0;
  int Suspension = 0;
  bool Young = false;  // a farm prospect of 18 to 22
};

PlayerRecord MakePlayer(Rng& rng, NameMaker& names, const PlayerPlan& plan, int number) {
  PlayerRecord p;
  p.PlayerName.Store(names.Person());
  p.Position = static_cast<Byte>(plan.Position);
  p.Number = static_cast<Byte>(number);
  const int age = plan.Young ? rng.Between(18, 22) : rng.Between(21, 36);
  p.Age = static_cast<Byte>(age);
  p.Rookie = age <= 21 ? league::kTrue : league::kFalse;
  p.Hand = static_cast<Byte>(rng.Percent(62) ? 0 : 1);
  const bool big = plan.Position == kD;
  p.Height = static_cast<Byte>(rng.Between(big ? 71 : 68, big ? 78 : 76));
  p.Weight = static_cast<Byte>(rng.Between(big ? 195 : 172, big ? 235 : 215));
  p.Status = league::MakeStatus(plan.Assignment, plan.Injury);
  p.Condition = static_cast<Byte>(plan.Injury > 0 ? rng.Between(40, 75) : rng.Between(88, 100));
  p.Skills = MakeSkills(rng, plan.Position, plan.Quality, age);
  const int q = plan.Quality;
  const int salary = q >= 76   ? rng.Between(3500, 8500) * 1000
                     : q >= 64 ? rng.Between(900, 3200) * 1000
                     : q >= 56 ? rng.Between(450, 950) * 1000
                               : rng.Between(200, 600) * 1000;
  p.Salary = salary;
  p.Contract = static_cast<Byte>(rng.Between(1, 5));
  p.Suspension = static_cast<Byte>(plan.Suspension);
  p.Birthplace.Store(rng.Pick(kBirthplaces));
  return p;
}

// ---- Schedule and results ----------------------------------------------------

struct Game {
  int Round;
  int Home;
  int Away;
  int HomeGoals = -1;  // -1: not played yet
  int AwayGoals = -1;
};

// Rounds of the circle method, home and away alternating by cycle, until the
// league's number of games is reached.
std::vector<Game> MakeSchedule(int teams, int scheduledGames) {
  const int slots = teams + (teams % 2);  // an odd league gets a bye
  std::vector<int> ring(static_cast<std::size_t>(slots));
  for (int i = 0; i < slots; ++i) ring[static_cast<std::size_t>(i)] = i;
  std::vector<Game> games;
  for (int round = 0; static_cast<int>(games.size()) < scheduledGames; ++round) {
    const bool swapSides = (round / (slots - 1)) % 2 == 1;
    for (int i = 0; i < slots / 2 && static_cast<int>(games.size()) < scheduledGames; ++i) {
      int a = ring[static_cast<std::size_t>(i)];
      int b = ring[static_cast<std::size_t>(slots - 1 - i)];
      if (a >= teams || b >= teams) continue;  // the bye
      if ((i + round) % 2 == 1) std::swap(a, b);
      if (swapSides) std::swap(a, b);
      games.push_back({round, a, b});
    }
    std::rotate(ring.begin() + 1, ring.end() - 1, ring.end());
  }
  return games;
}

int Goals(Rng& rng, double expected) {
  // Twelve chances: close enough to a Poisson count for hockey scores.
  int goals = 0;
  const int perMille = static_cast<int>(expected / 12.0 * 1000.0);
  for (int i = 0; i < 12; ++i) goals += rng.Between(0, 999) < perMille ? 1 : 0;
  return goals;
}

// ---- The league in memory ----------------------------------------------------

struct Team {
  league::TeamRecord Record;
  std::array<PlayerRecord, league::kRosterPlaces> Places{};
  league::ProspectList Prospects;
  league::FarmTeamRecord Farm;
  int Strength = 0;
  std::vector<int> Games;  // indexes into the schedule of the games played
};

struct League {
  league::LeagueRecord Record;
  std::vector<Team> Teams;
  std::vector<Game> Schedule;
  std::vector<league::PoolEntry> Pool;
  std::vector<league::WaiverEntry> Waivers;
  std::vector<std::string> Transactions;
  std::vector<std::string> WaiverLog;
  std::vector<std::string> Draft;
};

std::vector<std::string> TeamNames(Rng& rng, int count) {
  std::vector<std::string> all;
  for (const auto prefix : kPlacePrefixes) {
    for (const auto suffix : kPlaceSuffixes) {
      std::string name = std::string(prefix) + std::string(suffix);
      if (name.size() <= 10) all.push_back(name);
    }
  }
  rng.Shuffle(all);
  // One name per prefix keeps the teams easy to tell apart.
  std::vector<std::string> names;
  std::set<std::string> prefixes;
  for (const std::string& name : all) {
    const std::string prefix = name.substr(0, 4);
    if (static_cast<int>(names.size()) < count && prefixes.insert(prefix).second) {
      names.push_back(name);
    }
  }
  for (const std::string& name : all) {
    if (static_cast<int>(names.size()) >= count) break;
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }
  return names;
}

std::string Abbreviation(const std::string& name, std::set<std::string>& used) {
  const std::string upper = Upper(name);
  const std::array<std::string, 3> tries = {upper.substr(0, 3), upper.substr(0, 2) + upper.back(),
                                            upper.substr(0, 1) + upper.substr(upper.size() - 2)};
  for (const std::string& abbrev : tries) {
    if (used.insert(abbrev).second) return abbrev;
  }
  for (int n = 0;; ++n) {
    std::string abbrev = upper.substr(0, 2) + std::to_string(n % 10);
    if (used.insert(abbrev).second) return abbrev;
  }
}

// The roster of one team: a dressed twenty (4 C, 4 LW, 4 RW, 6 D, 2 G, all
// healthy and free to play), healthy scratches, the team's injured, suspended
// and holding-out players, and a farm roster, spread over the 50 places with gaps.
std::vector<PlayerPlan> PlanRoster(Rng& rng, int teamIndex, int strength) {
  std::vector<PlayerPlan> plans;
  const int s = strength;
  auto dress = [&](int position, int count) {
    for (int i = 0; i < count; ++i) {
      const int q = i == 0 ? 76 + s : i == 1 ? 68 + s : i < 4 ? 62 + s : 60 + s;
      plans.push_back({position, q + rng.Between(-3, 3), league::kGameRoster});
    }
  };
  dress(kC, 4);
  dress(kLW, 4);
  dress(kRW, 4);
  dress(kD, 6);
  dress(kG, 2);

  constexpr std::array<int, 10> kSparePositions = {kC, kLW, kRW, kD, kD, kC, kLW, kRW, kD, kG};
  const int scratches = rng.Between(2, 3);
  for (int i = 0; i < scratches; ++i) {
    plans.push_back({kSparePositions[static_cast<std::size_t>(i)], 58 + s + rng.Between(-3, 3),
                     league::kScratches});
  }
  // Team 0 and team 1 always carry the special cases, so fixtures can rely on them.
  const bool injured = teamIndex == 0 || rng.Percent(55);
  const bool suspended = teamIndex == 0 || rng.Percent(35);
  const bool holdout = teamIndex == 1 || rng.Percent(15);
  if (injured) {
    plans.push_back({rng.Pick(kSparePositions), 64 + s, league::kScratches, rng.Between(1, 6)});
    if (rng.Percent(40) || teamIndex == 0) {
      plans.push_back({rng.Between(0, 3), 54 + s, league::kFarm, rng.Between(1, 6)});
    }
  }
  if (suspended)
    plans.push_back({rng.Between(0, 3), 60 + s, league::kScratches, 0, rng.Between(1, 5)});
  if (holdout)
    plans.push_back({rng.Between(0, 3), 70 + s, league::kScratches, 0, league::kHoldout});

  const int total = rng.Between(28, 36);
  // The farm: one goalie always, then a mix, mostly young players.
  plans.push_back({kG, 52 + rng.Between(-3, 3), league::kFarm, 0, 0, true});
  while (static_cast<int>(plans.size()) < total) {
    const bool young = rng.Percent(65);
    plans.push_back({rng.Pick(kSparePositions), (young ? 52 : 57) + rng.Between(-5, 5),
                     league::kFarm, 0, 0, young});
  }
  return plans;
}

// Game statistics from the team's played games, shared out by skill.
void SeasonStatistics(Rng& rng, League& lg, Team& team, int teamIndex) {
  auto& rec = team.Record;
  auto& places = team.Places;
  int gamesPlayed = 0, goalsFor = 0, goalsAgainst = 0;
  std::vector<int> winGames, tieGames;
  for (const int gi : team.Games) {
    const Game& g = lg.Schedule[static_cast<std::size_t>(gi)];
    const bool home = g.Home == teamIndex;
    const int gf = home ? g.HomeGoals : g.AwayGoals;
    const int ga = home ? g.AwayGoals : g.HomeGoals;
    ++gamesPlayed;
    goalsFor += gf;
    goalsAgainst += ga;
    if (home) ++rec.HomeGamesPlayed;
    if (gf > ga) ++rec.Wins;
    if (gf < ga) ++rec.Losses;
    if (gf == ga) ++rec.Ties;
  }
  rec.GoalsFor = static_cast<std::int16_t>(goalsFor);
  rec.GoalsAgainst = static_cast<std::int16_t>(goalsAgainst);
  rec.PowerPlays = static_cast<std::int16_t>(gamesPlayed * 4 + rng.Between(-10, 10));
  rec.PowerPlayGoals = Clamp(goalsFor / 5 + rng.Between(-3, 3), 0, rec.PowerPlays);
  rec.TimesShorthanded = static_cast<std::int16_t>(gamesPlayed * 4 + rng.Between(-10, 10));
  rec.PowerPlayGoalsAgainst = Clamp(goalsAgainst / 5 + rng.Between(-3, 3), 0, rec.TimesShorthanded);

  std::vector<int> skaters, goalies;
  for (int p = 0; p < league::kRosterPlaces; ++p) {
    const PlayerRecord& pl = places[static_cast<std::size_t>(p)];
    if (!pl.IsEmpty() && league::Assignment(pl.Status) == league::kGameRoster) {
      (pl.Position == kG ? goalies : skaters).push_back(p);
    }
  }
  // The better goalie starts.
  std::stable_sort(goalies.begin(), goalies.end(), [&](int a, int b) {
    return ratings::Overall(places[static_cast<std::size_t>(a)]) >
           ratings::Overall(places[static_cast<std::size_t>(b)]);
  });

  // Games played: the dressed nearly all, the rest some.
  for (int p = 0; p < league::kRosterPlaces; ++p) {
    PlayerRecord& pl = places[static_cast<std::size_t>(p)];
    if (pl.IsEmpty() || pl.Position == kG) continue;
    const int a = league::Assignment(pl.Status);
    const int gp = a == league::kGameRoster  ? gamesPlayed - rng.Between(0, 4)
                   : a == league::kScratches ? rng.Between(gamesPlayed / 4, gamesPlayed * 3 / 4)
                                             : rng.Between(0, 16);
    pl.GamesPlayed = Clamp(gp, 0, gamesPlayed);
  }

  // Every goal of the team gets a scorer and up to two assists among the dressed skaters.
  std::vector<int> scoreWeights, passWeights;
  for (const int p : skaters) {
    const auto& sk = places[static_cast<std::size_t>(p)].Skills;
    const int forward = places[static_cast<std::size_t>(p)].Position == kD ? 1 : 3;
    scoreWeights.push_back(forward * sk[10] * sk[10] / 10);
    passWeights.push_back(sk[7] * sk[7] / 10);
  }
  std::vector<int> goals(skaters.size(), 0);
  for (int goal = 0; goal < goalsFor; ++goal) {
    const int scorer = rng.Weighted(scoreWeights);
    if (scorer < 0) break;
    ++goals[static_cast<std::size_t>(scorer)];
    PlayerRecord& s = places[static_cast<std::size_t>(skaters[static_cast<std::size_t>(scorer)])];
    s.GoalsOrGoaliePim = Clamp(s.GoalsOrGoaliePim + 1, 0, 255);
    if (goal < rec.PowerPlayGoals) s.PPGoalsOrShutouts = Clamp(s.PPGoalsOrShutouts + 1, 0, 255);
    if (goal >= rec.PowerPlayGoals && rng.Percent(3)) {
      s.SHGoalsOrWins = Clamp(s.SHGoalsOrWins + 1, 0, 255);
    }
    for (int helper = 0; helper < 2; ++helper) {
      if (!rng.Percent(helper == 0 ? 90 : 65)) break;
      std::vector<int> weights = passWeights;
      weights[static_cast<std::size_t>(scorer)] = 0;
      const int assist = rng.Weighted(weights);
      if (assist < 0) break;
      PlayerRecord& a = places[static_cast<std::size_t>(skaters[static_cast<std::size_t>(assist)])];
      a.Assists = Clamp(a.Assists + 1, 0, 255);
    }
  }
  // Game-winning and game-tying goals go to players who scored.
  auto award = [&](int count, bool winning) {
    for (int i = 0; i < count; ++i) {
      std::vector<int> weights;
      for (std::size_t k = 0; k < skaters.size(); ++k) {
        const PlayerRecord& pl = places[static_cast<std::size_t>(skaters[k])];
        weights.push_back(std::max(0, goals[k] - pl.GWGoalsOrLosses - pl.GTGoalsOrTies));
      }
      const int who = rng.Weighted(weights);
      if (who < 0) return;
      PlayerRecord& pl = places[static_cast<std::size_t>(skaters[static_cast<std::size_t>(who)])];
      (winning ? pl.GWGoalsOrLosses : pl.GTGoalsOrTies)++;
    }
  };
  award(rec.Wins, true);
  award(rec.Ties / 2, false);

  // The other skater figures, for everyone who played.
  float shots = 0, penaltyMinutes = 0;
  for (int p = 0; p < league::kRosterPlaces; ++p) {
    PlayerRecord& pl = places[static_cast<std::size_t>(p)];
    if (pl.IsEmpty() || pl.Position == kG) continue;
    const int gp = pl.GamesPlayed;
    if (league::Assignment(pl.Status) != league::kGameRoster && gp > 0) {
      pl.GoalsOrGoaliePim = Clamp(rng.Between(0, gp / 6), 0, 255);
      pl.Assists = Clamp(rng.Between(0, gp / 4), 0, 255);
    }
    const int share = gamesPlayed > 0 ? (goalsFor - goalsAgainst) * gp / gamesPlayed / 4 : 0;
    pl.PlusMinusOrMinutes = static_cast<std::int16_t>(share + rng.Between(-7, 7));
    pl.PimOrGoalsAgainst =
        static_cast<std::int16_t>((100 - pl.Skills[5]) * gp / 25 + rng.Between(0, 12));
    pl.ShotsOrShotsAgainst = static_cast<std::int16_t>(pl.GoalsOrGoaliePim * rng.Between(6, 10) +
                                                       gp * rng.Between(1, 2));
    pl.Hits = static_cast<std::int16_t>(pl.Skills[2] * gp / (pl.Position == kD ? 25 : 40) +
                                        rng.Between(0, 15));
    shots += pl.ShotsOrShotsAgainst;
    penaltyMinutes += pl.PimOrGoalsAgainst;
  }

  // Goalies: the starter takes about three games in four.
  float shotsAgainst = 0;
  for (const int gi : team.Games) {
    const Game& g = lg.Schedule[static_cast<std::size_t>(gi)];
    const bool home = g.Home == teamIndex;
    const int gf = home ? g.HomeGoals : g.AwayGoals;
    const int ga = home ? g.AwayGoals : g.HomeGoals;
    const int which = goalies.size() > 1 && rng.Percent(27) ? 1 : 0;
    if (goalies.empty()) break;
    PlayerRecord& gk = places[static_cast<std::size_t>(goalies[static_cast<std::size_t>(which)])];
    const int against = ga + rng.Between(20, 30);
    gk.GamesPlayed = Clamp(gk.GamesPlayed + 1, 0, 255);
    gk.PlusMinusOrMinutes = static_cast<std::int16_t>(gk.PlusMinusOrMinutes + (gf == ga ? 65 : 60));
    gk.PimOrGoalsAgainst = static_cast<std::int16_t>(gk.PimOrGoalsAgainst + ga);
    gk.ShotsOrShotsAgainst = static_cast<std::int16_t>(gk.ShotsOrShotsAgainst + against);
    if (ga == 0) gk.PPGoalsOrShutouts = Clamp(gk.PPGoalsOrShutouts + 1, 0, 255);
    if (gf > ga) gk.SHGoalsOrWins = Clamp(gk.SHGoalsOrWins + 1, 0, 255);
    if (gf < ga) gk.GWGoalsOrLosses = Clamp(gk.GWGoalsOrLosses + 1, 0, 255);
    if (gf == ga) gk.GTGoalsOrTies = Clamp(gk.GTGoalsOrTies + 1, 0, 255);
    shotsAgainst += static_cast<float>(against);
  }
  for (const int p : goalies) {
    PlayerRecord& gk = places[static_cast<std::size_t>(p)];
    gk.GoalsOrGoaliePim = Clamp(rng.Between(0, gk.GamesPlayed / 8), 0, 255);
  }
  for (int p = 0; p < league::kRosterPlaces; ++p) {  // farm and spare goalies
    PlayerRecord& gk = places[static_cast<std::size_t>(p)];
    if (gk.IsEmpty() || gk.Position != kG || league::Assignment(gk.Status) == league::kGameRoster) {
      continue;
    }
    gk.GamesPlayed = Clamp(rng.Between(0, 6), 0, gamesPlayed);
    gk.PlusMinusOrMinutes = static_cast<std::int16_t>(gk.GamesPlayed * 60);
    gk.PimOrGoalsAgainst = static_cast<std::int16_t>(gk.GamesPlayed * rng.Between(2, 4));
    gk.ShotsOrShotsAgainst = static_cast<std::int16_t>(gk.PimOrGoalsAgainst + gk.GamesPlayed * 24);
    gk.SHGoalsOrWins = Clamp(gk.GamesPlayed / 2, 0, 255);
    gk.GWGoalsOrLosses = Clamp(gk.GamesPlayed - gk.SHGoalsOrWins, 0, 255);
  }
  rec.ShotsFor = shots;
  rec.ShotsAgainst = shotsAgainst;
  rec.PenaltyMinutes = penaltyMinutes;
}

// Lines from the dressed players, best first by overall within each position.
void SetLines(Team& team) {
  std::array<std::vector<int>, 5> byPosition;
  for (int p = 0; p < league::kRosterPlaces; ++p) {
    const PlayerRecord& pl = team.Places[static_cast<std::size_t>(p)];
    if (!pl.IsEmpty() && league::Assignment(pl.Status) == league::kGameRoster &&
        pl.Position <= kG) {
      byPosition[pl.Position].push_back(p);
    }
  }
  for (auto& list : byPosition) {
    std::stable_sort(list.begin(), list.end(), [&](int a, int b) {
      return ratings::Overall(team.Places[static_cast<std::size_t>(a)]) >
             ratings::Overall(team.Places[static_cast<std::size_t>(b)]);
    });
  }
  auto at = [&](int position, std::size_t i) {
    return static_cast<Byte>(byPosition[static_cast<std::size_t>(position)].at(i));
  };
  league::LineGrid& grid = team.Record.Lines;
  grid.Cells.fill(league::kNoPlayer);
  auto row = [&](int r, std::initializer_list<Byte> cells) {
    int j = 0;
    for (const Byte cell : cells) grid.At(r, j++) = cell;
  };
  for (std::size_t i = 0; i < 4; ++i) {  // even strength
    const std::size_t pair = 2 * (i % 3);
    row(static_cast<int>(i), {at(kC, i), at(kLW, i), at(kRW, i), at(kD, pair), at(kD, pair + 1)});
  }
  row(4, {at(kC, 0), at(kLW, 0), at(kRW, 0), at(kD, 0), at(kD, 1)});  // power play, 5 on 4
  row(5, {at(kC, 1), at(kLW, 1), at(kRW, 1), at(kD, 2), at(kD, 3)});
  row(6, {at(kC, 0), at(kLW, 0), at(kD, 0), at(kD, 1)});  // power play, 4 on 3
  row(7, {at(kC, 1), at(kRW, 1), at(kD, 2), at(kD, 3)});
  row(8, {at(kC, 2), at(kRW, 2), at(kD, 4), at(kD, 5)});  // penalty kill, 4 on 5
  row(9, {at(kC, 3), at(kLW, 3), at(kD, 2), at(kD, 3)});
  row(10, {at(kC, 2), at(kD, 4), at(kD, 5)});  // penalty kill, 3 on 5
  row(11, {at(kC, 3), at(kD, 0), at(kD, 1)});
  row(12, {at(kG, 0), at(kLW, 2), at(kRW, 3)});  // goalie and extra skaters
  team.Record.LinesSet = league::kTrue;
}

League Build(const Options& options) {
  Rng rng(0x5EEDull * 1000003ull + options.Seed);
  NameMaker names(rng);
  League lg;
  const int n = options.Teams;

  // League record.
  auto& L = lg.Record;
  L.LeagueName.Store(kLeagueName);
  L.TeamCount = n;
  const int conf0 = (n + 1) / 2;
  const std::array<int, 2> confTeams = {conf0, n - conf0};
  const std::array<int, 2> divisions = {conf0 >= 6   ? 3
                                        : conf0 >= 2 ? 2
                                                     : 1,
                                        confTeams[1] >= 2 ? 2 : 1};
  for (std::size_t k = 0; k < 2; ++k) {
    L.Conferences[k].ConfName.Store(kConferenceNames[k]);
    L.Conferences[k].DivisionCount = static_cast<Byte>(divisions[k]);
    for (std::size_t d = 0; d < static_cast<std::size_t>(divisions[k]); ++d) {
      L.Conferences[k].Divisions[d].DivName.Store(kDivisionNames[k][d]);
    }
  }
  L.ScheduleMade = league::kTrue;
  L.WaiversOn = league::kTrue;
  L.ScheduledGames = static_cast<std::int16_t>(82 * n / 2);
  L.WaiverMinGames = 10;
  L.WaiverExemptAge = 22;
  L.FarmSalaryGames = 20;
  L.PlayoffsOn = league::kFalse;

  // Teams.
  const std::vector<std::string> teamNames = TeamNames(rng, n);
  std::set<std::string> abbrevs;
  lg.Teams.resize(static_cast<std::size_t>(n));
  for (int t = 0; t < n; ++t) {
    Team& team = lg.Teams[static_cast<std::size_t>(t)];
    auto& R = team.Record;
    const std::string& name = teamNames[static_cast<std::size_t>(t)];
    const int k = t < conf0 ? 0 : 1;
    const int inConf = k == 0 ? t : t - conf0;
    team.Strength = rng.Between(-6, 6);
    R.TeamName.Store(name);
    const std::string owner = names.Person();
    R.Owner.Store(owner);
    R.MessagingId.Store(Lower(owner.substr(0, owner.find(' '))) + "_gm" + std::to_string(t + 1));
    R.LineupPassword.Store(SamplePassword(t));
    R.Abbrev.Store(Abbreviation(name, abbrevs));
    R.Arena.Store(name + std::string(rng.Pick(kArenaSuffixes)));
    R.Seats = static_cast<std::int16_t>(rng.Between(110, 195) * 100);
    R.TicketPrice = static_cast<Byte>(rng.Between(28, 85));
    R.Conference = static_cast<Byte>(k);
    R.Division = static_cast<Byte>(inConf * divisions[static_cast<std::size_t>(k)] /
                                   confTeams[static_cast<std::size_t>(k)]);
    R.Cash = rng.Between(-20, 250) * 100000;
    R.Coach.CoachName.Store(names.Person());
    R.Coach.CoachPay = rng.Between(30, 120) * 10000;
    R.GateRevenue = R.Seats * rng.Between(80, 100) / 100 * R.TicketPrice;
    R.Lines.Cells.fill(league::kNoPlayer);
    team.Farm.FarmName.Store(name + " " + std::string(rng.Pick(kFarmSuffixes)));
  }

  // Rosters over the 50 places, with gaps.
  for (int t = 0; t < n; ++t) {
    Team& team = lg.Teams[static_cast<std::size_t>(t)];
    const std::vector<PlayerPlan> plans = PlanRoster(rng, t, team.Strength);
    std::vector<int> places(league::kRosterPlaces), numbers(98);
    for (int i = 0; i < league::kRosterPlaces; ++i) places[static_cast<std::size_t>(i)] = i;
    for (int i = 0; i < 98; ++i) numbers[static_cast<std::size_t>(i)] = i + 1;
    rng.Shuffle(places);
    rng.Shuffle(numbers);
    for (std::size_t i = 0; i < plans.size(); ++i) {
      team.Places[static_cast<std::size_t>(places[i])] =
          MakePlayer(rng, names, plans[i], numbers[i]);
    }
  }

  // Schedule, the games played so far and the season statistics.
  lg.Schedule = MakeSchedule(n, L.ScheduledGames);
  const int roundsPlayed = rng.Between(38, 46);
  for (std::size_t gi = 0; gi < lg.Schedule.size(); ++gi) {
    Game& g = lg.Schedule[gi];
    if (g.Round >= roundsPlayed) continue;
    const int edge = lg.Teams[static_cast<std::size_t>(g.Home)].Strength -
                     lg.Teams[static_cast<std::size_t>(g.Away)].Strength;
    g.HomeGoals = Goals(rng, 3.1 + 0.08 * edge);
    g.AwayGoals = Goals(rng, 2.8 - 0.08 * edge);
    lg.Teams[static_cast<std::size_t>(g.Home)].Games.push_back(static_cast<int>(gi));
    lg.Teams[static_cast<std::size_t>(g.Away)].Games.push_back(static_cast<int>(gi));
  }
  for (int t = 0; t < n; ++t) SeasonStatistics(rng, lg, lg.Teams[static_cast<std::size_t>(t)], t);

  // Lines on every third team, team 0 among them.
  for (int t = 0; t < n; t += 3) SetLines(lg.Teams[static_cast<std::size_t>(t)]);

  // Prospects: a handful per team at scattered places.
  for (Team& team : lg.Teams) {
    std::vector<int> spots(100);
    for (int i = 0; i < 100; ++i) spots[static_cast<std::size_t>(i)] = i;
    rng.Shuffle(spots);
    std::sort(spots.begin(), spots.begin() + 14);
    const int count = rng.Between(6, 14);
    for (int i = 0; i < count; ++i) {
      const auto at = static_cast<std::size_t>(spots[static_cast<std::size_t>(i)]);
      team.Prospects.ProspectNames[at].Store(names.Person());
      team.Prospects.ProspectPositions[at] = static_cast<Byte>(rng.Between(0, 4));
      team.Prospects.ProspectSalaries[at] = static_cast<std::int16_t>(rng.Between(30, 90) * 100);
      team.Prospects.ProspectAges[at] = static_cast<Byte>(rng.Between(18, 20));
      team.Prospects.ProspectContracts[at] = static_cast<Byte>(rng.Between(1, 3));
    }
    // Farm club season counters: wins, losses, ties, goals for, goals against.
    const int w = rng.Between(15, 30), l = rng.Between(12, 28), ti = rng.Between(2, 8);
    team.Farm.Kept15[0] = static_cast<Byte>(w);
    team.Farm.Kept15[1] = static_cast<Byte>(l);
    team.Farm.Kept15[2] = static_cast<Byte>(ti);
    const int gf = (w + l + ti) * 3 + rng.Between(-15, 15),
              ga = (w + l + ti) * 3 + rng.Between(-15, 15);
    team.Farm.Kept15[3] = static_cast<Byte>(gf & 0xFF);
    team.Farm.Kept15[4] = static_cast<Byte>(gf >> 8);
    team.Farm.Kept15[5] = static_cast<Byte>(ga & 0xFF);
    team.Farm.Kept15[6] = static_cast<Byte>(ga >> 8);
  }

  // The pool: free agents of every kind, and two entries already given to teams.
  for (int i = 0; i < 46; ++i) {
    constexpr std::array<int, 9> kPoolPositions = {kC, kLW, kRW, kD, kD, kC, kLW, kRW, kG};
    PlayerPlan plan{kPoolPositions[static_cast<std::size_t>(i % 9)],
                    i % 11 == 0 ? 68 + rng.Between(0, 6) : 50 + rng.Between(-4, 10), league::kFarm};
    plan.Young = i % 3 == 0;
    league::PoolEntry entry;
    entry.Player = MakePlayer(rng, names, plan, rng.Between(1, 98));
    entry.Player.Contract = 0;
    entry.Player.GamesPlayed = static_cast<Byte>(rng.Between(0, 12));
    entry.Taken = i >= 44 ? league::kTrue : league::kFalse;
    lg.Pool.push_back(entry);
  }

  // Waivers: one or two veterans of the farm who needed waivers to go down.
  const int waived = rng.Between(1, 2);
  for (int w = 0; w < waived; ++w) {
    const int t = (w * (n / 2) + rng.Between(0, n - 1)) % n;
    Team& team = lg.Teams[static_cast<std::size_t>(t)];
    for (int p = 0; p < league::kRosterPlaces; ++p) {
      PlayerRecord& pl = team.Places[static_cast<std::size_t>(p)];
      if (pl.IsEmpty() || pl.Status != 0 || pl.Position == kG) continue;
      const bool already = std::any_of(lg.Waivers.begin(), lg.Waivers.end(), [&](const auto& e) {
        return e.PlayerName == pl.PlayerName;
      });
      if (already) continue;
      if (pl.Age <= L.WaiverExemptAge)
        pl.Age = static_cast<Byte>(L.WaiverExemptAge + rng.Between(3, 9));
      if (pl.GamesPlayed < L.WaiverMinGames)
        pl.GamesPlayed = static_cast<Byte>(L.WaiverMinGames + 2);
      pl.Rookie = league::kFalse;
      league::WaiverEntry entry;
      entry.PlayerName = pl.PlayerName;
      entry.RosterPlace = static_cast<Byte>(p);
      entry.FromTeam = static_cast<Byte>(t);
      // A fixed mid-season date, so the bytes do not depend on when or where we run:
      // 10 January 2002 and a few days, at an afternoon minute.
      entry.PlacedAt = 37266.0 + rng.Between(0, 20) + rng.Between(12 * 60, 18 * 60) / 1440.0;
      entry.ClaimingTeam = league::kNoPlayer;
      entry.OwnerTeam = static_cast<Byte>(t);
      for (int m = 0; m < n; ++m) entry.TeamMarks[static_cast<std::size_t>(m)] = -1;
      entry.TeamMarks[49] = -1;
      lg.Waivers.push_back(entry);
      const std::string line = league::Condense(team.Record.TeamName.Raw()) + " place " +
                               league::Condense(pl.PlayerName.Raw()) + " on waivers<BR><BR>";
      lg.WaiverLog.push_back(line);
      break;
    }
  }

  // Transactions: a few signings and releases, then the waiver lines.
  for (int i = 0; i < 4; ++i) {
    const Team& team = lg.Teams[static_cast<std::size_t>(rng.Between(0, n - 1))];
    const std::string teamName = league::Condense(team.Record.TeamName.Raw());
    const std::string who = names.Person();
    lg.Transactions.push_back(teamName + (i % 2 == 0 ? " sign " : " release ") + who + "<BR><BR>");
  }
  for (const std::string& line : lg.WaiverLog) lg.Transactions.push_back(line);

  // The entry draft list.
  for (int i = 0; i < 24; ++i) lg.Draft.push_back(names.Person());
  return lg;
}

// ---- Writing -----------------------------------------------------------------

void Add(Bytes& out, const Bytes& record) { out.insert(out.end(), record.begin(), record.end()); }

void AddText(Bytes& out, std::string_view text) { out.insert(out.end(), text.begin(), text.end()); }

void AddLine(Bytes& out, std::string_view raw) {
  AddText(out, raw);
  AddText(out, "\r\n");
}

void AddI16(Bytes& out, int v) {
  out.push_back(static_cast<Byte>(v & 0xFF));
  out.push_back(static_cast<Byte>((v >> 8) & 0xFF));
}

void AddI32(Bytes& out, std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<Byte>((u >> (8 * i)) & 0xFF));
}

struct OutFile {
  std::string Extension;
  Bytes Contents;
};

std::vector<OutFile> Files(const League& lg, std::uint32_t seed) {
  Rng rng(seed * 7919ull + 17);
  const int n = static_cast<int>(lg.Teams.size());
  std::vector<OutFile> files;

  Bytes lge = league::Encode(lg.Record), tms, ros, pct, frm, drs, wvr;
  for (const Team& team : lg.Teams) {
    Add(tms, league::Encode(team.Record));
    for (const PlayerRecord& p : team.Places) Add(ros, league::Encode(p));
    Add(pct, league::Encode(team.Prospects));
    Add(frm, league::Encode(team.Farm));
  }
  for (const auto& entry : lg.Pool) Add(drs, league::Encode(entry));
  for (const auto& entry : lg.Waivers) Add(wvr, league::Encode(entry));
  files.push_back({".lge", lge});
  files.push_back({".tms", tms});
  files.push_back({".ros", ros});
  files.push_back({".pct", pct});
  files.push_back({".frm", frm});
  files.push_back({".drs", drs});
  files.push_back({".wvr", wvr});
  files.push_back({".plf", league::Encode(league::PlayoffRecord{})});

  Bytes tra, htr, eml;
  for (const std::string& line : lg.Transactions) AddLine(tra, line);
  for (const std::string& line : lg.WaiverLog) AddLine(htr, line);
  for (int t = 0; t < n; ++t) {
    if (t % 7 == 5) continue;  // a few owners have given no address
    AddLine(eml, std::to_string(t) + ",gm" + TwoDigits(t + 1) + "@frostfall.example");
  }
  files.push_back({".tra", tra});
  files.push_back({".htr", htr});
  files.push_back({".eml", eml});

  // Files of the league administration, carried by the editor: plausible bytes.
  Bytes dft;  // draft list: 47-byte records starting with a Text(22) name
  for (const std::string& name : lg.Draft) {
    league::Text<22> text;
    text.Store(name);
    AddText(dft, text.Raw());
    dft.push_back(static_cast<Byte>(rng.Between(0, 4)));    // position
    dft.push_back(static_cast<Byte>(rng.Between(17, 19)));  // age
    for (int k = 0; k < 13; ++k) dft.push_back(static_cast<Byte>(rng.Between(30, 75)));
    dft.resize(dft.size() + 10, 0);
  }
  Bytes dpk;  // draft picks: 256 entries of 6 bytes per team
  for (int t = 0; t < n; ++t) {
    Bytes record(1536, 0);
    for (int e = 0; e < 14; ++e) {
      const auto at = static_cast<std::size_t>(6 * e);
      record[at] = static_cast<Byte>(e / 7);          // season
      record[at + 1] = static_cast<Byte>(e % 7 + 1);  // round
      record[at + 2] = static_cast<Byte>(t);          // original team
      record[at + 3] = static_cast<Byte>(rng.Percent(90) ? t : rng.Between(0, n - 1));
    }
    Add(dpk, record);
  }
  Bytes scd;  // schedule: round, home, away, and the score once played
  for (const Game& g : lg.Schedule) {
    AddI16(scd, g.Round + 1);
    scd.push_back(static_cast<Byte>(g.Home));
    scd.push_back(static_cast<Byte>(g.Away));
    scd.push_back(static_cast<Byte>(g.HomeGoals < 0 ? 255 : g.HomeGoals));
    scd.push_back(static_cast<Byte>(g.AwayGoals < 0 ? 255 : g.AwayGoals));
  }
  Bytes coa;  // coaches database: name, pay and four ratings
  for (const Team& team : lg.Teams) {
    AddText(coa, team.Record.Coach.CoachName.Raw());
    AddI32(coa, team.Record.Coach.CoachPay);
    for (int k = 0; k < 4; ++k) coa.push_back(static_cast<Byte>(rng.Between(40, 90)));
  }
  Bytes fas, rec, csr;
  for (int i = 0; i < 64; ++i) fas.push_back(static_cast<Byte>(rng.Between(0, 99)));
  for (int i = 0; i < 40; ++i) rec.push_back(static_cast<Byte>(rng.Between(0, 200)));
  for (int t = 0; t < n; ++t) {
    const auto& r = lg.Teams[static_cast<std::size_t>(t)].Record;
    csr.push_back(r.Wins);
    csr.push_back(r.Losses);
    csr.push_back(r.Ties);
    csr.push_back(static_cast<Byte>(t));
    AddI16(csr, r.GoalsFor);
    AddI16(csr, r.GoalsAgainst);
  }
  Bytes pri;  // draft priority: team indexes
  for (int t = n - 1; t >= 0; --t) pri.push_back(static_cast<Byte>(t));
  files.push_back({".dft", dft});
  files.push_back({".dpk", dpk});
  files.push_back({".scd", scd});
  files.push_back({".coa", coa});
  files.push_back({".fas", fas});
  files.push_back({".rec", rec});
  files.push_back({".csr", csr});
  files.push_back({".pri", pri});
  return files;
}

}  // namespace

std::string SamplePassword(int team) { return "puck" + TwoDigits(team + 1); }

league::Status WriteSampleLeague(const std::filesystem::path& base, const Options& options) {
  if (options.Teams < 2 || options.Teams > league::kMaxTeams) {
    return league::Error{"sample league: " + std::to_string(options.Teams) +
                         " teams; a league has 2 to 50"};
  }
  if (base.filename().empty() || Lower(base.filename().string()) == "default") {
    return league::Error{"sample league: the base name \"" + base.filename().string() +
                         "\" is not allowed"};
  }
  const League lg = Build(options);
  league::FileSystem& files = league::RealFileSystem();
  for (const OutFile& file : Files(lg, options.Seed)) {
    std::filesystem::path path = base;
    path += file.Extension;
    if (league::Status written = league::WriteReplace(files, path, file.Contents); !written) {
      return written;
    }
  }
  return {};
}

}  // namespace sample
