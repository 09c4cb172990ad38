#include "utils/translation/textplaces.h"

namespace translation {

const TextPlace* PlaceNamed(std::string_view name)
{
    for (const TextPlace& place : kTextPlaces)
        if (name == place.name)
            return &place;
    return nullptr;
}

} // namespace translation
