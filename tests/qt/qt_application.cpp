#include <QApplication>

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

// Qt needs its application object before the first widget, and for the whole run.
class QtApplication : public ::testing::Environment {
public:
    void SetUp() override { m_app = std::make_unique<QApplication>(m_argc, m_argv.data()); }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[16] = "kolvex_qt_tests";
    std::array<char*, 2> m_argv{m_name, nullptr};
    std::unique_ptr<QApplication> m_app;
};

[[maybe_unused]] const ::testing::Environment* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplication);

} // namespace
