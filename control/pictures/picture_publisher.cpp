#include "pictures/picture_publisher.h"

#include <sddl.h>

#include <cstring>
#include <utility>

#include "cross_process_names.h"
#include "picture_render.h"

namespace vornal {
namespace {

// What the current user's other processes may do with the published
// objects: map them for reading and look at them, nothing more. The
// control program's own handle keeps the full access it was created with.
// The owner-rights entry takes the owner's implicit right to change the
// list away where the system knows it (Vista on); without it the objects
// are still the user's alone.
bool MakeReadOnly(HANDLE object) {
  HANDLE opened = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &opened)) return false;
  const UniqueHandle token(opened);
  char buffer[256];
  DWORD size = 0;
  const bool gotUser = GetTokenInformation(token.Get(), TokenUser, buffer, sizeof buffer, &size) != FALSE;
  char* sid = nullptr;
  if (!gotUser || !ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid, &sid)) {
    return false;
  }
  // SECTION_QUERY | SECTION_MAP_READ | READ_CONTROL
  std::string rights = std::string("(A;;0x20005;;;") + sid + ")";
  LocalFree(sid);
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  bool made = false;
  for (const std::string& dacl : {"D:P" + rights + "(A;;0x20000;;;OW)", "D:P" + rights}) {
    if (ConvertStringSecurityDescriptorToSecurityDescriptorA(dacl.c_str(), SDDL_REVISION_1,
                                                             &descriptor, nullptr)) {
      made = SetKernelObjectSecurity(object, DACL_SECURITY_INFORMATION, descriptor) != FALSE;
      LocalFree(descriptor);
      if (made) break;
    }
  }
  return made;
}

bool Describe(const std::string& path, std::uint64_t& size, std::uint64_t& written) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (path.empty() || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return false;
  size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  written = (std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime;
  return true;
}

}  // namespace

PictureDirectory* PicturePublisher::Directory() const {
  return static_cast<PictureDirectory*>(directoryView_.Get());
}

bool PicturePublisher::OpenDirectory() {
  if (directoryView_) return true;
  UniqueHandle directory(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                            sizeof(PictureDirectory), kPictureDirectoryName));
  if (!directory) return false;
  UniqueView view(MapViewOfFile(directory.Get(), FILE_MAP_WRITE, 0, 0, sizeof(PictureDirectory)));
  if (!view) return false;
  auto* d = static_cast<PictureDirectory*>(view.Get());
  d->magic = kPictureDirectoryMagic;
  __atomic_store_n(&d->generation, 0u, __ATOMIC_RELEASE);
  MakeReadOnly(directory.Get());
  directory_ = std::move(directory);
  directoryView_ = std::move(view);
  return true;
}

bool PicturePublisher::MakeSet(std::uint32_t generation,
                               const PicturePaths& paths,
                               const PictureFormat& format, Set& set) {
  // Where each picture goes: after the header, on 16-byte boundaries.
  PictureSetHeader header;
  std::uint64_t end = sizeof header;
  for (int i = 0; i < kPictureSlots; ++i) {
    TileSize size;
    if (paths[i].empty() || !RenderedSizeOf(paths[i].c_str(), size)) continue;
    PictureEntry& e = header.entries[i];
    e.width = size.width;
    e.height = size.height;
    e.bitsPerPixel = format.bitsPerPixel;
    e.redMask = format.redMask;
    e.greenMask = format.greenMask;
    e.blueMask = format.blueMask;
    e.rowBytes = static_cast<std::uint32_t>(RowBytes(e.width, format.bitsPerPixel));
    e.bytes = std::uint64_t{e.rowBytes} * e.height;
    e.offset = PictureOffsetAfter(end);
    end = e.offset + e.bytes;
    std::strncpy(e.path, paths[i].c_str(), sizeof e.path - 1);
  }
  header.setBytes = end;

  PictureSetName name;
  PictureSetNameOf(generation, name);
  UniqueHandle section(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE,
                                          static_cast<DWORD>(end >> 32), static_cast<DWORD>(end), name));
  // A set of that name already there is not ours to fill.
  if (!section || GetLastError() == ERROR_ALREADY_EXISTS) return false;
  // The header goes in without its magic: until the magic is there, a
  // reload that finds the set takes it as not yet made.
  UniqueView mapped(MapViewOfFile(section.Get(), FILE_MAP_WRITE, 0, 0, 0));
  if (!mapped) return false;
  auto* view = static_cast<PictureSetHeader*>(mapped.Get());
  header.magic = 0;
  std::memcpy(view, &header, sizeof header);
  for (int i = 0; i < kPictureSlots; ++i) {
    PictureEntry& e = view->entries[i];
    if (e.width == 0) continue;
    RenderedPicture rendered;
    // The pixels are drawn straight into the set, through a DIB over them.
    if (RenderPictureFile(paths[i].c_str(), format, section.Get(), static_cast<DWORD>(e.offset),
                          rendered)) {
      set.dibs[static_cast<std::size_t>(i)] = std::move(rendered.dib);
      e.present = rendered.size.width == e.width && rendered.size.height == e.height ? 1 : 0;
    }
  }
  __atomic_store_n(&view->magic, kPictureSetMagic, __ATOMIC_RELEASE);
  MakeReadOnly(section.Get());
  set.section = std::move(section);
  set.view = std::move(mapped);
  return true;
}

bool PicturePublisher::Publish(const PicturePaths& paths) {
  const PictureFormat format = ScreenPictureFormat();
  std::array<Source, kPictureSlots> sources;
  for (int i = 0; i < kPictureSlots; ++i) {
    sources[i].path = paths[i];
    Describe(paths[i], sources[i].size, sources[i].written);
  }
  if (set_.section && format == format_ && sources == published_) return true;
  if (!OpenDirectory()) return false;
  // A name still held by something else (a set of an earlier run that a
  // process has just opened, say) is passed over.
  Set fresh;
  std::uint32_t next = generation_;
  bool made = false;
  for (int attempt = 0; attempt < 8 && !made; ++attempt) {
    if (++next == 0) ++next;
    fresh = Set{};
    made = MakeSet(next, paths, format, fresh);
  }
  if (!made) return false;
  // Named as current only now that it is whole; the set before goes when
  // the last process that maps it reloads.
  __atomic_store_n(&Directory()->generation, next, __ATOMIC_RELEASE);
  set_ = std::move(fresh);
  generation_ = next;
  published_ = sources;
  format_ = format;
  return true;
}

void PicturePublisher::Withdraw() {
  if (directoryView_) __atomic_store_n(&Directory()->generation, 0u, __ATOMIC_RELEASE);
  directoryView_.Reset();
  directory_.Reset();
  set_ = Set{};
  published_ = {};
}

}  // namespace vornal
