// One QApplication for the whole test program, made before the first test
// runs (listing the tests needs none).
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

namespace {

class QtAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        app_ = new QApplication(argc_, argv_);
    }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

private:
    int argc_ = 1;
    char name_[32] = "test_ui_course";
    char* argv_[2] = {name_, nullptr};
    QApplication* app_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const qtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtAppEnvironment);

}  // namespace
