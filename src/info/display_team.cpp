#include "info/display_team.h"

#include <algorithm>

#include "info/team_finances.h"
#include "league/text.h"
#include "league/text_files.h"

namespace info {

namespace {

constexpr std::array<TeamField, 38> kFields{{
    // header rows
    {"lblConf", "Label1", "CONF"},
    {"lblDiv", "Label2", "DIV"},
    {"lblAbbrev", "Label3", "ABBREV"},
    {"lblOwner", "Label4", "OWNER"},
    {"lblCoach", "Label5", "COACH"},
    {"lblEmail", "Label6", "EMAIL"},
    {"lblICQ", "Label7", "IMID"},
    {"lblArena", "Label8", "ARENA"},
    {"lblSeats", "Label9", "SEATS"},
    {"lblTicket", "Label10", "TICKET $"},
    {"lblPassword", "Label11", "PASSWORD"},
    {"lblFarmTeam", "Label12", "FARM TEAM"},
    // finances
    {"lblCurFin", "Label13", "Current Finances"},
    {"lblHome", "Label14", "Home Games Remaining"},
    {"lblRev", "Label15", "Revenue/Game"},
    {"lblEst", "Label16", "Estimated Revenue"},
    {"lblGR", "Label17", "Games Remaining"},
    {"lblExpGame", "Label18", "Expenses/Game"},
    {"lblProjExp", "Label19", "Projected Expenses"},
    {"lblProjBal", "Label20", "Projected Balance"},
    // roster make-up
    {"lblPro", "Label21", "Pro Players"},
    {"lblFarm", "Label22", "Farm Players"},
    {"lblPros", "Label23", "Prospects"},
    {"lblHoldout", "Label24", "Holdouts"},
    {"lblAvgAge", "Label25", "Average Age"},
    {"lblAvgHgt", "Label26", "Average Height"},
    {"lblAvgWgt", "Label27", "Average Weight"},
    // statistics
    {"lblGP", "Label28", "GP"},
    {"lblW", "Label29", "W"},
    {"lblL", "Label30", "L"},
    {"lblT", "Label31", "T"},
    {"lblGF", "Label32", "GF"},
    {"lblGA", "Label33", "GA"},
    {"lblPP", "Label34", "PP%"},
    {"lblPK", "Label35", "PK%"},
    {"lblSF", "Label36", "SF/G"},
    {"lblSA", "Label37", "SA/G"},
    {"lblPIM", "Label38", "PIM/G"},
}};

constexpr const char* kImTip = "Instant Messaging Identifier, if not email address.";

struct Tip {
  std::string_view Control;
  const char* Text;
};
constexpr std::array<Tip, 11> kLabelTips{{
    {"lblOwner", "General Manager/Owner's name"},
    {"lblEmail", "Owner/GM's email address."},
    {"lblICQ", kImTip},
    {"Label7", kImTip},
    {"lblCoach", "Head Coach of the team."},
    {"lblArena", "Arena Name"},
    {"lblSeats", "Maximum arena capacity."},
    {"lblTicket", "Average Ticket price per seat"},
    {"lblPassword", "Lineup password"},
    {"lblFarmTeam", "Farm Team Name"},
    {"lblCurFin", "Current cash on hand balance"},
}};

// A count shows blank when there is nobody to count.
std::string CountOrBlank(int count) { return count == 0 ? std::string() : std::to_string(count); }

}  // namespace

const std::array<TeamField, 38>& TeamFields() { return kFields; }

DisplayTeam::DisplayTeam(app::Session& session, ui::Form& form, ui::Toolkit& toolkit)
    : session_(session), form_(form), toolkit_(toolkit) {
  form_.SetCaption("Team Info");
  ui::Label& team = form_.GetLabel("lblTeam");
  team.SetColor(ui::kWhite);
  team.SetBold(true);
  for (const TeamField& field : kFields) {
    ui::Label& caption = form_.GetLabel(field.CaptionName);
    caption.SetCaption(std::string(field.Caption));
    caption.SetColor(ui::kYellow);
    ui::Label& value = form_.GetLabel(field.Value);
    value.SetColor(ui::kWhite);
    value.SetBold(true);
  }
  for (const Tip& tip : kLabelTips) form_.GetLabel(tip.Control).SetToolTip(tip.Text);

  ui::Button& coach = form_.GetButton("Command4");
  coach.SetToolTip("View Coach attributes");
  coach.OnClick = [] {};  // coach attributes belong to the league administration

  form_.GetButton("Command1").OnClick = [this] { form_.Close(); };
  form_.GetButton("Command2").OnClick = [this] { toolkit_.ShowModal(ui::WindowId::Lines); };
  form_.GetButton("Command3").OnClick = [this] {
    // Slot 0 is the team on show; the editor takes it as it is, not renumbered.
    toolkit_.ShowModal(ui::WindowId::Roster, 0);
    ShowTeamInfo();
  };
}

bool DisplayTeam::HasTeam() const {
  const int teams = session_.League.TeamCount;
  return session_.LeagueLoaded && teams > 0 && session_.CurrentTeam >= 0 &&
         session_.CurrentTeam < teams;
}

void DisplayTeam::Load() {
  teamEmails_.assign(static_cast<std::size_t>(std::max(session_.League.TeamCount, 0)), {});
  if (!HasTeam()) return;  // no league: the fixed captions alone
  headerShown_ = false;
  LoadEmailList();
  ShowTeamInfo();
}

void DisplayTeam::LoadEmailList() {
  teamEmails_ =
      league::ReadTeamEmails(session_.Files, session_.SwapFile("swp.e"), session_.League.TeamCount);
}

void DisplayTeam::Set(std::string_view label, const std::string& caption) {
  form_.GetLabel(label).SetCaption(caption);
}

void DisplayTeam::ShowHeader(const league::TeamRecord& team) {
  Set("lblTeam", league::Show(team.TeamName));
  // A conference or division the league record does not have names nothing.
  std::string conference, division;
  if (team.Conference <= 1 && team.Division <= 3) {
    const league::ConferenceRecord& conf = session_.League.Conferences[team.Conference];
    conference = league::Show(conf.ConfName);
    division = league::Show(conf.Divisions[team.Division].DivName);
  }
  Set("lblConf", conference);
  Set("lblDiv", division);
  Set("lblAbbrev", league::Show(team.Abbrev));
  Set("lblOwner", league::Show(team.Owner));
  const auto t = static_cast<std::size_t>(session_.CurrentTeam);
  if (t < teamEmails_.size() && !teamEmails_[t].empty()) {
    Set("lblEmail", league::ToScreen(teamEmails_[t]));
  }
  Set("lblICQ", league::Show(team.MessagingId));
  Set("lblArena", league::Show(team.Arena));
  Set("lblSeats", std::to_string(team.Seats));
  Set("lblTicket", std::to_string(team.TicketPrice));
  Set("lblPassword", league::Show(team.LineupPassword));
}

void DisplayTeam::ShowTeamInfo() {
  if (!HasTeam()) return;
  const int t = session_.CurrentTeam;
  league::TeamRecord& team = session_.Teams[static_cast<std::size_t>(t)];
  // A working copy that cannot be read leaves the slot as LoadTeam left it;
  // the view has no message of its own for that.
  (void)session_.LoadTeam(t, 0);
  const app::TeamSlot& slot = session_.TeamSlots[0];
  const RosterMakeup makeup = ScanRoster(slot.Places);
  const int prospects = slot.Prospects.Count();

  if (!headerShown_) ShowHeader(team);

  Set("lblCoach", league::Show(team.Coach.CoachName));
  Set("lblFarmTeam", league::Show(session_.FarmTeams[static_cast<std::size_t>(t)].FarmName));
  Set("lblGP", std::to_string(team.Wins + team.Losses + team.Ties));
  Set("lblW", std::to_string(team.Wins));
  Set("lblL", std::to_string(team.Losses));
  Set("lblT", std::to_string(team.Ties));
  Set("lblGF", std::to_string(team.GoalsFor));
  Set("lblGA", std::to_string(team.GoalsAgainst));
  Set("lblPP", FormatOneDecimal(PowerPlayPercent(team)));
  Set("lblPK", FormatOneDecimal(PenaltyKillPercent(team)));

  const bool scheduleMade = league::IsSet(session_.League.ScheduleMade);
  int gamesPlayed = 0;
  if (scheduleMade) {
    gamesPlayed = team.Wins + team.Losses + team.Ties;
  } else {
    // Without a schedule the season has not begun: the record shown above is
    // cleared in the loaded league (not marked as a change).
    team.Wins = team.Losses = team.Ties = 0;
  }
  const double divisor = gamesPlayed > 0 ? gamesPlayed : 1;
  Set("lblSF", FormatOneDecimal(team.ShotsFor / divisor));
  Set("lblSA", FormatOneDecimal(team.ShotsAgainst / divisor));
  Set("lblPIM", FormatOneDecimal(team.PenaltyMinutes / divisor));

  if (makeup.ProPlayers > 0) {
    const double pros = makeup.ProPlayers;
    Set("lblAvgAge", FormatOneDecimal(static_cast<double>(makeup.AgeSum) / pros));
    Set("lblAvgHgt", FormatOneDecimal(static_cast<double>(makeup.HeightSum) / pros));
    Set("lblAvgWgt", FormatOneDecimal(static_cast<double>(makeup.WeightSum) / pros));
  }

  ProjectionInputs in;
  in.TeamCount = session_.League.TeamCount;
  in.ScheduledGames = session_.League.ScheduledGames;
  in.ScheduleMade = scheduleMade;
  in.PlayoffsOn = league::IsSet(session_.League.PlayoffsOn);
  in.GamesPlayed = gamesPlayed;
  in.HomeGamesPlayed = team.HomeGamesPlayed;
  in.GateRevenue = team.GateRevenue;
  in.ProPayroll = makeup.ProPayroll;
  in.FarmPayroll = makeup.FarmPayroll;
  in.Prospects = prospects;
  in.CoachPay = team.Coach.CoachPay;
  in.Cash = team.Cash;
  const Projection projection = ProjectSeason(in);

  Set("lblCurFin", FormatAmount(team.Cash));
  Set("lblHome", FormatPlain(projection.HomeGamesRemaining));
  Set("lblRev", FormatAmount(team.GateRevenue));
  Set("lblEst", FormatAmount(projection.EstimatedRevenue));
  Set("lblGR", std::to_string(projection.GamesRemaining));
  Set("lblExpGame", FormatAmount(projection.ShownExpensesPerGame));
  Set("lblProjExp", FormatAmount(projection.ProjectedExpenses));
  estimatedRevenue_ = projection.EstimatedRevenue;
  projectedExpenses_ = projection.ProjectedExpenses;

  Set("lblPro", CountOrBlank(makeup.ProPlayers));
  Set("lblFarm", CountOrBlank(makeup.FarmPlayers));
  Set("lblPros", CountOrBlank(prospects));
  Set("lblHoldout", std::to_string(makeup.Holdouts));

  ShowProjectedBalance();
  headerShown_ = true;
}

void DisplayTeam::ShowProjectedBalance() {
  if (!HasTeam()) return;
  const std::int64_t cash = session_.Teams[static_cast<std::size_t>(session_.CurrentTeam)].Cash;
  const std::int64_t balance = estimatedRevenue_ + cash - projectedExpenses_;
  ui::Label& label = form_.GetLabel("lblProjBal");
  label.SetCaption(FormatAmount(balance));
  label.SetColor(balance < 0 ? ui::kRed : ui::kWhite);
}

}  // namespace info
