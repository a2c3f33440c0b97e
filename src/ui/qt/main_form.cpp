#include "ui/qt/main_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>

#include "app/main_window.h"
#include "ui/qt/qt_controls.h"
#include "ui/qt/qt_form.h"
#include "ui/qt/qt_style.h"

namespace ui::qt {

namespace {

constexpr QSize kArea(620, 440);

class BackdropArea : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    PaintBackdrop(painter, rect(), Backdrop::Rink);
  }
};

struct Item {
  const char* name;
  const char* caption;
  const char* shortcut;  // empty: none
};

}  // namespace

QtMainForm::QtMainForm(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint),
      controls_(std::make_unique<ControlSet>(this)) {
  setObjectName("Main");
  setWindowTitle(app::kAppTitle);
  setWindowIcon(AppIcon());
  auto* area = new BackdropArea(this);
  area->setObjectName("MainArea");
  area->setFixedSize(kArea);
  setCentralWidget(area);
  BuildMenus();
  BuildControls(area);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QtMainForm::~QtMainForm() = default;

void QtMainForm::BuildMenus() {
  QMenuBar* bar = menuBar();
  const auto addMenu = [&](const char* name, const char* caption,
                           std::initializer_list<Item> items) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromUtf8(name) + "Menu");
    controls_->AddMenu(name, menu->menuAction());
    for (const Item& item : items) {
      if (item.name == nullptr) {
        menu->addSeparator();
        continue;
      }
      QAction* action = menu->addAction(QString::fromUtf8(item.caption));
      if (*item.shortcut != '\0') {
        action->setShortcut(QKeySequence(QString::fromUtf8(item.shortcut)));
        action->setShortcutContext(Qt::WindowShortcut);
      }
      controls_->AddMenu(item.name, action);
    }
    return menu;
  };
  // The league administration's items stay in their places, hidden at start-up.
  addMenu("mnuFile", "&File",
          {{app::kMenuLoad, "&Load", "Ctrl+L"},
           {"mnuSave", "&Save", "Ctrl+S"},
           {"mnuSaveAs", "Save &As", ""},
           {"mnuNew", "&New", "Ctrl+N"},
           {"mnuPlayerDatabase", "Player &Database", ""},
           {"mnuImportTeams", "&Import Teams", ""},
           {"mnuUpdateStats", "&Update Player Stats", ""},
           {nullptr, nullptr, nullptr},
           {app::kMenuExit, "E&xit", ""}});
  addMenu("mnuManager", "&Manager",
          {{app::kMenuViewTeam, "&View Team", "Ctrl+V"},
           {"mnuViewProspects", "View &Prospects", ""},
           {"mnuTrade", "&Trade Players", ""},
           {"mnuFreeAgents", "&Free Agents", ""},
           {"mnuCheckWaivers", "Check &Waivers", ""},
           {"mnuRandomContracts", "&Random Contracts", ""}});
  addMenu("mnuCoach", "&Coach",
          {{app::kMenuSetRoster, "Set Game &Roster", "Ctrl+R"},
           {app::kMenuSetLines, "Set Lin&es", "Ctrl+E"},
           {"mnuAutoAll", "&Auto All", ""},
           {"mnuAutoLoadLines", "Auto Load Lines", ""}});
  addMenu("mnuLeague", "&League", {});
  addMenu("mnuInternet", "&Internet", {});
  addMenu("mnuDraft", "&Draft", {});
  addMenu("mnuInfo", "I&nfo", {{app::kMenuAbout, "&About", ""}});
}

void QtMainForm::BuildControls(QWidget* area) {
  QLabel* league = controls_->AddLabel(area, "Label3", -1, QRect(20, 18, 580, 46), {}, {});
  QFont big = league->font();
  big.setPointSize(22);
  big.setBold(true);
  league->setFont(big);
  league->setAlignment(Qt::AlignCenter);
  GetLabel("Label3").SetColor(ui::kPaleYellow);

  for (int c = 0; c < 2; ++c) {
    const int x = c == 0 ? 36 : 328;
    QLabel* conference =
        controls_->AddLabel(area, c == 0 ? "Label1" : "Label2", -1, QRect(x, 82, 256, 26), {}, {});
    QFont font = conference->font();
    font.setPointSize(13);
    font.setBold(true);
    conference->setFont(font);
    conference->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    QListWidget* divisions = controls_->AddList(
        area, "lstDivs", c, QRect(x, 112, 256, 90),
        c == 0 ? "Divisions of the first conference" : "Divisions of the second conference");
    QListWidget* teams =
        controls_->AddList(area, "lstTeams", c, QRect(x, 214, 256, 196),
                           c == 0 ? "Teams of the selected division, first conference"
                                  : "Teams of the selected division, second conference");
    for (QListWidget* list : {divisions, teams}) {
      QFont listFont = list->font();
      listFont.setPointSize(11);
      list->setFont(listFont);
      list->setStyleSheet(
          "QListWidget { background: rgba(246, 249, 255, 235); color: #0b1e3f;"
          " border: 1px solid rgba(255, 255, 255, 120); border-radius: 4px; padding: 2px; }"
          "QListWidget::item { padding: 2px 6px; border: none; }"
          "QListWidget::item:selected { padding: 2px 6px; border: none;"
          " background: #2f6fd0; color: white; }");
    }
  }
}

void QtMainForm::ShowCentred() {
  adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect available = screen->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveCenter(available.center());
    move(frame.topLeft());
  }
  show();
}

void QtMainForm::SetCaption(const std::string& caption) { setWindowTitle(ToQt(caption)); }
std::string QtMainForm::Caption() const { return FromQt(windowTitle()); }

void QtMainForm::Close() { close(); }

void QtMainForm::closeEvent(QCloseEvent* event) {
  if (!unloaded_) {
    unloaded_ = true;
    if (OnUnload) {
      const Handler unload = OnUnload;
      unload();
    }
  }
  event->accept();
}

ui::Label& QtMainForm::GetLabel(std::string_view n, int i) { return controls_->Label(n, i); }
ui::ListBox& QtMainForm::GetList(std::string_view n, int i) { return controls_->List(n, i); }
ui::TextBox& QtMainForm::GetText(std::string_view n, int i) { return controls_->Text(n, i); }
ui::Button& QtMainForm::GetButton(std::string_view n, int i) { return controls_->Button(n, i); }
ui::Toggle& QtMainForm::GetCheck(std::string_view n, int i) { return controls_->Check(n, i); }
ui::Toggle& QtMainForm::GetOption(std::string_view n, int i) { return controls_->Option(n, i); }
ui::MenuItem& QtMainForm::GetMenu(std::string_view n) { return controls_->Menu(n); }

}  // namespace ui::qt
