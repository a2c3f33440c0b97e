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
  // A fixed-size window (no resizing, no minimise or maximise buttons).
  QtForm(QWidget* parent, QSize size, Backdrop backdrop);
  ~QtForm() override;

  // ---- building (used by each window's form builder) ----
  // A label; `accessible` defaults to the text it shows.
  QLabel* AddLabel(std::string_view name, int index, QRect geometry, const QString& text = {});
  QListWidget* AddList(std::string_view name, int index, QRect geometry, const QString& accessible);
  QLineEdit* AddText(std::string_view name, int index, QRect geometry, const QString& accessible);
  // Picture-style buttons carry a caption that says what they do, and an accessible name.
  QPushButton* AddButton(std::string_view name, int index, QRect geometry, const QString& caption,
                         const QString& accessible);
  QAbstractButton* AddCheck(std::string_view name, int index, QRect geometry,
                            const QString& caption, const QString& accessible);
  QAbstractButton* AddOption(std::string_view name, int index, QRect geometry,
                             const QString& caption, const QString& accessible);

  // ---- ui::Form ----
  void SetCaption(const std::string& caption) override;
  std::string Caption() const override;
  void Close() override;
  ui::Label& GetLabel(std::string_view name, int index = -1) override;
  ui::ListBox& GetList(std::string_view name, int index = -1) override;
  ui::TextBox& GetText(std::string_view name, int index = -1) override;
  ui::Button& GetButton(std::string_view name, int index = -1) override;
  ui::Toggle& GetCheck(std::string_view name, int index = -1) override;
  ui::Toggle& GetOption(std::string_view name, int index = -1) override;
  ui::MenuItem& GetMenu(std::string_view name) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Controls;
  std::unique_ptr<Controls> controls_;
  Backdrop backdrop_;
  bool unloading_ = false;
};

}  // namespace ui::qt
