// The sound tests' entry: points OpenAL Soft at the tests' own settings before it first reads them.
#include <gtest/gtest.h>

#include <cstdlib>

#if defined(__SANITIZE_THREAD__)
// Under ThreadSanitizer. OpenAL Soft is not instrumented: its mixer, run here by the loopback
// rendering, hands events to OpenAL's event thread through a lock-free ring buffer whose atomics
// TSan cannot see, so the copies look like races. Only reports with the mixing call on one side
// are dropped (a longer history lets TSan find that call); the music output's own threads and
// OpenAL's callback into them stay fully checked.
extern "C" const char* __tsan_default_options() { return "history_size=7"; }
extern "C" const char* __tsan_default_suppressions() { return "race:LoopbackOutput::render\n"; }
#endif

int main(int argc, char** argv)
{
    setenv("ALSOFT_CONF", TAVLO_ALSOFT_CONF, 1);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
