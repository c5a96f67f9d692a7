# Shared by scripts/web-qt and scripts/windows-qt: Debian's own Qt sources,
# fetched through a private apt list so that the machine's own sources stay as
# they are, and a cache outside the clone keyed by what went into each build.
# Sourced, not run.

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

VANDREL_CACHE=${VANDREL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vandrel}
VANDREL_APT="$VANDREL_CACHE/apt"

# apt with a bookworm deb-src list of its own and its own lists folder.
vandrel_private_apt() {
  local command=$1
  shift
  "$command" \
    -o Dir::Etc::SourceList="$VANDREL_APT/sources.list" \
    -o Dir::Etc::SourceParts=/dev/null \
    -o Dir::State::Lists="$VANDREL_APT/lists" \
    -o Dir::Cache="$VANDREL_APT/cache" \
    -o APT::Sandbox::User="$(id -un)" \
    -o Debug::NoLocking=1 \
    "$@"
}

vandrel_source_lists() {
  mkdir -p "$VANDREL_APT/lists/partial" "$VANDREL_APT/cache/archives/partial"
  local list="deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main"
  if [ "$(cat "$VANDREL_APT/sources.list" 2>/dev/null)" != "$list" ] ||
    [ -z "$(find "$VANDREL_APT/lists" -name '*Sources*' -mmin -1440 2>/dev/null)" ]; then
    echo "$list" >"$VANDREL_APT/sources.list"
    vandrel_private_apt apt-get update -qq
  fi
}

# The version bookworm has of a source package, such as 6.4.2+dfsg-10.
vandrel_source_version() {
  vandrel_private_apt apt-cache showsrc "$1" | sed -n 's/^Version: //p' | sort -V | tail -n 1
}

# Unpacks SOURCE's bookworm version, with Debian's patches applied, in DIR/;
# prints the unpacked folder.
vandrel_fetch_source() {
  local source=$1 dir=$2 version
  version=$(vandrel_source_version "$source")
  mkdir -p "$dir"
  # dpkg-source names the folder with the upstream version: no epoch, no revision.
  local upstream=${version#*:}
  local unpacked="$dir/$source-${upstream%-*}"
  if [ ! -d "$unpacked" ]; then
    (cd "$dir" && vandrel_private_apt apt-get source -qq "$source=$version" >&2)
  fi
  echo "$unpacked"
}

# A key naming one build: the script's own hash and each source's version.
vandrel_cache_key() {
  local script=$1 key source
  shift
  # The contents alone: the same script run by another path is the same build.
  key=$(cat "$script" "$(dirname "${BASH_SOURCE[0]}")/cross-qt.sh" | sha256sum | cut -c1-12)
  for source in "$@"; do
    key+="-$source-$(vandrel_source_version "$source")"
  done
  echo "$key"
}

# Configures, builds and installs the Qt module unpacked in FOLDER, in
# WORK/build-<its name>, at the lowest priority; again after a change, it
# rebuilds only what the change touches.
#   vandrel_build_qt_module WORK FOLDER CMAKE-OPTIONS...
vandrel_build_qt_module() {
  local work=$1 folder=$2 build
  shift 2
  build="$work/build-$(basename "$folder")"
  echo "=== $(basename "$folder") ($(date +%T))" >&2
  nice -n 19 cmake -S "$folder" -B "$build" "$@" >&2
  nice -n 19 cmake --build "$build" --parallel "$(nproc)" >&2
  cmake --install "$build" >&2
}

# Says that the Qt for WHAT built in PREFIX, since SECONDS was START, is ready:
# its wall time, its size, and the CPU this shell's finished children used, the
# build's own cost whatever else shared the cores meanwhile. Called as it is,
# not in $( ), whose subshell has no children.
#   vandrel_report_build WHAT START PREFIX
vandrel_report_build() {
  local times cpu
  times=$(mktemp)
  times >"$times"
  cpu=$(awk 'NR == 2 {
    n = split($1 " " $2, parts, " "); s = 0
    for (i = 1; i <= n; i++) { split(parts[i], ms, "m"); s += ms[1] * 60 + ms[2] }
    printf "%d", s }' "$times")
  rm -f "$times"
  echo "Qt for $1 built in $((SECONDS - $2)) s, $cpu s of CPU: $(du -sh "$3" | cut -f1)" >&2
}
