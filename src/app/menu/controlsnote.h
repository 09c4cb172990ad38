#pragma once
// The controls on the title's note, lettered in the keys and buttons of the device the player
// last used: W A S D as the player's own layout has them (Z Q S D on a French keyboard), the
// mouse, Space, F5, P and Esc; or the pad's sticks and its button that continues ("A", "Cross").
#include "app/control/inputnames.h"
#include "app/text/lettering.h"
#include "engine/render/spritecontainer.h"

#include <string>
#include <vector>

class ControlsNote {
public:
    explicit ControlsNote(CSpriteContainer& sprites) : sprites_(sprites) {}
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
    std::vector<CSprite*> caps_;
    std::vector<LetteredText> texts_;
    std::vector<Row> rows_; // as lettered
};
