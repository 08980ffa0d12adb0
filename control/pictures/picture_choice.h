// Which files the control program decodes and publishes: the window, MDI
// and TV wallpaper (the TV picture serves tree views and list views alike),
// each only while its switch is on (the catalogue's kPictureSlotRows), so
// that no process maps a picture no effect paints. An empty path: nothing
// for that slot.
#pragma once

#include <array>
#include <string>

#include "picture_set.h"
#include "settings_record.h"

namespace vornal {

using PicturePaths = std::array<std::string, kPictureSlots>;

PicturePaths PublishedPicturePaths(const Settings& settings);

}  // namespace vornal
