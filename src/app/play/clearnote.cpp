#include "app/play/clearnote.h"

#include "app/profile/recordwords.h"

namespace {

// The banner is centred on the field and 180 high: the note's lines go under it.
constexpr float kNoteCentre = kVirtualWidth * 0.5f;
constexpr float kFirstBaseline = 500.0f;
constexpr float kLineStep = 44.0f;
constexpr float kStarGap = 14.0f;

bool SameClear(const ClearReport& a, const ClearReport& b)
{
    return a.position == b.position && a.loops == b.loops && a.milliseconds == b.milliseconds &&
           a.assisted == b.assisted && a.before == b.before && a.best == b.best;
}

} // namespace

std::vector<ClearNote::Line> ClearNote::Lines(const ClearReport& clear)
{
    const auto assisted = [](bool marked) { return std::string(marked ? " assisted" : ""); };
    std::vector<Line> lines{
        {LoopCount(clear.loops) + " \u00B7 best " + std::to_string(clear.best.loops) + assisted(clear.best.loopsAssisted),
         clear.NewFewestLoops()},
        {"time " + FormatGameTime(clear.milliseconds) + " \u00B7 best " + FormatGameTime(clear.best.milliseconds) +
             assisted(clear.best.timeAssisted),
         clear.NewBestTime()},
    };
    if (clear.assisted)
        lines.push_back({"an assisted clear: the game played slower", false});
    return lines;
}

bool ClearNote::Show(const ClearReport* clear, float alpha)
{
    if (!clear) {
        const bool wasShown = !shown_.empty();
        Remove();
        return wasShown;
    }
    const bool relettered = shown_.empty() || !SameClear(*clear, clear_);
    if (relettered)
        Letter(*clear);
    if (!relettered && alpha == alpha_)
        return false;
    for (Shown& line : shown_) {
        line.text.SetAlpha(alpha);
        if (line.star)
            line.star->SetAlpha(alpha);
    }
    alpha_ = alpha;
    return true;
}

void ClearNote::Letter(const ClearReport& clear)
{
    Remove();
    Lettering lettering(sprites_);
    float baseline = kFirstBaseline;
    for (const Line& line : Lines(clear)) {
        const datafiles::GlyphSize size = shown_.empty() ? datafiles::GlyphSize::kLarge : datafiles::GlyphSize::kSmall;
        Shown shown{lettering.Write(line.text, vector2(kNoteCentre, baseline), size, TextAlign::kCentre), nullptr};
        if (line.newRecord) {
            shown.star = sprites_.CreateSprite(datafiles::kMenuStar);
            const float capHeight = static_cast<float>(datafiles::GlyphMetricsOf(size).capHeight);
            shown.star->SetCentre(vector2(kNoteCentre + shown.text.Width() * 0.5f + kStarGap + shown.star->width * 0.5f,
                                          baseline - capHeight * 0.5f));
        }
        shown_.push_back(shown);
        baseline += kLineStep;
    }
    clear_ = clear;
}

void ClearNote::Remove()
{
    for (Shown& line : shown_) {
        line.text.Remove();
        if (line.star)
            line.star->killed = true;
    }
    shown_.clear();
}
