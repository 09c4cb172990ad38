#include "utils/filewarning.h"

#include <iostream>
#include <set>

namespace kolm {

void WarnOncePerFile(const std::string& fileName, const std::string& message)
{
    static std::set<std::string> warned;
    if (warned.insert(fileName).second)
        std::cerr << "tobrakka: " << message << std::endl;
}

} // namespace kolm
