// The texts of the two failure boxes, as pure functions.
#pragma once
#include <cstdint>
#include <exception>
#include <string>

// The failure box of a handler: the message, with "." added when it is not empty and its last
// byte sorts above "." as an unsigned byte.
std::string failureText(const std::string& message);

// The start-up box: "Exception %s in module %s at %p.\n%s%s" with the class name, the module's
// file name, the address as 8 upper-case hex digits, the message and "." when the message is not
// empty and does not end in ".".
std::string startupFailureText(const std::string& className, const std::string& module,
                               std::uint32_t address, const std::string& message);

// The dynamic class name of a failure, demangled, without its namespaces.
std::string exceptionClassName(const std::exception& failure);
