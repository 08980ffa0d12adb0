#include "picture_choice.h"

namespace vornal {

PicturePaths PublishedPicturePaths(const Settings& settings) {
  const bool windowWallpaper = settings.CheckFlag(10);
  const bool mdiWallpaper = settings.CheckFlag(11);
  const bool treeViewWallpaper = settings.CheckFlag(13);
  const bool listViewWallpaper = settings.CheckFlag(14);
  PicturePaths paths;
  if (windowWallpaper) paths[0] = settings.Text(TextField::WindowWallpaper).c_str();
  if (mdiWallpaper) paths[1] = settings.Text(TextField::MDIWallpaper).c_str();
  if (treeViewWallpaper || listViewWallpaper) paths[2] = settings.Text(TextField::TVWallpaper).c_str();
  return paths;
}

}  // namespace vornal
