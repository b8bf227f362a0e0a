#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The application is made when the tests run, not when CTest only lists them.
class QtApplication : public testing::Environment
{
public:
    void SetUp() override { application = std::make_unique<QApplication>(argc, argv); }
    void TearDown() override { application.reset(); }

private:
    int argc = 1;
    char name[8] = "kelvaro";
    char *argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> application;
};

} // namespace

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new QtApplication); // gtest takes ownership
    return RUN_ALL_TESTS();
}
