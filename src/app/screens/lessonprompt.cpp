#include "app/screens/lessonprompt.h"

#include "app/text/keycaps.h"
#include "app/text/translate.h"
#include "engine/input/gamekeys.h"
#include "engine/input/padbuttons.h"
#include "utils/stringutils.h"

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

// A line of the lesson in the language spoken: its words, with the key caps in turn where the
// translation has "%s".
PromptLine WithKeys(const std::string& line, const std::vector<std::string>& keys)
{
    PromptLine pieces;
    std::size_t start = 0, key = 0;
    for (;;) {
        const std::size_t at = line.find("%s", start);
        const std::string words = kolm::Trim(line.substr(start, at == std::string::npos ? at : at - start));
        if (!words.empty())
            pieces.push_back(Words(words));
        if (at == std::string::npos)
            return pieces;
        if (key < keys.size())
            pieces.push_back(Key(keys[key++]));
        start = at + 2;
    }
}

// The mouse's left button goes by "click", as on the title.
std::string FireName(const InputNames& names)
{
    const std::string fire = names.Action(Action::kFire);
    return fire == "Mouse Left" ? Tr("controls note", "click") : fire;
}

std::vector<PromptLine> MoveLines(const InputNames& names)
{
    if (names.PadInUse())
        return {WithKeys(Tr("lesson line", "%s walk about the sheet"), {names.Action(Action::kUp)})};
    return {WithKeys(Tr("lesson line", "%s %s %s %s walk about the sheet"),
                     {names.Action(Action::kUp), names.Action(Action::kLeft), names.Action(Action::kDown),
                      names.Action(Action::kRight)})};
}

std::vector<PromptLine> FireLines(const LessonCoach& coach, const InputNames& names)
{
    const std::string all = std::to_string(LessonCoach::kRobotsToShoot);
    const std::string shot = std::to_string(std::min(coach.RobotsShot(), LessonCoach::kRobotsToShoot));
    const PromptLine count = {Words(Fill(Tr("lesson line", "shoot %s robots: %s / %s"), {all, shot, all}))};
    if (names.PadInUse())
        return {WithKeys(Tr("lesson line", "%s aims; pushed past half way, it fires"), {Tr("controls note", "R stick")}),
                count};
    return {WithKeys(Tr("lesson line", "%s aims · hold %s to fire"), {Tr("controls note", "mouse"), FireName(names)}),
            count};
}

std::vector<PromptLine> Lines(const LessonCoach& coach, const InputNames& names)
{
    const std::vector<std::string> restart = {names.Action(Action::kRestartLoop)};
    switch (coach.Current()) {
    case Step::kMove:
        return MoveLines(names);
    case Step::kFire:
        return FireLines(coach, names);
    case Step::kLoop:
        return {WithKeys(Tr("lesson line", "shoot at the robots, then press %s"), restart),
                {Words(Tr("lesson line", "or get caught: the loop starts again"))}};
    case Step::kWatch:
        return {{Words(Tr("lesson line", "the pencil figure is you, a loop ago:"))},
                {Words(Tr("lesson line", "it does again all that you did"))}};
    case Step::kChain:
        return {{Words(Tr("lesson line", "shoot a robot when your past self does:"))},
                {Words(Tr("lesson line", "hit by both of you within 350 ms, it explodes"))},
                WithKeys(Tr("lesson line", "and takes its neighbours · %s try again"), restart)};
    case Step::kDone:
        break;
    }
    return {{Words(Tr("lesson line", "clear a level: stay alive until its time runs out"))},
            WithKeys(Tr("lesson line", "%s on to level 1"), {names.Action(Action::kContinue)})};
}

std::string Title(Step step)
{
    static const char* const kTitles[LessonCoach::kStepCount] = {
        NoTr("lesson title", "1 · Move"),           NoTr("lesson title", "2 · Aim and fire"),
        NoTr("lesson title", "3 · The loop"),       NoTr("lesson title", "4 · Your past self"),
        NoTr("lesson title", "5 · The chain"),      NoTr("lesson title", "Well done: a chain!")};
    return Tr("lesson title", kTitles[static_cast<int>(step)]);
}

PromptLine Footer(const InputNames& names)
{
    if (names.PadInUse())
        return WithKeys(Tr("lesson line", "%s skip the lesson"), {names.Button(pads::kBack)});
    return WithKeys(Tr("lesson line", "%s skip the lesson · %s pause"),
                    {names.Key(gamekeys::kTab), names.Action(Action::kMenu)});
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
