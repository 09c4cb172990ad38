#include "engine/input/gameevent.h"

GameEvent GameEvent::Key(int32_t key, bool down)
{
    GameEvent event;
    event.type = down ? Type::kKeyDown : Type::kKeyUp;
    event.key = key;
    return event;
}

GameEvent GameEvent::MouseMotion(float x, float y)
{
    GameEvent event;
    event.type = Type::kMouseMotion;
    event.x = x;
    event.y = y;
    return event;
}

GameEvent GameEvent::MouseButton(int32_t button, bool down, float x, float y)
{
    GameEvent event;
    event.type = down ? Type::kMouseDown : Type::kMouseUp;
    event.button = button;
    event.x = x;
    event.y = y;
    return event;
}

GameEvent GameEvent::PadAxis(int32_t axis, int32_t value, int32_t pad)
{
    GameEvent event;
    event.type = Type::kPadAxis;
    event.axis = axis;
    event.value = value;
    event.pad = pad;
    return event;
}

GameEvent GameEvent::PadButton(int32_t button, bool down, int32_t pad)
{
    GameEvent event;
    event.type = down ? Type::kPadDown : Type::kPadUp;
    event.button = button;
    event.pad = pad;
    return event;
}

GameEvent GameEvent::Of(Type type, int32_t pad)
{
    GameEvent event;
    event.type = type;
    event.pad = pad;
    return event;
}
