#include "pictures/picture_choice.h"

namespace vornal {

static_assert(kPictureSlotCount == kPictureSlots, "the catalogue's slots are the published set's");

PicturePaths PublishedPicturePaths(const Settings& settings) {
  PicturePaths paths;
  for (const PictureSlotRow& row : kPictureSlotRows) {
    if (PictureWanted(settings, row.slot)) {
      paths[static_cast<std::size_t>(row.slot)] = settings.Text(row.path).c_str();
    }
  }
  return paths;
}

}  // namespace vornal
