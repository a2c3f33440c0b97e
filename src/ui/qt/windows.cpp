#include "ui/qt/windows.h"

#include "app/about_box.h"
#include "info/display_team.h"
#include "info/player_info.h"
#include "lines/lines_window.h"
#include "roster/renumber.h"
#include "roster/roster_window.h"
#include "ui/qt/about_form.h"
#include "ui/qt/display_team_form.h"
#include "ui/qt/lines_form.h"
#include "ui/qt/player_info_form.h"
#include "ui/qt/roster_form.h"

namespace ui::qt {

namespace {

void RegisterAbout(QtToolkit& toolkit) {
  toolkit.Register(ui::WindowId::About, [&toolkit](QWidget* parent, int) {
    const auto form = BuildAboutForm(parent);
    const auto registry = app::NoRegistry();
    const auto starter = app::SystemProgramStarter();
    app::AboutORB about(*form, toolkit, *registry, *starter);
    about.Load();
    toolkit.ExecDialog(*form);
  });
}

void RegisterLines(QtToolkit& toolkit, app::Session& session) {
  toolkit.Register(ui::WindowId::Lines, [&toolkit, &session](QWidget* parent, int) {
    const auto form = BuildLinesForm(parent);
    lines::Lines window(session, *form, toolkit);
    window.Load();
    toolkit.ExecDialog(*form);
  });
}

// Argument 1 (the main window's command) renumbers slot 0 before the window opens.
void RegisterRoster(QtToolkit& toolkit, app::Session& session) {
  toolkit.Register(ui::WindowId::Roster, [&toolkit, &session](QWidget* parent, int argument) {
    if (argument == 1) roster::Renumber(session.TeamSlots[0]);
    const auto form = BuildRosterForm(parent);
    roster::Roster window(session, *form, toolkit);
    window.Load();
    toolkit.ExecDialog(*form);
  });
}

void RegisterPlayerInfo(QtToolkit& toolkit, app::Session& session) {
  toolkit.Register(ui::WindowId::PlayerInfo, [&toolkit, &session](QWidget* parent, int) {
    const auto form = BuildPlayerInfoForm(parent);
    info::PlayerInfo card(session, *form, toolkit);
    card.Load();
    toolkit.ExecDialog(*form);
  });
}

void RegisterTeamView(QtToolkit& toolkit, app::Session& session) {
  toolkit.Register(ui::WindowId::TeamView, [&toolkit, &session](QWidget* parent, int) {
    const auto form = BuildDisplayTeamForm(parent);
    info::DisplayTeam view(session, *form, toolkit);
    view.Load();
    toolkit.ExecDialog(*form);
  });
}

}  // namespace

// One registration per child window; the team view, roster, lines and player
// card openers follow the About box's pattern.
void RegisterWindows(QtToolkit& toolkit, [[maybe_unused]] app::Session& session) {
  RegisterAbout(toolkit);
  RegisterTeamView(toolkit, session);
  RegisterLines(toolkit, session);
  RegisterRoster(toolkit, session);
  RegisterPlayerInfo(toolkit, session);
}

}  // namespace ui::qt
