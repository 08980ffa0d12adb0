#include "exclusion_rules.h"

#include <cstddef>

namespace vornal {
namespace {

constexpr char FoldedLetter(char c) noexcept {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// A path's characters as patterns compare them: one separator for both.
constexpr char FoldedPathChar(char c) noexcept { return c == '/' ? '\\' : FoldedLetter(c); }

bool SameLetters(const char* a, const char* b) noexcept {
  for (; *a != '\0' && FoldedLetter(*a) == FoldedLetter(*b); ++a, ++b) {
  }
  return *a == *b;
}

bool StartsWith(const char* text, const char* start) noexcept {
  for (; *start != '\0'; ++text, ++start) {
    if (FoldedLetter(*text) != FoldedLetter(*start)) return false;
  }
  return true;
}

bool IsFileNameEntry(const char* entry) noexcept {
  for (; *entry != '\0'; ++entry) {
    switch (*entry) {
      case '\\': case '/': case '*': case '?': case ':': return false;
      default: break;
    }
  }
  return true;
}

const char* FileNamePart(const char* path) noexcept {
  const char* name = path;
  for (; *path != '\0'; ++path) {
    if (*path == '\\' || *path == '/' || *path == ':') name = path + 1;
  }
  return name;
}

// The image path as a pattern sees it: past a "\\?\" prefix, and with the
// "\\?\UNC\" of a share read as "\\" (the first '\' is not in the text, so
// it is lent by the view).
class PathView {
 public:
  explicit PathView(const char* path) noexcept {
    if (StartsWith(path, "\\\\?\\UNC\\")) {
      text_ = path + 7;
      lent_ = true;
    } else if (StartsWith(path, "\\\\?\\")) {
      text_ = path + 4;
    } else {
      text_ = path;
    }
    for (const char* p = text_; *p != '\0'; ++p) ++length_;
    if (lent_) ++length_;
  }
  std::size_t Length() const noexcept { return length_; }
  char At(std::size_t i) const noexcept {
    if (lent_) return i == 0 ? '\\' : FoldedPathChar(text_[i - 1]);
    return FoldedPathChar(text_[i]);
  }

 private:
  const char* text_ = nullptr;
  std::size_t length_ = 0;
  bool lent_ = false;
};

// The greedy two-pointer match: on a mismatch only the last '*' seen takes
// one character more. Going back to an earlier '*' is never needed, because
// whatever it could take the last one can take as well; so the steps are at
// most pattern length × path length, however many stars there are.
bool WildcardMatches(const char* pattern, const PathView& path) noexcept {
  constexpr std::size_t kNoStar = static_cast<std::size_t>(-1);
  std::size_t p = 0;
  std::size_t s = 0;
  std::size_t star = kNoStar;
  std::size_t starTook = 0;
  while (s < path.Length()) {
    if (pattern[p] == '*') {
      star = p++;
      starTook = s;
    } else if (pattern[p] != '\0' && (pattern[p] == '?' || FoldedPathChar(pattern[p]) == path.At(s))) {
      ++p;
      ++s;
    } else if (star != kNoStar) {
      p = star + 1;
      s = ++starTook;
    } else {
      return false;
    }
  }
  while (pattern[p] == '*') ++p;
  return pattern[p] == '\0';
}

}  // namespace

bool IsPathPattern(const char* entry) noexcept { return entry != nullptr && !IsFileNameEntry(entry); }

bool ExclusionMatches(const char* entry, const char* imagePath) noexcept {
  if (entry == nullptr || entry[0] == '\0' || imagePath == nullptr) return false;
  if (IsFileNameEntry(entry)) return SameLetters(entry, FileNamePart(imagePath));
  return WildcardMatches(entry, PathView(imagePath));
}

EntryProblem CheckEntry(const char* entry) noexcept {
  if (entry == nullptr || entry[0] == '\0') return EntryProblem::Empty;
  std::size_t length = 0;
  for (const char* c = entry; *c != '\0'; ++c) {
    if (++length > kMaxExclusionChars) return EntryProblem::TooLong;
  }
  bool hasStar = false;
  bool namesSomething = false;
  for (const char* c = entry; *c != '\0'; ++c) {
    switch (*c) {
      case '"': case '<': case '>': case '|': case '/': return EntryProblem::BadCharacter;
      case '*': hasStar = true; break;
      case '?': case '.': case '\\': case ':': break;
      default:
        if (static_cast<unsigned char>(*c) < 0x20) return EntryProblem::BadCharacter;
        namesSomething = true;
    }
  }
  // Without a '*' the entry matches paths of its own length only: a harmless
  // mistake ("?:\?"), not one that excludes every program.
  return hasStar && !namesSomething ? EntryProblem::OnlyWildcards : EntryProblem::None;
}

const char* EntryProblemText(EntryProblem problem) noexcept {
  static_assert(kMaxExclusionChars == 260, "the message below names the limit");
  switch (problem) {
    case EntryProblem::None: return "";
    case EntryProblem::Empty: return "An exclusion cannot be empty.";
    case EntryProblem::TooLong: return "An exclusion can be at most 260 characters long.";
    case EntryProblem::BadCharacter:
      return "An exclusion cannot contain control characters or any of \" < > | /; separate folders with \\.";
    case EntryProblem::OnlyWildcards:
      return "An exclusion must name more than wildcards, or it would exclude every program.";
  }
  return "";
}

bool IsDefaultExclusion(const char* entry) noexcept {
  if (entry == nullptr) return false;
  for (const DefaultExclusion& row : kDefaultExclusions) {
    if (SameLetters(row.entry, entry)) return true;
  }
  return false;
}

}  // namespace vornal
