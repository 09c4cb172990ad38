#include "app/levels/packnames.h"

#include "utils/stringutils.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kMostVersionNumbers = 4;
constexpr std::size_t kLongestVersionNumber = 9;

// The numbers of a version, or none when it is no version.
std::vector<int64_t> VersionNumbers(const std::string& version)
{
    std::vector<int64_t> numbers;
    std::size_t start = 0;
    for (;;) {
        const std::size_t dot = version.find('.', start);
        const std::string part = version.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        int64_t number = 0;
        if (part.empty() || part.size() > kLongestVersionNumber || part[0] == '-' ||
            !kolm::ParseWholeNumber(part, 0, INT64_MAX, number) || numbers.size() == kMostVersionNumbers)
            return {};
        numbers.push_back(number);
        if (dot == std::string::npos)
            return numbers;
        start = dot + 1;
    }
}

bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }

} // namespace

bool IsPackId(const std::string& id)
{
    if (id.empty() || id.size() > kLongestPackId)
        return false;
    for (const char c : id) {
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'))
            return false;
    }
    return true;
}

std::string PackIdOf(const std::string& title)
{
    std::string id;
    for (const char c : title) {
        const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        if ((lower >= 'a' && lower <= 'z') || (lower >= '0' && lower <= '9'))
            id += lower;
        else if (!id.empty() && id.back() != '-')
            id += '-';
    }
    while (!id.empty() && id.back() == '-')
        id.pop_back();
    if (id.size() > kLongestPackId)
        id.resize(kLongestPackId);
    while (!id.empty() && id.back() == '-')
        id.pop_back();
    return id.empty() ? "my-levels" : id;
}

bool IsPackVersion(const std::string& version) { return !VersionNumbers(version).empty(); }

int CompareVersions(const std::string& a, const std::string& b)
{
    const std::vector<int64_t> first = VersionNumbers(a);
    const std::vector<int64_t> second = VersionNumbers(b);
    for (std::size_t i = 0; i < kMostVersionNumbers; ++i) {
        const int64_t x = i < first.size() ? first[i] : 0;
        const int64_t y = i < second.size() ? second[i] : 0;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

std::string PackPathProblem(const std::string& path)
{
    if (path.empty())
        return "is empty";
    if (path.size() > kLongestPackPath)
        return "is longer than " + std::to_string(kLongestPackPath) + " characters";
    if (path[0] == '/')
        return "is an absolute path";
    for (const char c : path) {
        if (c == '\\')
            return "holds a backslash";
        if (std::string_view(":\"&<>").find(c) != std::string_view::npos)
            return std::string("holds a \"") + c + "\", which a pack's file name cannot";
        if (IsControl(c))
            return "holds a control character";
    }
    for (const std::string& part : kolm::Split("/" + path + "/", "/")) {
        if (part == "..")
            return "climbs out of its folder";
        if (part == ".")
            return "holds a \".\" part";
    }
    if (path.find("//") != std::string::npos || path.back() == '/')
        return "holds an empty part";
    return std::string();
}
