#include "app/play/statuslayer.h"

#include "app/text/translate.h"
#include "utils/datafiles.h"
#include "world/gameplay.h"

#include <string>

namespace {

// The label's right end and the line its letters are centred on.
constexpr float kLabelRight = kVirtualWidth - 24.0f;
constexpr float kLabelMiddle = kVirtualHeight - 30.0f;
// The name's baseline, over the label.
constexpr float kNameBaseline = kLabelMiddle - 22.0f;
// The space between two words of the label (digits of one number touch).
constexpr float kWordGap = 9.0f;
const vector2 kPausedCentre(kVirtualWidth * 0.5f, kVirtualHeight * 0.5f);
// Under the time slider's left end.
const vector2 kSaveNoteAnchor(150.0f, 84.0f);
// Under the paused scrap.
const vector2 kPauseNoteAnchor(kVirtualWidth * 0.5f, kVirtualHeight * 0.5f + 100.0f);

void AddNumber(std::vector<std::string>& images, int number)
{
    for (char digit : std::to_string(number))
        images.push_back(datafiles::LabelDigit(digit - '0'));
}

bool IsDigit(const std::string& image) { return image.find("hud_digit_") != std::string::npos; }

} // namespace

std::vector<std::string> StatusLayer::LabelImages(const Place& place)
{
    std::vector<std::string> images;
    if (place.level < 1 || place.level > place.levelCount)
        return images;
    images.push_back(InSpokenLanguage(datafiles::kLabelLevel));
    AddNumber(images, place.level);
    images.push_back(datafiles::kLabelSlash);
    AddNumber(images, place.levelCount);
    images.push_back(datafiles::kLabelDot);
    images.push_back(InSpokenLanguage(datafiles::kLabelLoop));
    AddNumber(images, place.loop);
    return images;
}

bool StatusLayer::Update(const Place& place, bool paused)
{
    const bool relettered = !lettered_ || !place.SameLabel(shown_) || speech_ != SpeechChanges();
    if (relettered)
        Letter(place);
    const bool noteChanged = clearNote_.Show(place.clear, place.bannerAlpha);
    const std::string saveFailed = place.saveFailed ? Tr("pause note", "progress cannot be saved") : "";
    const bool saveNoteChanged = saveNote_.Say(sprites_, saveFailed, kSaveNoteAnchor, TextAlign::kLeft);
    const std::string resume = place.padGone           ? Tr("pause note", "pad disconnected")
                               : place.pauseKey.empty() ? ""
                                                        : Fill(Tr("pause note", "%s: resume"), {place.pauseKey});
    const bool pauseNoteChanged = pauseNote_.Say(sprites_, paused ? resume : "", kPauseNoteAnchor);
    const bool scrapChanged = paused != (pausedScrap_ != nullptr);
    if (paused && !pausedScrap_) {
        pausedScrap_ = sprites_.CreateSprite(InSpokenLanguage(datafiles::kPaused));
        pausedScrap_->SetCentre(kPausedCentre);
    } else if (!paused && pausedScrap_) {
        pausedScrap_->killed = true;
        pausedScrap_ = nullptr;
    }
    const bool faded = GiveWay(paused);
    return relettered || scrapChanged || noteChanged || saveNoteChanged || pauseNoteChanged || faded;
}

rect StatusLayer::LabelArea() const
{
    if (label_.empty())
        return rect();
    float top = label_.front()->y;
    float bottom = top;
    for (const CSprite* letter : label_) {
        top = Min(top, letter->y);
        bottom = Max(bottom, letter->y + letter->height);
    }
    float left = label_.front()->x;
    if (name_.SpriteCount() > 0) {
        top = Min(top, kNameBaseline - datafiles::GlyphMetricsOf(datafiles::GlyphSize::kSmall).baseline);
        left = Min(left, kLabelRight - name_.Width());
    }
    return rect(left, top, kLabelRight - left, bottom - top);
}

bool StatusLayer::GiveWay(bool paused)
{
    if (!field_ || paused || !labelFade_.Step(*field_, LabelArea(), Gameplay::kStepMs))
        return false;
    SetLabelAlpha(labelFade_.Alpha());
    return true;
}

void StatusLayer::SetLabelAlpha(float alpha)
{
    for (CSprite* letter : label_)
        letter->SetAlpha(alpha);
    name_.SetAlpha(alpha);
}

void StatusLayer::LetterName(const std::string& name)
{
    name_.Remove();
    if (label_.empty() || name.empty())
        return;
    name_ = Lettering(sprites_).Write(name, vector2(kLabelRight, kNameBaseline), datafiles::GlyphSize::kSmall, TextAlign::kRight);
}

void StatusLayer::Letter(const Place& place)
{
    for (CSprite* letter : label_)
        letter->killed = true;
    label_.clear();
    // Laid out from 0, left to right, then moved so that the label ends at its right margin.
    const std::vector<std::string> images = LabelImages(place);
    float pen = 0.0f;
    for (std::size_t i = 0; i < images.size(); ++i) {
        CSprite* letter = sprites_.CreateSprite(images[i]);
        if (i > 0 && !(IsDigit(images[i - 1]) && IsDigit(images[i])))
            pen += kWordGap;
        letter->x = pen;
        letter->y = kLabelMiddle - letter->height * 0.5f;
        letter->SetAlpha(labelFade_.Alpha());
        pen += letter->width;
        label_.push_back(letter);
    }
    for (CSprite* letter : label_)
        letter->x += kLabelRight - pen;
    LetterName(place.name);
    SetLabelAlpha(labelFade_.Alpha());
    shown_ = place;
    lettered_ = true;
    speech_ = SpeechChanges();
}
