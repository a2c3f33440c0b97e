#pragma once
// The Qt tests share one QApplication (on the offscreen platform under CTest)
// and a toolkit whose dialogs are answered by the test instead of a person.

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

#include "ui/qt/qt_toolkit.h"

namespace test {

// Every dialog goes to `answer`, which looks at it and closes it (its return
// is what exec() would have returned); with no answer set, the dialog is cancelled.
class AnsweringToolkit : public ui::qt::QtToolkit {
 public:
  using QtToolkit::QtToolkit;
  std::function<int(QDialog&)> answer;
  std::vector<QString> dialogs;  // object names (or class names) of the dialogs shown

  int ExecDialog(QDialog& dialog) override;
};

}  // namespace test
