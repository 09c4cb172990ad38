#pragma once
// The game's own tools, gathered from its command line into the one input source the game takes:
// an input script and the demo's bot, which may play together (the script's events on top of
// the bot's), a recording of every input the game handles, the seed of the game phase and the
// digest line at its end.
#include "app/play/inputsource.h"
#include "engine/core/random.h"
#include "harness/demorun.h"
#include "harness/inputscript.h"
#include "harness/tooloptions.h"

#include <fstream>
#include <memory>
#include <string>
#include <vector>

class ToolRun : public InputSource {
public:
    // Reads the tool options, the input script and opens the recording. False, with one line
    // on standard error, when any of them cannot be read or written.
    bool Configure(const std::vector<std::string>& arguments);
    // True when some tool option was given.
    bool Active() const;

    bool PlaysTheGame() const override { return demo_ || script_; }
    bool KeepsProgress() const override { return !demo_; }
    // "-menus" with a script (and no bot).
    bool DrivesMenus() const override { return options_.menus && script_ && !demo_; }
    void ObserveScreen(uint32_t time) override;

    void TakeTitleEvents(std::vector<GameEvent>& out) override;
    void TakeDue(uint32_t phaseTime, std::vector<GameEvent>& out) override;
    void Observe(uint32_t phaseTime, const GamePhase& phase) override;
    void Heard(uint32_t phaseTime, const GameEvent& event) override;
    // With "-seed": both of the phase's generators seeded with it.
    void PhaseStarting(RandomGenerators& random) override;
    void PhaseEnded(const GamePhase& phase) override;

private:
    // The demo's bot first, then the script.
    std::vector<InputSource*> Players() const;

    ToolOptions options_;
    std::unique_ptr<DemoRun> demo_;
    std::unique_ptr<InputScript> script_;
    std::ofstream record_;
};
