#include "app/profile/records.h"

#include <algorithm>

bool FigureReplaces(int64_t figure, bool assisted, int64_t record, bool recordAssisted)
{
    if (assisted != recordAssisted)
        return recordAssisted && figure <= record;
    return figure < record;
}

void LevelRecord::Merge(const LevelRecord& other)
{
    if (!other.Exists())
        return;
    if (!Exists()) {
        *this = other;
        return;
    }
    if (FigureReplaces(other.loops, other.loopsAssisted, loops, loopsAssisted)) {
        loops = other.loops;
        loopsAssisted = other.loopsAssisted;
    }
    if (FigureReplaces(other.milliseconds, other.timeAssisted, milliseconds, timeAssisted)) {
        milliseconds = other.milliseconds;
        timeAssisted = other.timeAssisted;
    }
}

LevelRecord Progress::RecordOf(int position) const
{
    const auto found = records.find(position);
    return found == records.end() ? LevelRecord() : found->second;
}

LevelRecord Progress::RecordOfHash(uint64_t hash) const
{
    const auto found = byHash.find(hash);
    return found == byHash.end() ? LevelRecord() : found->second;
}

void Progress::Merge(const Progress& other)
{
    cleared = std::max(cleared, other.cleared);
    for (const auto& [position, record] : other.records)
        records[position].Merge(record);
    for (const auto& [hash, record] : other.byHash)
        byHash[hash].Merge(record);
}

Medals MedalsOf(const LevelRecord& record, const LevelPar& par)
{
    Medals medals;
    medals.loops = record.Exists() && par.loops > 0 && !record.loopsAssisted && record.loops <= par.loops;
    medals.time = record.Exists() && par.milliseconds > 0 && !record.timeAssisted && record.milliseconds <= par.milliseconds;
    return medals;
}

Medals ClearReport::NewMedals() const
{
    const Medals had = MedalsOf(before, par);
    const Medals has = MedalsOf(best, par);
    return Medals{has.loops && !had.loops, has.time && !had.time};
}
