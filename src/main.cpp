// Rink Desk: the general manager's editor of a fantasy ice-hockey league.

#include <QApplication>
#include <QDir>
#include <QStyleFactory>
#include <filesystem>

#include "app/instance_lock.h"
#include "app/main_window.h"
#include "app/session.h"
#include "league/file_system.h"
#include "ui/qt/main_form.h"
#include "ui/qt/qt_style.h"
#include "ui/qt/qt_toolkit.h"
#include "ui/qt/windows.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(app::kAppTitle);
  QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                          .arg(app::kVersionMajor)
                                          .arg(app::kVersionMinor)
                                          .arg(app::kVersionRevision));
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  QApplication::setWindowIcon(ui::qt::AppIcon());

  // The program's own folder holds the working copies, the pointer file and the leagues.
  const QString folder = QCoreApplication::applicationDirPath();
  const std::filesystem::path appDir = QDir::toNativeSeparators(folder).toStdString();
  app::Session session(appDir, league::RealFileSystem());
  const auto lock = app::FileInstanceLock(appDir / app::kLockFileName);

  ui::qt::QtMainForm form;
  ui::qt::QtToolkit toolkit(&form);
  toolkit.SetStartFolder(folder);
  ui::qt::RegisterWindows(toolkit, session);
  app::Main mainWindow(session, form, toolkit);
  if (!mainWindow.StartUp(*lock, [&form] { form.ShowCentred(); })) return 0;
  return application.exec();
}
