#include "qt_environment.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace test {

int AnsweringToolkit::ExecDialog(QDialog& dialog) {
  dialogs.push_back(dialog.objectName().isEmpty()
                        ? QString::fromLatin1(dialog.metaObject()->className())
                        : dialog.objectName());
  if (!answer) return QDialog::Rejected;
  return answer(dialog);
}

namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "qt_tests";
    static char* argv[] = {name, nullptr};
    // Run directly (not under CTest) the tests still need no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

}  // namespace test
