#pragma once
// The Qt side of ui::Form. A window's form builds its widgets at fixed
// positions (the windows are fixed-size), names each one after its control
// ("lblPlayer(5)"), and the window class reaches them through ui::Form.

#include <QDialog>
#include <QRect>
#include <QString>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "ui/ui.h"

class QLabel;
class QListWidget;
class QLineEdit;
class QPushButton;
class QAbstractButton;

namespace ui::qt {

// Backgrounds painted in code, one look per window family.
enum class Backdrop { Rink, Ice, Night };

class QtForm : public QDialog, public ui::Form {
 public:
  // A fixed-size window (no resizing, no minimise or maximise buttons), opened
  // centred on its parent.
  QtForm(QWidget* parent, QSize size, Backdrop backdrop);
  ~QtForm() override;

  // ---- building (used by each window's form builder) ----
  // A label (white, transparent over the background); its accessible name is the
  // text it shows, unless `accessible` names it (a label that shows a picture).
  // Set its text through the control (GetLabel(...).SetCaption) afterwards.
  QLabel* AddLabel(std::string_view name, int index, QRect geometry, const QString& text = {},
                   const QString& accessible = {});
  QListWidget* AddList(std::string_view name, int index, QRect geometry, const QString& accessible);
  QLineEdit* AddText(std::string_view name, int index, QRect geometry, const QString& accessible);
  // Picture-style buttons carry a caption that says what they do, and an accessible name.
  QPushButton* AddButton(std::string_view name, int index, QRect geometry, const QString& caption,
                         const QString& accessible);
  // `picture`: a checkable push button (a picture-style check box or option button)
  // instead of a box or a round button. Option buttons of one form are exclusive
  // among themselves unless the builder groups them otherwise.
  QAbstractButton* AddCheck(std::string_view name, int index, QRect geometry,
                            const QString& caption, const QString& accessible,
                            bool picture = false);
  QAbstractButton* AddOption(std::string_view name, int index, QRect geometry,
                             const QString& caption, const QString& accessible,
                             bool picture = false);

  // ---- ui::Form ----
  void SetCaption(const std::string& caption) override;
  std::string Caption() const override;
  // OnUnload, then the window closes (exec() returns).
  void Close() override;
  ui::Label& GetLabel(std::string_view name, int index = -1) override;
  ui::ListBox& GetList(std::string_view name, int index = -1) override;
  ui::TextBox& GetText(std::string_view name, int index = -1) override;
  ui::Button& GetButton(std::string_view name, int index = -1) override;
  ui::Toggle& GetCheck(std::string_view name, int index = -1) override;
  ui::Toggle& GetOption(std::string_view name, int index = -1) override;
  // A dialog has no menus: asking for one stops the program with its name.
  ui::MenuItem& GetMenu(std::string_view name) override;

  // Escape and the close box end here: the same way as Close().
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  struct Controls;
  std::unique_ptr<Controls> controls_;
  Backdrop backdrop_;
  bool unloading_ = false;
};

}  // namespace ui::qt
