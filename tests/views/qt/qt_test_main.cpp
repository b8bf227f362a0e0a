#include <QApplication>

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

// The application is made when the tests run, not when CTest only lists them.
class QtApplication : public testing::Environment
{
public:
    void SetUp() override { application = std::make_unique<QApplication>(argc, argv.data()); }
    void TearDown() override { application.reset(); }

private:
    int argc = 1;
    std::array<char, 8> name {"kelvaro"};
    std::array<char *, 2> argv {name.data(), nullptr};
    std::unique_ptr<QApplication> application;
};

} // namespace

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new QtApplication); // gtest takes ownership
    return RUN_ALL_TESTS();
}
