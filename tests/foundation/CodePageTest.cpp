#include <windows.h>

#include <gtest/gtest.h>

// The wizard's texts are code page 936; the harness must run Wine with it.
TEST(TestEnvironment, AnsiCodePageIs936)
{
    EXPECT_EQ(GetACP(), 936u);
}

TEST(TestEnvironment, NarrowLiteralsAreStoredInCodePage936)
{
    const std::string title = "云雀视界安装向导";
    EXPECT_EQ(title, "\xD4\xC6\xC8\xB8\xCA\xD3\xBD\xE7\xB0\xB2\xD7\xB0\xCF\xF2\xB5\xBC");
}
