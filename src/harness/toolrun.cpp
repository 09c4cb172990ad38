// The tools gathered from the command line: the script and the bot, the recording, the seed and
// the digest.
#include "harness/toolrun.h"

#include "app/play/gamephase.h"
#include "world/worlddigest.h"
#include "utils/log.h"

bool ToolRun::Configure(const std::vector<std::string>& arguments)
{
    std::string error;
    if (!ParseToolOptions(arguments, options_, error)) {
        kolm::Warn(error);
        return false;
    }
    if (!options_.script.empty()) {
        script_ = std::make_unique<InputScript>();
        if (!script_->LoadOrReport(options_.script, "tobrakka"))
            return false;
    }
    if (options_.demoSeconds) {
        BotPlayer::Options bot;
        bot.seed = options_.seeded ? options_.seed : 1;
        demo_ = std::make_unique<DemoRun>(options_.demoSeconds, options_.shotsFolder, bot);
    }
    if (!options_.record.empty()) {
        record_.open(options_.record);
        if (!record_) {
            kolm::Warn("cannot write the recording " + options_.record);
            return false;
        }
    }
    return true;
}

bool ToolRun::Active() const
{
    return demo_ || script_ || record_.is_open() || options_.seeded || options_.digest;
}

std::vector<InputSource*> ToolRun::Players() const
{
    std::vector<InputSource*> players;
    if (demo_)
        players.push_back(demo_.get());
    if (script_)
        players.push_back(script_.get());
    return players;
}

void ToolRun::TakeTitleEvents(std::vector<GameEvent>& out)
{
    for (InputSource* player : Players())
        player->TakeTitleEvents(out);
}

void ToolRun::TakeDue(uint32_t phaseTime, std::vector<GameEvent>& out)
{
    for (InputSource* player : Players())
        player->TakeDue(phaseTime, out);
}

void ToolRun::Observe(uint32_t phaseTime, const GamePhase& phase)
{
    for (InputSource* player : Players())
        player->Observe(phaseTime, phase);
}

void ToolRun::ObserveScreen(uint32_t time)
{
    if (script_)
        script_->ObserveScreen(time);
}

void ToolRun::Heard(uint32_t phaseTime, const GameEvent& event)
{
    if (!record_.is_open())
        return;
    const std::string line = FormatScriptEvent(phaseTime, event);
    if (!line.empty())
        record_ << line << '\n';
}

void ToolRun::PhaseStarting(RandomGenerators& random)
{
    if (options_.seeded)
        random = RandomGenerators(options_.seed);
}

void ToolRun::PhaseEnded(const GamePhase& phase)
{
    record_.flush();
    if (options_.digest)
        kolm::Say("digest " + DigestOf(phase.gameplay).ToString());
}
