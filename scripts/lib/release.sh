# Sourced by scripts/package and scripts/run: what each release holds and
# how to build it.

# The files of a release ("64-bit" or "32-bit"), from the two build trees,
# in the order the read-me lists them.
release_files() {
  case "$1" in
    64-bit) echo build/x86_64/bin/Vornal.exe build/x86_64/bin/VornalLib.dll \
                 build/i686/bin/VornalHost32.exe build/i686/bin/VornalLib32.dll ;;
    32-bit) echo build/i686/bin/Vornal.exe build/i686/bin/VornalLib.dll ;;
    *) echo "release_files: no release $1" >&2; return 1 ;;
  esac
}

# Builds what the releases hold, and nothing else, in both trees.
release_build() {
  local preset
  for preset in i686 x86_64; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target Vornal VornalLib VornalLib32 VornalHost32
  done
}

# Copies a release's files into a folder.
release_stage() {  # $1 release, $2 folder
  mkdir -p "$2"
  cp $(release_files "$1") "$2/"
}
