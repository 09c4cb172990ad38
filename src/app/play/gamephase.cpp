#include "app/play/gamephase.h"

#include "app/profile/levelpar.h"
#include "app/text/translate.h"

FirstLevel FirstLevel::FromLevelList(int startAfter)
{
    FirstLevel level;
    level.fromLevelList_ = true;
    level.startAfter_ = startAfter;
    return level;
}

std::string FirstLevel::FileName(kolm::CLevelList& levels) const
{
    if (!fromLevelList_)
        return file_;
    if (startAfter_ != kListOwnStart)
        levels.StartAfter(startAfter_);
    return levels.NextLevelFile();
}

GamePhase::GamePhase(bool noGrid, const FirstLevel& firstLevel, kolm::CLevelList& levels, const RandomGenerators& random)
    : levels(levels), gameplay(random), levelsFromList(firstLevel.FromList())
{
    grid.Init(35, 20);
    if (noGrid)
        grid.noGrid = true;
    gameplay.LoadLevel(firstLevel.FileName(levels));
    gameplay.SetGrid(&grid);
    overlay = std::make_unique<HudOverlay>(&gameplay);
    overlay->particles.DrawFrom(gameplay.Random());
}

void GamePhase::SweepSprites()
{
    gameplay.SweepSprites();
    overlay->sprites.SweepKilled();
}

const std::string& GamePhase::LevelName(int level)
{
    if (level != namedLevel_ || SpeechChanges() != namedInSpeech_) {
        levelName_ = NameOf(levels.EntryAt(level));
        namedLevel_ = level;
        namedInSpeech_ = SpeechChanges();
    }
    return levelName_;
}

StatusLayer::Place GamePhase::Where()
{
    StatusLayer::Place place;
    if (levelsFromList) {
        place.level = levels.Current();
        place.levelCount = levels.Count() - 1;
        place.name = LevelName(place.level);
    }
    if (gameplay.HasLevel())
        place.loop = gameplay.Loop();
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
