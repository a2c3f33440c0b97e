#include "info/player_info.h"

#include <array>
#include <cmath>

#include "league/text.h"
#include "ratings/ratings.h"

namespace info {

namespace {

constexpr int kNoValue = 255;
constexpr int kStatCount = 13;
constexpr int kHitsRow = 12;
constexpr int kGtRow = 9;

// Value labels of the statistics, in the order of their caption labels.
constexpr std::array<const char*, kStatCount> kStatValues = {
    "lblGP", "lblG",  "lblA",  "lblP",     "lblPIM",   "lblPlus", "lblPP",
    "lblSH", "lblGW", "lblGT", "lblShots", "lblShoot", "lblHits"};

std::string StatCaptionName(int row) {
  return row == kHitsRow ? "Label23" : "Label" + std::to_string(26 + row);
}

// A "0.0", "0.00" or "0.000" pattern: halves round away from zero, as the
// team view's figures do, and there is always a decimal point, whatever locale
// the toolkit has set.
std::string Fixed(double value, int decimals) {
  double scale = 1;
  for (int d = 0; d < decimals; ++d) scale *= 10;
  const auto scaled = static_cast<long long>(std::llround(value * scale));
  const auto unit = static_cast<long long>(scale);
  const long long magnitude = scaled < 0 ? -scaled : scaled;
  std::string fraction = std::to_string(magnitude % unit);
  fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
  return (scaled < 0 ? "-" : "") + std::to_string(magnitude / unit) + "." + fraction;
}

}  // namespace

std::string FormatThousands(long long value) {
  const bool negative = value < 0;
  std::string digits = std::to_string(negative ? -value : value);
  if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return negative ? "-" + out : out;
}

std::string FormatHeight(int inches) {
  if (inches < 66) return "5 ft 6";
  return std::to_string(inches / 12) + " ft " + std::to_string(inches % 12);
}

std::string Availability(const league::PlayerRecord& player) {
  int injury = league::Injury(player.Status);
  if (injury > 7) injury = 6;
  // Code 7 has no short code: InjuryCode gives the empty text, so nothing is read past the table.
  if (injury > 0) return "Injured " + std::string(league::InjuryCode(injury));
  if (player.Suspension > 0) return "Suspended " + std::to_string(player.Suspension) + " games";
  return "Healthy";
}

long long ShownSalary(const league::PlayerRecord& player, int farmSalaryGames) {
  const long long salary = player.Salary;
  if (player.Status < 100 && player.GamesPlayed < farmSalaryGames)
    return salary >= 0 ? salary / 10 : -((-salary + 9) / 10);  // rounded down
  return salary;
}

PlayerInfo::PlayerInfo(app::Session& session, ui::Form& form, ui::Toolkit& toolkit)
    : session_(session), form_(form), toolkit_(toolkit) {
  form.GetButton("cmdRelease").OnClick = [this] { Release(); };
  form.GetButton("Command1").OnClick = [this] { form_.Close(); };
}

league::PlayerRecord* PlayerInfo::Current() {
  const int place = session_.CurrentPlayer;
  if (place < 0 || place >= league::kRosterPlaces) return nullptr;
  return &session_.TeamSlots[0].Places[static_cast<std::size_t>(place)];
}

void PlayerInfo::SetStat(int row, const std::string& caption, const std::string& value) {
  form_.GetLabel(StatCaptionName(row)).SetCaption(caption);
  form_.GetLabel(kStatValues[static_cast<std::size_t>(row)]).SetCaption(value);
}

void PlayerInfo::Load() {
  form_.SetCaption("Player Info");
  static const league::PlayerRecord kNobody{};
  const league::PlayerRecord& p = Current() ? *Current() : kNobody;
  const auto& team = session_.Teams[static_cast<std::size_t>(session_.CurrentTeam)];
  const auto label = [this](std::string_view name, int index = -1) -> ui::Label& {
    return form_.GetLabel(name, index);
  };
  const auto number = [](long long v) { return std::to_string(v); };

  label("Label1").SetCaption(league::ToScreen(league::Condense(p.PlayerName.Raw()) + " (" +
                                              league::Condense(team.TeamName.Raw()) + ")"));
  label("lblExp").SetCaption(league::IsSet(p.Rookie) ? "Rookie" : "Veteran");
  label("lblPos").SetCaption(std::string(league::PositionCode(p.Position)));
  label("lblNum").SetCaption(number(p.Number));
  label("lblHD").SetCaption(p.Hand != 0 ? "R" : "L");
  label("lblHgt").SetCaption(FormatHeight(p.Height));
  label("lblWgt").SetCaption(number(p.Weight));
  label("lblAge").SetCaption(number(p.Age));
  label("lblSts").SetCaption(Availability(p));
  label("lblCon").SetCaption(number(p.Condition == 0 ? 100 : p.Condition));
  label("lblContract").SetCaption(number(p.Contract));
  label("lblSalary").SetCaption(FormatThousands(ShownSalary(p, session_.League.FarmSalaryGames)));
  label("lblBirthplace").SetCaption(league::Show(p.Birthplace));

  for (int k = 0; k < league::kSkillCount; ++k) {
    const int skill = p.Skills[static_cast<std::size_t>(k)];
    label("lblSkill", k).SetCaption(skill == kNoValue ? "n/a" : number(skill));
  }
  label("lblSkill", league::kSkillCount).SetCaption(number(ratings::Overall(p)));

  // Built afresh from the skater's captions, so a skater after a goalie looks right.
  for (int row = 0; row < kStatCount; ++row) {
    label(StatCaptionName(row)).SetVisible(true);
    label(kStatValues[static_cast<std::size_t>(row)]).SetVisible(true);
  }
  if (p.Position != league::kGoalie) {
    const int goals = p.GoalsOrGoaliePim, shots = p.ShotsOrShotsAgainst;
    SetStat(0, "GP", number(p.GamesPlayed));
    SetStat(1, "G", number(goals));
    SetStat(2, "A", number(p.Assists));
    SetStat(3, "P", number(goals + p.Assists));
    SetStat(4, "PIM", number(p.PimOrGoalsAgainst));
    SetStat(5, "+/-", number(p.PlusMinusOrMinutes));
    SetStat(6, "PPG", number(p.PPGoalsOrShutouts));
    SetStat(7, "SHG", number(p.SHGoalsOrWins));
    SetStat(8, "GW", number(p.GWGoalsOrLosses));
    SetStat(kGtRow, "GT", number(p.GTGoalsOrTies));
    SetStat(10, "Shots", number(shots));
    SetStat(11, "Sh%", shots >= 1 ? Fixed(static_cast<double>(goals) / shots * 100, 1) : "0.0");
    SetStat(kHitsRow, "Hits", number(p.Hits));
    return;
  }

  const int minutes = p.PlusMinusOrMinutes, against = p.PimOrGoalsAgainst,
            shots = p.ShotsOrShotsAgainst;
  std::string average = "0", savePct = "N/A";  // the labels' initial captions
  if (shots > 0) {
    // Without minutes there is nothing to divide by.
    average = minutes != 0 ? Fixed(against / (minutes / 60.0), 2) : "N/A";
    savePct = Fixed(static_cast<double>(shots - against) / shots, 3);
  }
  SetStat(0, "GP", number(p.GamesPlayed));
  SetStat(1, "W", number(p.SHGoalsOrWins));
  SetStat(2, "L", number(p.GWGoalsOrLosses));
  SetStat(3, "T", number(p.GTGoalsOrTies));
  SetStat(4, "GA", number(against));
  SetStat(5, "GAA", average);
  SetStat(6, "PIM", number(p.GoalsOrGoaliePim));
  SetStat(7, "As", number(p.Assists));
  SetStat(8, "SO", number(p.PPGoalsOrShutouts));
  SetStat(kGtRow, "", "");
  label(kStatValues[kGtRow]).SetVisible(false);
  SetStat(10, "Shots", number(shots));
  SetStat(11, "Sv%", savePct);
  label(StatCaptionName(kHitsRow)).SetVisible(false);
  label(kStatValues[kHitsRow]).SetVisible(false);
  label("lblSkill", 9).SetCaption("N/A");
  label("lblSkill", 10).SetCaption("N/A");
}

void PlayerInfo::Release() {
  auto* player = Current();
  if (!player) return;
  if (toolkit_.MsgBox("Release " + league::Show(player->PlayerName), "Release Player",
                      ui::Icon::None, ui::Buttons::YesNo) != ui::Answer::Yes)
    return;
  player->Released = 1;
  form_.Close();
}

}  // namespace info
