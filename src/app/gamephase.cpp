#include "app/gamephase.h"

#include "utils/levellist/clevellist.h"
#include "world/world.h"

FirstLevel FirstLevel::FromLevelList(int startAfter)
{
    FirstLevel level;
    level.fromLevelList_ = true;
    level.startAfter_ = startAfter;
    return level;
}

std::string FirstLevel::FileName() const
{
    if (!fromLevelList_)
        return file_;
    kolm::CLevelList& list = kolm::CLevelList::Instance();
    if (startAfter_ != kListOwnStart)
        list.StartAfter(startAfter_);
    return list.NextLevelFile();
}

GamePhase::GamePhase(bool noGrid, const FirstLevel& firstLevel, const RandomGenerators& random)
    : gameplay(random), levelsFromList(firstLevel.FromList())
{
    grid.Init(35, 20);
    if (noGrid)
        grid.noGrid = true;
    gameplay.LoadLevel(firstLevel.FileName());
    gameplay.SetGrid(&grid);
    overlay = std::make_unique<HudOverlay>(&gameplay);
    overlay->particles.DrawFrom(gameplay.Random());
}

StatusLayer::Place GamePhase::Where()
{
    StatusLayer::Place place;
    if (levelsFromList) {
        const kolm::CLevelList& list = kolm::CLevelList::Instance();
        place.level = list.Current();
        place.levelCount = list.Count() - 1;
    }
    if (const Gameplay::CQuenlowZarnImpl* world = gameplay.World())
        place.loop = static_cast<int>(world->oldGuys.size()) + 1;
    if (progress) {
        // The banner of a clear that stands (a clear that does not may be taken over by the
        // press-space message).
        if (overlay->message && overlay->ClearStands()) {
            place.clear = progress->LastClear();
            place.bannerAlpha = overlay->message->colour[3];
        }
        place.saveFailed = progress->SaveFailed();
    }
    return place;
}
