// The sound tests' entry: points OpenAL Soft at the tests' own settings before it first reads them.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("ALSOFT_CONF", TAVLO_ALSOFT_CONF, 1);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
