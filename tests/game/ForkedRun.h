// Runs a piece of a test in a forked child, where limits can be set that must not touch the
// test runner itself: a file-size limit (so writes really come up short) or an ordinary user's
// rights (so a read-only file is really read-only, also when the tests run as root).
#pragma once
#include <functional>
#include <optional>
#include <string>

struct ChildLimits {
    bool ordinaryUser = false;
    std::optional<unsigned long> fileSizeLimit;  // bytes; SIGXFSZ is ignored so write() comes up short
};

inline ChildLimits asOrdinaryUser()
{
    ChildLimits limits;
    limits.ordinaryUser = true;
    return limits;
}

inline ChildLimits withFileSizeLimit(unsigned long bytes)
{
    ChildLimits limits;
    limits.fileSizeLimit = bytes;
    return limits;
}

// The body's result, or the message of the exception it threw, or "child failed: ..." when
// the child could not run the body.
std::string runInChild(const ChildLimits& limits, const std::function<std::string()>& body);
