#pragma once
// The controls on the title's note and on the help card, lettered in the keys and buttons of the
// device the player last used: W A S D as the player's own layout has them (Z Q S D on a French
// keyboard), the mouse, Space, F5, P and Esc; or the pad's sticks and its button that continues
// ("A", "Cross").
#include "app/control/inputnames.h"
#include "app/text/lettering.h"
#include "engine/render/spritecontainer.h"

#include <string>
#include <vector>

class ControlsNote {
public:
    // Where the rows go: the top of the first row's key caps, the step to the next row (after a
    // row of one line, and of two), and where the keys and their meanings start.
    struct Layout {
        float firstRow = static_cast<float>(datafiles::kHelpFirstRow);
        float rowStep = static_cast<float>(datafiles::kHelpRowStep);
        float tallRowStep = static_cast<float>(datafiles::kHelpTallRowStep);
        float keysLeft = static_cast<float>(datafiles::kHelpKeysLeft);
        float meaningLeft = static_cast<float>(datafiles::kHelpMeaningLeft);
    };

    // Lettered where the title's backdrop has room for it, or as laid out.
    explicit ControlsNote(CSpriteContainer& sprites);
    ControlsNote(CSpriteContainer& sprites, const Layout& layout) : sprites_(sprites), layout_(layout) {}
    ControlsNote(const ControlsNote&) = delete;
    ControlsNote& operator=(const ControlsNote&) = delete;

    // Letters the controls as the names give them; true when that changed what shows.
    bool Show(const InputNames& names);

    // One row of the note: the names on its key caps, and what they do (one or two lines).
    struct Row {
        std::vector<std::string> keys;
        std::vector<std::string> meaning;
    };
    static std::vector<Row> Rows(const InputNames& names);

private:
    void Letter(const std::vector<Row>& rows);

    CSpriteContainer& sprites_;
    Layout layout_;
    std::vector<CSprite*> caps_;
    std::vector<LetteredText> texts_;
    std::vector<Row> rows_; // as lettered
};
