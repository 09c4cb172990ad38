#include "title.h"

#include "characters.h"
#include "field.h"
#include "hud.h"
#include "lettering.h"
#include "pen.h"
#include "robots.h"

#include "utils/datafiles.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

const double kPi = 3.14159265358979323846;

// Letters each line of the text (lines parted by "\n") at the style's size, or smaller where a
// line would be wider than maxWidth, one under the other from the first baseline.
void LetterLines(cairo_t* cr, const std::string& text, Pt first, double step, double maxWidth, Align align,
                 LetteringStyle style, Rng& rng)
{
    const double size = style.size;
    std::size_t start = 0;
    for (double y = first.y;; y += step) {
        const std::size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end == std::string::npos ? end : end - start);
        style.size = FittedSize(cr, line, size, maxWidth);
        Letter(cr, line, first.x, y, align, style, rng);
        if (end == std::string::npos)
            return;
        start = end + 1;
    }
}

void DrawTitleName(cairo_t* cr, const PictureWords& words, Rng& rng)
{
    LetteringStyle name;
    name.size = 176;
    name.ink = palette::kBallpoint;
    name.outline = 4.0;
    name.outlineInk = palette::kInk;
    name.warp = 1.2;
    // A pencil-hatched drop shadow under the inked name, as a doodled block letter has.
    Rng shadowShape(7310);
    LetteringPath(cr, "Tobrakka", 649, 184, Align::Centre, name, shadowShape);
    cairo_save(cr);
    cairo_clip(cr);
    HatchArea(cr, {640, 120}, 460, {palette::kGraphite, 0.8, -0.8, 3.2, 1.2, false}, rng);
    cairo_restore(cr);
    Letter(cr, "Tobrakka", 640, 175, Align::Centre, name, rng);
    // Light strokes along the letters, like the shine a ballpoint leaves on heavy ink.
    Rng shineShape(7311);
    LetteringPath(cr, "Tobrakka", 637, 172, Align::Centre, name, shineShape);
    cairo_save(cr);
    cairo_clip(cr);
    cairo_new_path(cr);
    LetteringPath(cr, "Tobrakka", 640, 175, Align::Centre, name, shineShape);
    cairo_clip(cr);
    HatchArea(cr, {640, 110}, 460, {palette::kBallpointLight, 0.55, 0.8, 7.0, 1.4, false}, rng);
    cairo_restore(cr);
    std::vector<Pt> underline;
    for (int i = 0; i <= 14; ++i)
        underline.push_back({300 + i * 50.0, 204 + 4.0 * std::sin(i * 1.7) - i * 0.6});
    InkLine(cr, underline, palette::kRedInk, 4.0, 0.85);
    LetteringStyle idea;
    idea.size = 31;
    idea.ink = palette::kInk;
    idea.warp = 0.5;
    LetterLines(cr,
                words.Tr("title picture",
                         "each time you fall, the level loops back to the start -\nand your earlier attempts fight beside you."),
                {640, 252}, 38, 1200, Align::Centre, idea, rng);
}

const double kKeyText = 20.0;
const double kKeyHeight = 34.0;

// A key cap as wide as its label needs; returns its width.
double DrawKeyCap(cairo_t* cr, double x, double y, const std::string& label, Rng& rng)
{
    const double width = std::max(32.0, LetteringWidth(cr, label, kKeyText) + 20.0);
    ShapeStyle key;
    key.fill = Mix(palette::kPaper, palette::kGraphiteLight, 0.3);
    key.ink = palette::kInk;
    key.width = 1.8;
    key.wobble = 0.3;
    DrawShape(cr, RoundedRectPoints(x, y, x + width, y + kKeyHeight, 6), key, rng);
    key.fill = palette::kPaper;
    key.width = 1.0;
    DrawShape(cr, RoundedRectPoints(x + 4, y + 3, x + width - 4, y + kKeyHeight - 7, 4), key, rng);
    LetteringStyle style;
    style.size = kKeyText;
    style.ink = palette::kInk;
    style.warp = 0.3;
    Letter(cr, label, x + width * 0.5, y + 22, Align::Centre, style, rng);
    return width;
}

struct ControlLine {
    std::vector<std::string> keys;
    std::vector<std::string> meaning; // one or two lines
};

// The note the controls are written on, with its heading.
void DrawControlsNote(cairo_t* cr, const PictureWords& words, Rng& rng)
{
    DrawPaperScrap(cr, 64, 316, 648, 708, -0.012, 7301);
    LetteringStyle heading;
    heading.size = 34;
    heading.ink = palette::kRedInk;
    heading.warp = 0.5;
    LetterLines(cr, words.Tr("title picture", "how to play"), {96, 360}, 0, 520, Align::Left, heading, rng);
}

void DrawControls(cairo_t* cr, Rng& rng)
{
    const std::vector<ControlLine> lines{
        {{"w", "a", "s", "d"}, {"move (or the arrow keys)"}},
        {{"mouse"}, {"aim"}},
        {{"left button"}, {"fire"}},
        {{"space"}, {"continue after a death", "or a cleared level"}},
        {{"F5"}, {"start the loop again"}},
        {{"P"}, {"pause, and resume"}},
        {{"Esc"}, {"open the pause menu", "(with -classic: quit)"}}};
    LetteringStyle text;
    text.size = 23;
    text.ink = palette::kBallpoint;
    text.warp = 0.4;
    double y = datafiles::kHelpFirstRow;
    for (const ControlLine& line : lines) {
        double x = datafiles::kHelpKeysLeft;
        for (const std::string& key : line.keys)
            x += DrawKeyCap(cr, x, y, key, rng) + 5;
        const double first = line.meaning.size() > 1 ? y + 12 : y + 24;
        for (std::size_t i = 0; i < line.meaning.size(); ++i)
            Letter(cr, line.meaning[i], datafiles::kHelpMeaningLeft, first + i * 25.0, Align::Left, text, rng);
        y += line.meaning.size() > 1 ? datafiles::kHelpTallRowStep : datafiles::kHelpRowStep;
    }
}

void DrawShot(cairo_t* cr, Pt from, Pt to, Rgb colour)
{
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double len = std::hypot(dx, dy);
    for (double t = 0.0; t + 22.0 < len; t += 38.0) {
        const Pt a{from.x + dx * t / len, from.y + dy * t / len};
        const Pt b{from.x + dx * (t + 22.0) / len, from.y + dy * (t + 22.0) / len};
        TaperedStroke(cr, {a, b}, 0.8, 4.0, colour, 0.85);
    }
}

// Where a figure's muzzle lands once it is placed, turned and scaled.
Pt Muzzle(double x, double y, double angle, double scale, double ahead)
{
    return {x + scale * (ahead * std::cos(angle) - 7 * std::sin(angle)),
            y + scale * (ahead * std::sin(angle) + 7 * std::cos(angle))};
}

void Annotate(cairo_t* cr, const std::string& text, Pt at, Pt target, Rgb colour, Rng& rng)
{
    LetteringStyle style;
    style.size = 24;
    style.ink = colour;
    style.warp = 0.4;
    LetterLines(cr, text, at, 0, 300, Align::Centre, style, rng);
    const Pt start{at.x, at.y + (target.y > at.y ? 8.0 : -28.0)};
    const Pt mid{(start.x + target.x) * 0.5 + 12.0, (start.y + target.y) * 0.5};
    InkLine(cr, {start, mid, target}, colour, 1.6);
    const double a = std::atan2(target.y - mid.y, target.x - mid.x);
    for (double side : {-0.5, 0.5})
        InkLine(cr, {target, {target.x - 11 * std::cos(a + side), target.y - 11 * std::sin(a + side)}}, colour, 1.6);
}

void DrawBattle(cairo_t* cr, const PictureWords& words, Rng& rng)
{
    const FigureLook hero = HeroLook(), ghost = GhostLook();
    struct Shooter {
        Pt at;
        double angle;
        bool live;
    };
    const Shooter shooters[3] = {{{850, 520}, -0.12, true}, {{760, 420}, -0.05, false}, {{780, 630}, -0.35, false}};
    const Pt bigBad{1150, 470};
    for (const Shooter& s : shooters) {
        const Pt muzzle = Muzzle(s.at.x, s.at.y, s.angle, 2.0, 36);
        DrawShot(cr, muzzle, {bigBad.x - 40, bigBad.y + (s.at.y - bigBad.y) * 0.3}, s.live ? palette::kBallpoint : palette::kGraphite);
    }
    Placed(cr, bigBad.x, bigBad.y, kPi, 1.25, [&] { DrawBigBad(cr, 0.6, 0); });
    Placed(cr, 1090, 650, kPi * 0.85, 1.6, [&] { DrawTreadBot(cr, 0.3); });
    Placed(cr, 1010, 360, kPi * 1.2, 1.6, [&] { DrawHornet(cr, 0.4); });
    for (const Shooter& s : shooters) {
        Placed(cr, s.at.x, s.at.y, s.angle, 2.0, [&] {
            cairo_push_group(cr);
            DrawStandingFigure(cr, s.live ? hero : ghost, s.live ? 1.0 : -1.0, 1);
            cairo_pop_group_to_source(cr);
            cairo_paint_with_alpha(cr, s.live ? 1.0 : ghost.alpha);
        });
    }
    Annotate(cr, words.Tr("title picture", "you"), {890, 620}, {860, 560}, palette::kRedInk, rng);
    Annotate(cr, words.Tr("title picture", "you, last time"), {735, 330}, {752, 385}, palette::kGraphite, rng);
    Annotate(cr, words.Tr("title picture", "you, before that"), {930, 700}, {822, 650}, palette::kGraphite, rng);
}

void DrawStartHint(cairo_t* cr, const PictureWords& words, Rng& rng)
{
    LetteringStyle style;
    style.size = 22;
    style.ink = palette::kGraphite;
    style.warp = 0.3;
    LetterLines(cr, words.Tr("title picture", "click or press space to start"), {1250, 40}, 0, 700, Align::Right, style,
                rng);
}

// The title, with its controls written on their note or, for the backdrop the game letters the
// player's own keys over, the note left blank; its words in the language.
Surface TitleScreen(bool withControls, const PictureWords& words)
{
    Surface title = NewSurface(1280, 720);
    PaintPaper(title, 7200);
    cairo_t* cr = cairo_create(title.get());
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    RuleGrid(cr, 1280, 720, 35, 20, 0.4);
    Rng rng(7300);
    DrawTitleName(cr, words, rng);
    DrawBattle(cr, words, rng);
    DrawControlsNote(cr, words, rng);
    if (withControls)
        DrawControls(cr, rng);
    DrawStartHint(cr, words, rng);
    cairo_destroy(cr);
    return title;
}

} // namespace

void AddTitleArt(PictureSet& pictures, const std::vector<PictureWords>& languages)
{
    // The classic title is the game's own, in English alone.
    pictures.Add(datafiles::kTitleScreen, TitleScreen(true, languages.front()));
    for (const PictureWords& words : languages)
        words.Add(pictures, datafiles::kTitleBackdrop, TitleScreen(false, words));
}
