// The wallpaper pictures as the control program publishes them for every
// hooked process of the desktop (picture_set.h): each file decoded once,
// in the screen's format and repeated to its tile size, into a section
// that the hooked processes map read-only, and named as the current set in
// the directory object. A set is filled before it is named, so a reload
// never meets a half-written picture; the set before it stays mapped in
// processes until their next reload.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "gdi_owners.h"
#include "pictures/picture_choice.h"
#include "picture_set.h"
#include "unique_handle.h"
#include "unique_view.h"

namespace vornal {

class PicturePublisher {
 public:
  PicturePublisher() = default;
  ~PicturePublisher() { Withdraw(); }
  PicturePublisher(const PicturePublisher&) = delete;
  PicturePublisher& operator=(const PicturePublisher&) = delete;

  // The window, MDI and TV pictures (an empty path: none). A set is made
  // only when a path, a file or the screen's format has changed since the
  // last one; a file that is not a whole, sensible bitmap leaves its slot
  // empty (the library then keeps the picture it had). False when no set
  // could be published; the library then reads the files itself.
  bool Publish(const PicturePaths& paths);
  // No set any more: hooked processes read the files themselves again.
  void Withdraw();

 private:
  struct Source {
    std::string path;
    std::uint64_t size = 0;
    std::uint64_t written = 0;

    bool operator==(const Source&) const = default;
  };
  // A set as this program holds it. Its view and the DIBs that drew the
  // pixels stay until the set is replaced: the pages are then shared
  // between this program and every process that maps the set, and counted
  // to none of them alone.
  struct Set {
    UniqueHandle section;
    UniqueView view;
    std::array<UniqueBitmap, kPictureSlots> dibs;
  };
  PictureDirectory* Directory() const;
  bool OpenDirectory();
  bool MakeSet(std::uint32_t generation, const PicturePaths& paths,
               const PictureFormat& format, Set& set);

  UniqueHandle directory_;
  UniqueView directoryView_;
  Set set_;
  std::uint32_t generation_ = 0;
  std::array<Source, kPictureSlots> published_;
  PictureFormat format_;
};

}  // namespace vornal
