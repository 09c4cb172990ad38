#include "utils/filewarning.h"

#include <iostream>
#include <set>

namespace kolm {

namespace {

std::string& WarningProgram()
{
    static std::string name = "tobrakka";
    return name;
}

} // namespace

void WarnOncePerFile(const std::string& fileName, const std::string& message) { WarnOnce(fileName, message); }

void WarnOnce(const std::string& key, const std::string& message)
{
    static std::set<std::string> warned;
    if (warned.insert(key).second)
        std::cerr << WarningProgram() << ": " << message << std::endl;
}

void SetWarningProgram(const std::string& name) { WarningProgram() = name; }

} // namespace kolm
