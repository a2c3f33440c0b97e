#include "ui/qt/qt_toolkit.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <utility>

#include "ui/qt/qt_style.h"

namespace ui::qt {

QStringList ConvertFilter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    out << QStringLiteral("%1 (%2)").arg(parts[i], patterns.simplified());
  }
  return out;
}

QtToolkit::QtToolkit(QWidget* mainWindow) : mainWindow_(mainWindow) {}

QtToolkit::~QtToolkit() = default;

void QtToolkit::Register(ui::WindowId window, Opener opener) {
  openers_[window] = std::move(opener);
}

bool QtToolkit::HasOpener(ui::WindowId window) const { return openers_.count(window) != 0; }

QWidget* QtToolkit::DialogParent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return mainWindow_.data();
}

int QtToolkit::ExecDialog(QDialog& dialog) { return dialog.exec(); }

ui::Answer QtToolkit::MsgBox(const std::string& text, const std::string& title, ui::Icon icon,
                             ui::Buttons buttons) {
  QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
  switch (icon) {
    case ui::Icon::None:
      break;
    case ui::Icon::Information:
      qtIcon = QMessageBox::Information;
      break;
    case ui::Icon::Question:
      qtIcon = QMessageBox::Question;
      break;
    case ui::Icon::Critical:
      qtIcon = QMessageBox::Critical;
      break;
  }
  const bool yesNo = buttons == ui::Buttons::YesNo;
  QMessageBox box(qtIcon, ToQt(title), ToQt(text),
                  yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, DialogParent());
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
  box.setEscapeButton(yesNo ? QMessageBox::No : QMessageBox::Ok);
  const int code = ExecDialog(box);
  if (!yesNo) return ui::Answer::Ok;
  QAbstractButton* clicked = box.clickedButton();
  const QMessageBox::StandardButton answer = clicked != nullptr
                                                 ? box.standardButton(clicked)
                                                 : static_cast<QMessageBox::StandardButton>(code);
  return answer == QMessageBox::Yes ? ui::Answer::Yes : ui::Answer::No;
}

std::string QtToolkit::InputBox(const std::string& prompt, const std::string& title) {
  QInputDialog dialog(DialogParent());
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(ToQt(title));
  dialog.setLabelText(ToQt(prompt));
  if (ExecDialog(dialog) != QDialog::Accepted) return "";
  return FromQt(dialog.textValue());
}

std::string QtToolkit::FileDialog(const ui::FileDialogOptions& options, bool save) {
  QFileDialog dialog(DialogParent(), ToQt(options.Title), startFolder_);
  // Qt's own dialog: the same on every desktop, and one a test can answer.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = ConvertFilter(options.Filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    const int index = options.FilterIndex - 1;
    if (index >= 0 && index < filters.size()) dialog.selectNameFilter(filters[index]);
  }
  if (!options.FileName.empty()) dialog.selectFile(ToQt(options.FileName));
  if (ExecDialog(dialog) != QDialog::Accepted) return "";
  const QStringList chosen = dialog.selectedFiles();
  return chosen.isEmpty() ? std::string() : FromQt(chosen.front());
}

std::string QtToolkit::ShowOpen(const ui::FileDialogOptions& options) {
  return FileDialog(options, false);
}

std::string QtToolkit::ShowSave(const ui::FileDialogOptions& options) {
  return FileDialog(options, true);
}

void QtToolkit::ShowModal(ui::WindowId window, int argument) {
  const auto it = openers_.find(window);
  if (it == openers_.end()) return;  // a window this build does not have
  const Opener opener = it->second;
  opener(DialogParent(), argument);
}

}  // namespace ui::qt
