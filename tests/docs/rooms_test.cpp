// The big floors are split into rooms (src/app/ROOM/, src/engine/ROOM/), stacked like the floors
// themselves: a room includes headers of its own and of the rooms below it, never of a room above
// it, and what lies at the floor's root (the app's program) sits on top of them all. The floors
// are kept by the build; the rooms by this.
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

namespace {

// A floor's rooms, bottom up; "" is its root. A new room takes its place here, above every room
// it uses.
struct Floor {
    std::string name;
    std::vector<std::string> rooms;

    // The room a path below the floor's folder lies in ("" for the root), or "?" for a folder
    // not in the list.
    std::string RoomOf(const std::string& relative) const
    {
        const size_t slash = relative.find('/');
        if (slash == std::string::npos)
            return "";
        const std::string room = relative.substr(0, slash);
        return std::find(rooms.begin(), rooms.end(), room) != rooms.end() ? room : "?";
    }
    int Height(const std::string& room) const
    {
        return static_cast<int>(std::find(rooms.begin(), rooms.end(), room) - rooms.begin());
    }
};

const std::vector<Floor> kFloors = {
    {"engine", {"core", "input", "render", "gl", "platform", ""}},
    {"app", {"text", "control", "profile", "replay", "levels", "screen", "robots", "menu", "play", "edit", "daily", "screens", ""}},
};

} // namespace

TEST(Rooms, NoRoomIncludesARoomAboveItAndEveryFolderIsARoom)
{
    for (const Floor& floor : kFloors) {
        const std::string dir = std::string(TOBRAKKA_SOURCE_DIR) + "/src/" + floor.name;
        const std::regex include("#include \"" + floor.name + "/([^\"]+)\"");
        int includes = 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
            if (!entry.is_regular_file())
                continue;
            const std::string file = std::filesystem::relative(entry.path(), dir).string();
            const std::string room = floor.RoomOf(file);
            ASSERT_NE(room, "?") << floor.name << "/" << file << " lies in a folder that is no room of its floor";
            const std::string text = testsupport::ReadFile(entry.path().string());
            for (auto it = std::sregex_iterator(text.begin(), text.end(), include); it != std::sregex_iterator(); ++it, ++includes) {
                const std::string used = floor.RoomOf((*it)[1].str());
                EXPECT_LE(floor.Height(used), floor.Height(room))
                    << floor.name << "/" << file << " includes " << floor.name << "/" << (*it)[1].str()
                    << ", a room above its own";
            }
        }
        EXPECT_GT(includes, 50) << floor.name;
    }
}
