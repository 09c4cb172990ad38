#include "app/play/clearnote.h"
#include "app/text/translate.h"

#include "app/profile/recordwords.h"

namespace {

// The banner is centred on the field and 180 high: the note's lines go under it, on a scrap of
// the banner's paper laid just under it.
constexpr float kNoteCentre = kVirtualWidth * 0.5f;
constexpr float kPaperTop = 451.0f;
constexpr float kPaperEdge = 14.0f;    // of the paper's picture: transparent round the torn paper
constexpr float kPaperMargin = 36.0f;  // between the widest line and the paper's side
constexpr float kPaperBottom = 176.0f; // where the torn paper ends in its picture
constexpr float kPaperBelow = 24.0f;   // paper under the last line's baseline
constexpr float kFirstBaseline = 512.0f;
constexpr float kLineStep = 44.0f;
constexpr float kStarGap = 14.0f;

bool SameClear(const ClearReport& a, const ClearReport& b)
{
    return a.position == b.position && a.loops == b.loops && a.milliseconds == b.milliseconds &&
           a.assisted == b.assisted && a.before == b.before && a.best == b.best && a.name == b.name &&
           a.par.loops == b.par.loops && a.par.milliseconds == b.par.milliseconds;
}

} // namespace

std::vector<ClearNote::Line> ClearNote::Lines(const ClearReport& clear)
{
    const auto assisted = [](bool marked) { return marked ? " " + Tr("ending row", "assisted") : std::string(); };
    const std::string bestLoops = std::to_string(clear.best.loops) + assisted(clear.best.loopsAssisted);
    const std::string bestTime = FormatGameTime(clear.best.milliseconds) + assisted(clear.best.timeAssisted);
    std::vector<Line> lines{
        {Fill(Tr("clear note", "%s · best %s"), {LoopCount(clear.loops), bestLoops}), clear.NewFewestLoops()},
        {Fill(Tr("clear note", "time %s · best %s"), {FormatGameTime(clear.milliseconds), bestTime}), clear.NewBestTime()},
    };
    if (!clear.name.empty())
        lines.insert(lines.begin(), {Fill(Tr("clear note", "level %s · %s"), {std::to_string(clear.position), clear.name}), false});
    const Medals medals = clear.NewMedals();
    if (medals.loops)
        lines.push_back({Fill(Tr("clear note", "loops medal · par %s"), {std::to_string(clear.par.loops)}), true});
    if (medals.time)
        lines.push_back({Fill(Tr("clear note", "time medal · par %s"), {FormatGameTime(clear.par.milliseconds)}), true});
    if (clear.assisted)
        lines.push_back({Tr("clear note", "an assisted clear: the game played slower"), false});
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
    if (paper_)
        paper_->SetAlpha(alpha);
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
    paper_ = sprites_.CreateSprite(datafiles::kClearNotePaper);
    Lettering lettering(sprites_);
    float baseline = kFirstBaseline;
    float widest = 0.0f;
    for (const Line& line : Lines(clear)) {
        const datafiles::GlyphSize size = shown_.empty() ? datafiles::GlyphSize::kLarge : datafiles::GlyphSize::kSmall;
        Shown shown{lettering.Write(line.text, vector2(kNoteCentre, baseline), size, TextAlign::kCentre), nullptr};
        float width = shown.text.Width();
        if (line.newRecord) {
            shown.star = sprites_.CreateSprite(datafiles::kMenuStar);
            const float capHeight = static_cast<float>(datafiles::GlyphMetricsOf(size).capHeight);
            shown.star->SetCentre(vector2(kNoteCentre + shown.text.Width() * 0.5f + kStarGap + shown.star->width * 0.5f,
                                          baseline - capHeight * 0.5f));
            width += 2.0f * (kStarGap + shown.star->width);
        }
        widest = Max(widest, width);
        shown_.push_back(shown);
        baseline += kLineStep;
    }
    LayPaper(widest, baseline - kLineStep);
    clear_ = clear;
}

// The paper as wide as the banner, or wider for a line that needs it, and as deep as the lines.
void ClearNote::LayPaper(float widest, float lastBaseline)
{
    const float paperWidth = datafiles::kClearNotePaperWidth - 2.0f * kPaperEdge;
    paper_->scaleX = Max(1.0f, (widest + 2.0f * kPaperMargin) / paperWidth);
    paper_->scaleY = (lastBaseline + kPaperBelow - kPaperTop) / kPaperBottom;
    paper_->SetCentre(vector2(kNoteCentre, kPaperTop + datafiles::kClearNotePaperHeight * paper_->scaleY * 0.5f));
}

void ClearNote::Remove()
{
    if (paper_)
        paper_->killed = true;
    paper_ = nullptr;
    for (Shown& line : shown_) {
        line.text.Remove();
        if (line.star)
            line.star->killed = true;
    }
    shown_.clear();
}
