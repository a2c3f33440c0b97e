#include "ui/qt/qt_form.h"

#include <QCloseEvent>
#include <QPainter>
#include <QScreen>

#include "ui/qt/qt_controls.h"
#include "ui/qt/qt_style.h"

namespace ui::qt {

struct QtForm::Controls : ControlSet {
  using ControlSet::ControlSet;
};

QtForm::QtForm(QWidget* parent, QSize size, Backdrop backdrop)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      controls_(std::make_unique<Controls>(this)),
      backdrop_(backdrop) {
  setFixedSize(size);
  setModal(true);
  setSizeGripEnabled(false);
}

QtForm::~QtForm() = default;

QLabel* QtForm::AddLabel(std::string_view name, int index, QRect geometry, const QString& text,
                         const QString& accessible) {
  return controls_->AddLabel(this, name, index, geometry, text, accessible);
}

QListWidget* QtForm::AddList(std::string_view name, int index, QRect geometry,
                             const QString& accessible) {
  return controls_->AddList(this, name, index, geometry, accessible);
}

QLineEdit* QtForm::AddText(std::string_view name, int index, QRect geometry,
                           const QString& accessible) {
  return controls_->AddText(this, name, index, geometry, accessible);
}

QPushButton* QtForm::AddButton(std::string_view name, int index, QRect geometry,
                               const QString& caption, const QString& accessible) {
  return controls_->AddButton(this, name, index, geometry, caption, accessible);
}

QAbstractButton* QtForm::AddCheck(std::string_view name, int index, QRect geometry,
                                  const QString& caption, const QString& accessible, bool picture) {
  return controls_->AddToggle(this, name, index, geometry, caption, accessible, false,
                              picture ? ToggleStyle::Picture : ToggleStyle::Standard);
}

QAbstractButton* QtForm::AddOption(std::string_view name, int index, QRect geometry,
                                   const QString& caption, const QString& accessible,
                                   bool picture) {
  return controls_->AddToggle(this, name, index, geometry, caption, accessible, true,
                              picture ? ToggleStyle::Picture : ToggleStyle::Standard);
}

void QtForm::SetCaption(const std::string& caption) { setWindowTitle(ToQt(caption)); }
std::string QtForm::Caption() const { return FromQt(windowTitle()); }

void QtForm::Close() {
  if (unloading_) return;
  unloading_ = true;
  if (OnUnload) {
    const Handler unload = OnUnload;
    unload();
  }
  done(QDialog::Rejected);
}

void QtForm::reject() { Close(); }

ui::Label& QtForm::GetLabel(std::string_view n, int i) { return controls_->Label(n, i); }
ui::ListBox& QtForm::GetList(std::string_view n, int i) { return controls_->List(n, i); }
ui::TextBox& QtForm::GetText(std::string_view n, int i) { return controls_->Text(n, i); }
ui::Button& QtForm::GetButton(std::string_view n, int i) { return controls_->Button(n, i); }
ui::Toggle& QtForm::GetCheck(std::string_view n, int i) { return controls_->Check(n, i); }
ui::Toggle& QtForm::GetOption(std::string_view n, int i) { return controls_->Option(n, i); }
ui::MenuItem& QtForm::GetMenu(std::string_view n) { return controls_->Menu(n); }

void QtForm::closeEvent(QCloseEvent* event) {
  // The close box: QDialog turns it into reject(), which unloads like Close().
  QDialog::closeEvent(event);
}

void QtForm::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintBackdrop(painter, rect(), backdrop_);
}

void QtForm::showEvent(QShowEvent* event) {
  unloading_ = false;
  QRect area;
  if (QWidget* owner = parentWidget()) {
    area = owner->window()->frameGeometry();
  } else if (QScreen* screen = this->screen()) {
    area = screen->availableGeometry();
  }
  if (area.isValid()) {
    QRect frame = frameGeometry();
    frame.moveCenter(area.center());
    move(frame.topLeft());
  }
  QDialog::showEvent(event);
}

}  // namespace ui::qt
