#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string_view>

// Runs the suite in the regional settings named by the environment (LC_ALL), as a desktop
// program does once its toolkit has switched the process to the user's locale.
namespace {

TEST(RegionalSettings, TheProcessRunsInTheRequestedLocale) {
    // Without this the runs under other locales would prove nothing.
    const char* expected = std::getenv("KOLVEX_EXPECT_DECIMAL_POINT");
    if (expected == nullptr) {
        GTEST_SKIP() << "no decimal point expected for this run";
    }
    EXPECT_STREQ(std::localeconv()->decimal_point, expected);
}

} // namespace

int main(int argc, char** argv) {
    if (std::setlocale(LC_ALL, "") == nullptr) {
        // A missing locale must not stop the program; the suite then runs in "C".
        std::setlocale(LC_ALL, "C");
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
