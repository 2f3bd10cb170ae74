// The texts of the failure box and the start-up box.
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <utility>

#include "FailureText.h"
#include "VorbisLibrary.h"

namespace {

struct StopCase {
    std::string message;
    std::string shown;
};

// '.' is 0x2E: the space, '!', ',' and ')' sort below or at it; digits, letters, '/' and bytes from
// 0x80 on (compared unsigned) sort above.
TEST(FailureText, AddsAStopOnlyAfterBytesAboveTheStop)
{
    const StopCase cases[] = {StopCase{"", ""}, StopCase{".", "."}, StopCase{" ", " "},
                      StopCase{"!", "!"}, StopCase{",", ","}, StopCase{"-", "-"}, StopCase{")", ")"}, StopCase{"a", "a."},
                      StopCase{"List index out of bounds (0)", "List index out of bounds (0)"},
                      StopCase{"Cannot open file data/data.iso", "Cannot open file data/data.iso."},
                      StopCase{"'abc' is not a valid integer value", "'abc' is not a valid integer value."},
                      StopCase{"Stream write error", "Stream write error."}, StopCase{"7", "7."},
                      StopCase{"/", "/."}, StopCase{"Z", "Z."}, StopCase{"ends in \xC3\xA1", "ends in \xC3\xA1."},
                      StopCase{"\x80", "\x80."}, StopCase{"\xFF", "\xFF."}, StopCase{"tab\t", "tab\t"}};
    for (const StopCase& c : cases)
        EXPECT_EQ(failureText(c.message), c.shown) << c.message;
}

struct StartupCase {
    std::string className;
    std::string module;
    std::uint32_t address;
    std::string message;
    std::string shown;
};

// The start-up box adds its stop unless the message already ends in one, whatever the last byte.
TEST(StartupFailureText, FillsTheFormat)
{
    const StartupCase cases[] = {
        StartupCase{"VorbisLibraryError", "tavlo", 0x1A2Bu, "ogg.dll library could not be loaded.",
                    "Exception VorbisLibraryError in module tavlo at 00001A2B.\n"
                    "ogg.dll library could not be loaded."},
        StartupCase{"runtime_error", "tavlo", 0xDEADBEEFu, "Primary Buffer cannot be made",
                    "Exception runtime_error in module tavlo at DEADBEEF.\nPrimary Buffer cannot be made."},
        StartupCase{"E", "m", 0u, "", "Exception E in module m at 00000000.\n"},
        StartupCase{"E", "m", 0xFFFFFFFFu, "done!", "Exception E in module m at FFFFFFFF.\ndone!."}};
    for (const StartupCase& c : cases)
        EXPECT_EQ(startupFailureText(c.className, c.module, c.address, c.message), c.shown);
}

namespace deep::inner {
struct Oops : std::runtime_error {
    Oops() : std::runtime_error("oops") {}
};
template <class T>
struct Wrapped : std::logic_error {
    Wrapped() : std::logic_error("w") {}
};
}  // namespace deep::inner

TEST(ExceptionClassName, IsTheDynamicClassWithoutNamespaces)
{
    EXPECT_EQ(exceptionClassName(VorbisLibraryError("x")), "VorbisLibraryError");
    EXPECT_EQ(exceptionClassName(std::runtime_error("x")), "runtime_error");
    const std::exception& base = deep::inner::Oops();
    EXPECT_EQ(exceptionClassName(base), "Oops");
    EXPECT_EQ(exceptionClassName(deep::inner::Wrapped<std::pair<int, int>>()), "Wrapped<std::pair<int, int> >");
}

}  // namespace
