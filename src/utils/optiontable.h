#pragma once
// One reader for every command line of the game and its tools: a table of the options a program
// takes, each a switch or an option with a value, read from the arguments in their order. What
// differs between the programs is said by the rules they read with:
//   - the game's own options look at the word after an option again as an argument of its own
//     ("-r -full" sets full screen) and ignore an option without its value and any word they do
//     not know;
//   - the game's tool options take the word after an option as its value, refuse an option
//     without one, and leave the words they do not know to the game;
//   - tobrakka-sim refuses every word it does not know, too.
#include <functional>
#include <string>
#include <vector>

namespace kolm {

class OptionTable {
public:
    struct Rules {
        bool valueReadAgain = false;   // the word after an option is an argument of its own too
        bool missingValueRefused = true;
        bool unknownRefused = false;
    };
    static constexpr Rules kGame{true, false, false};
    static constexpr Rules kGamesTools{false, true, false};
    static constexpr Rules kTool{false, true, true};

    // Reads a value: false, with what is wrong in error, for a value the option refuses.
    using ValueReader = std::function<bool(const std::string& value, std::string& error)>;

    // A switch, set when it appears.
    OptionTable& Switch(const std::string& name, std::function<void()> set);
    // An option with a value.
    OptionTable& Valued(const std::string& name, ValueReader read);

    // Reads the arguments by the rules: false, with the reason in error, when they refuse one.
    bool Read(const std::vector<std::string>& arguments, const Rules& rules, std::string& error) const;

private:
    struct Option {
        std::string name;
        std::function<void()> set; // a switch
        ValueReader read;          // an option with a value
    };
    const Option* Find(const std::string& name) const;

    std::vector<Option> options_;
};

} // namespace kolm
