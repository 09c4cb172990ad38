#include "app/screens/lessonprompt.h"

#include "app/text/keycaps.h"
#include "engine/input/gamekeys.h"
#include "engine/input/padbuttons.h"

#include <algorithm>
#include <cmath>

namespace {

using datafiles::GlyphSize;
using Step = LessonCoach::Step;

constexpr float kCentre = kVirtualWidth * 0.5f;
constexpr float kTitleBaseline = 100.0f;
constexpr float kFirstLine = 144.0f;
constexpr float kLineStep = 40.0f;
constexpr float kFooterGap = 44.0f;
constexpr float kKeyGap = 5.0f;  // between two key caps
constexpr float kWordGap = 8.0f; // between a key cap and words
constexpr float kTickGap = 16.0f;
// How far the prompt reaches above the title's baseline and below the last line's.
constexpr float kAboveTitle = 40.0f;
constexpr float kBelowLine = 14.0f;
constexpr float kGrey = 0.6f;

PromptPiece Key(const std::string& name) { return {name, true}; }
PromptPiece Words(const std::string& text) { return {text, false}; }

// The mouse's left button goes by "click", as on the title.
std::string FireName(const InputNames& names)
{
    const std::string fire = names.Action(Action::kFire);
    return fire == "Mouse Left" ? "click" : fire;
}

std::vector<PromptLine> MoveLines(const InputNames& names)
{
    if (names.PadInUse())
        return {{Key(names.Action(Action::kUp)), Words("walk about the sheet")}};
    return {{Key(names.Action(Action::kUp)), Key(names.Action(Action::kLeft)), Key(names.Action(Action::kDown)),
             Key(names.Action(Action::kRight)), Words("walk about the sheet")}};
}

std::vector<PromptLine> FireLines(const LessonCoach& coach, const InputNames& names)
{
    const PromptLine count = {Words("shoot " + std::to_string(LessonCoach::kRobotsToShoot) + " robots: " +
                                    std::to_string(std::min(coach.RobotsShot(), LessonCoach::kRobotsToShoot)) + " / " +
                                    std::to_string(LessonCoach::kRobotsToShoot))};
    if (names.PadInUse())
        return {{Key("R stick"), Words("aims; pushed past half way, it fires")}, count};
    return {{Key("mouse"), Words("aims \u00B7 hold"), Key(FireName(names)), Words("to fire")}, count};
}

std::vector<PromptLine> Lines(const LessonCoach& coach, const InputNames& names)
{
    const PromptPiece restart = Key(names.Action(Action::kRestartLoop));
    switch (coach.Current()) {
    case Step::kMove:
        return MoveLines(names);
    case Step::kFire:
        return FireLines(coach, names);
    case Step::kLoop:
        return {{Words("shoot at the robots, then press"), restart}, {Words("or get caught: the loop starts again")}};
    case Step::kWatch:
        return {{Words("the pencil figure is you, a loop ago:")}, {Words("it does again all that you did")}};
    case Step::kChain:
        return {{Words("shoot a robot when your past self does:")},
                {Words("hit by both of you within 350 ms, it explodes")},
                {Words("and takes its neighbours \u00B7"), restart, Words("try again")}};
    case Step::kDone:
        break;
    }
    return {{Words("clear a level: stay alive until its time runs out")},
            {Key(names.Action(Action::kContinue)), Words("on to level 1")}};
}

const char* Title(Step step)
{
    static const char* const kTitles[LessonCoach::kStepCount] = {
        "1 \u00B7 Move", "2 \u00B7 Aim and fire", "3 \u00B7 The loop", "4 \u00B7 Your past self", "5 \u00B7 The chain",
        "Well done: a chain!"};
    return kTitles[static_cast<int>(step)];
}

PromptLine Footer(const InputNames& names)
{
    if (names.PadInUse())
        return {Key(names.Button(pads::kBack)), Words("skip the lesson")};
    return {Key(names.Key(gamekeys::kTab)), Words("skip the lesson \u00B7"), Key(names.Action(Action::kMenu)),
            Words("pause")};
}

// How far the piece at index reaches beyond the one before it.
float Advance(const PromptLine& line, std::size_t index)
{
    const PromptPiece& piece = line[index];
    const float gap = index == 0 ? 0.0f : piece.key && line[index - 1].key ? kKeyGap : kWordGap;
    const float width = piece.key ? static_cast<float>(KeyCapWidth(piece.text, GlyphSize::kSmall))
                                  : Lettering::Width(piece.text, GlyphSize::kSmall);
    return gap + width;
}

} // namespace

PromptWords LessonWords(const LessonCoach& coach, const InputNames& names)
{
    PromptWords words;
    words.title = Title(coach.Current());
    words.lines = Lines(coach, names);
    words.footer = Footer(names);
    words.done = coach.Done();
    return words;
}

std::string PlainText(const PromptLine& line)
{
    std::string text;
    for (const PromptPiece& piece : line)
        text += (text.empty() ? "" : " ") + (piece.key ? "[" + piece.text + "]" : piece.text);
    return text;
}

bool LessonPrompt::Show(const PromptWords& words)
{
    if (words == shown_)
        return false;
    sprites_.Clear();
    Lettering lettering(sprites_);
    const LetteredText title =
        lettering.Write(words.title, vector2(kCentre, kTitleBaseline), GlyphSize::kLarge, TextAlign::kCentre);
    if (words.done) {
        CSprite* tick = sprites_.CreateSprite(datafiles::kMenuTick);
        const float capHeight = static_cast<float>(datafiles::GlyphMetricsOf(GlyphSize::kLarge).capHeight);
        tick->SetCentre(vector2(kCentre + title.Width() * 0.5f + kTickGap + tick->width * 0.5f,
                                kTitleBaseline - capHeight * 0.5f));
    }
    float baseline = kFirstLine;
    float widest = title.Width();
    for (const PromptLine& line : words.lines) {
        widest = Max(widest, Letter(line, baseline, false));
        baseline += kLineStep;
    }
    baseline += kFooterGap - kLineStep;
    widest = Max(widest, Letter(words.footer, baseline, true));
    const float top = kTitleBaseline - kAboveTitle;
    area_ = rect(kCentre - widest * 0.5f, top, widest, baseline + kBelowLine - top);
    shown_ = words;
    Fade();
    return true;
}

bool LessonPrompt::GiveWay(const Gameplay& field, uint32_t dt)
{
    if (!fade_.Step(field, area_, dt))
        return false;
    Fade();
    return true;
}

void LessonPrompt::Fade()
{
    for (CSprite* sprite : sprites_.Sprites())
        sprite->SetAlpha(fade_.Alpha());
}

float LessonPrompt::Letter(const PromptLine& line, float baseline, bool grey)
{
    float width = 0.0f;
    for (std::size_t i = 0; i < line.size(); ++i)
        width += Advance(line, i);
    float pen = kCentre - width * 0.5f;
    Lettering lettering(sprites_);
    const float capTop = static_cast<float>(datafiles::KeyCapMetricsOf(GlyphSize::kSmall).baseline);
    for (std::size_t i = 0; i < line.size(); ++i) {
        const float advance = Advance(line, i);
        const float left = pen + advance - (line[i].key ? static_cast<float>(KeyCapWidth(line[i].text, GlyphSize::kSmall))
                                                        : Lettering::Width(line[i].text, GlyphSize::kSmall));
        if (line[i].key) {
            CSprite* cap = sprites_.CreateSprite(KeyCapPicture(line[i].text, GlyphSize::kSmall));
            cap->x = std::round(left);
            cap->y = baseline - capTop;
        } else {
            LetteredText text = lettering.Write(line[i].text, vector2(left, baseline), GlyphSize::kSmall);
            if (grey)
                text.SetColour(kGrey, kGrey, kGrey);
        }
        pen += advance;
    }
    return width;
}
