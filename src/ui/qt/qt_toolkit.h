#pragma once
// ui::Toolkit on Qt: message boxes, input boxes, file dialogs and the modal
// child windows, which are opened by openers registered per window.

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <map>

#include "ui/ui.h"

class QDialog;

namespace ui::qt {

// "All Files|*.*|ORB Files|*.tms" as Qt's name filters:
// {"All Files (*.*)", "ORB Files (*.tms)"}; patterns separated by ';' become blank-separated.
QStringList ConvertFilter(const std::string& filter);

class QtToolkit : public ui::Toolkit {
 public:
  // Builds the window, runs its window class's load event, and shows it modally
  // over `parent` through ExecDialog; returns when it has closed.
  using Opener = std::function<void(QWidget* parent, int argument)>;

  explicit QtToolkit(QWidget* mainWindow = nullptr);
  ~QtToolkit() override;

  void SetMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }
  void Register(ui::WindowId window, Opener opener);
  bool HasOpener(ui::WindowId window) const;
  // Where the file dialogs start; empty: the working folder.
  void SetStartFolder(const QString& folder) { startFolder_ = folder; }

  ui::Answer MsgBox(const std::string& text, const std::string& title, ui::Icon icon,
                    ui::Buttons buttons) override;
  std::string InputBox(const std::string& prompt, const std::string& title) override;
  std::string ShowOpen(const ui::FileDialogOptions& options) override;
  std::string ShowSave(const ui::FileDialogOptions& options) override;
  void ShowModal(ui::WindowId window, int argument = 0) override;

  // Every dialog this toolkit shows, and every window an opener opens, runs
  // modally here. Tests override it to look at the dialog and answer it.
  virtual int ExecDialog(QDialog& dialog);

  // The window a new dialog belongs to: the top modal window, else the main window.
  QWidget* DialogParent() const;

 private:
  std::string FileDialog(const ui::FileDialogOptions& options, bool save);

  QPointer<QWidget> mainWindow_;
  QString startFolder_;
  std::map<ui::WindowId, Opener> openers_;
};

}  // namespace ui::qt
