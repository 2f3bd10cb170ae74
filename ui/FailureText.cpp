// Failure texts.
#include "FailureText.h"

#include <cstdio>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

std::string failureText(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

std::string startupFailureText(const std::string& className, const std::string& module,
                               std::uint32_t address, const std::string& message)
{
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08X", static_cast<unsigned>(address));
    const bool stop = !message.empty() && message.back() != '.';
    return "Exception " + className + " in module " + module + " at " + hex + ".\n" + message +
           (stop ? "." : "");
}

std::string exceptionClassName(const std::exception& failure)
{
    const char* mangled = typeid(failure).name();
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
    std::string name = status == 0 && demangled ? demangled.get() : mangled;
    // Drop the namespaces: everything up to the last "::" outside template arguments.
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i + 1 < name.size(); ++i) {
        if (name[i] == '<')
            ++depth;
        else if (name[i] == '>')
            --depth;
        else if (depth == 0 && name[i] == ':' && name[i + 1] == ':')
            start = i + 2;
    }
    return name.substr(start);
}
