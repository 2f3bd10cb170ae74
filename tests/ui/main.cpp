// The window tests' entry: the application object exists only while tests run, so listing the
// tests needs no display.
#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

#include "HintStyle.h"

namespace {

class QtApplication : public ::testing::Environment {
public:
    void SetUp() override
    {
        app_ = std::make_unique<QApplication>(argc_, argv_);
        QApplication::setStyle(new HintStyle);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "tavlo_ui_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new QtApplication);
    return RUN_ALL_TESTS();
}
