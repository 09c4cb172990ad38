#include "utils/log.h"

#include <iostream>
#include <set>

namespace kolm {

namespace {

std::string& Program()
{
    static std::string name = "tobrakka";
    return name;
}

} // namespace

void Say(const std::string& line) { std::cout << line << std::endl; }

void SayText(const std::string& text) { std::cout << text << std::flush; }

void Complain(const std::string& line) { std::cerr << line << std::endl; }

void ComplainText(const std::string& text) { std::cerr << text << std::flush; }

void Warn(const std::string& message) { Complain(Program() + ": " + message); }

void WarnOnce(const std::string& key, const std::string& message)
{
    static std::set<std::string> warned;
    if (warned.insert(key).second)
        Warn(message);
}

void WarnOncePerFile(const std::string& fileName, const std::string& message) { WarnOnce(fileName, message); }

void SetWarningProgram(const std::string& name) { Program() = name; }

const std::string& WarningProgram() { return Program(); }

} // namespace kolm
