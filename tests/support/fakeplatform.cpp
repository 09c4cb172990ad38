#include "support/fakeplatform.h"

#include "engine/input/gamekeys.h"

namespace testsupport {

void FakePlatform::Queue(const GameEvent& event, pads::Family family)
{
    NoteUse(event, family);
    queued_.push_back(event);
}

bool FakePlatform::Poll(GameEvent& event)
{
    if (queued_.empty())
        return false;
    event = queued_.front();
    queued_.pop_front();
    return true;
}

std::string FakePlatform::KeyLabel(int32_t key) const
{
    for (const auto& typed : layout) {
        if (typed.first == key)
            return typed.second;
    }
    const gamekeys::KeyPlace* place = gamekeys::PlaceOfNumber(key);
    return place ? place->name : std::string();
}

} // namespace testsupport
