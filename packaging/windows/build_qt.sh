#!/usr/bin/env bash
# Cross-builds the Qt that Kometa's Windows program needs, from the source of this machine's
# own Qt release, and prints the folder it is installed in. The first build takes tens of
# minutes; later calls find it in the cache and return at once.
#
# The source comes through apt with a private list of source repositories and a private state
# folder, derived from the repositories this machine already uses: the machine's own apt
# configuration is left as it is.
# Usage: build_qt.sh   (needs dpkg-dev, the MinGW-w64 compiler, cmake, ninja, qt6-base-dev)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/kometa
# Named for the Qt release and for this recipe, so that a changed recipe builds anew.
recipe=$(cat "$here/build_qt.sh" "$here/mingw-w64.cmake" | sha256sum | cut -c1-12)
prefix=$cache/qt-$version-mingw-w64-$recipe
if [[ -f $prefix/.complete ]]; then
    echo "$prefix"
    exit 0
fi
log() { echo "qt for windows: $*" >&2; }

# Source repositories: a deb-src line for every Debian repository of this release that
# the machine installs from.
. /etc/os-release
apt_dir=$cache/apt
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
options=()
[[ -f $keyring ]] && options=("[signed-by=$keyring]")
apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' |
    awk -v release="$VERSION_CODENAME" '$2 ~ "^" release "(-|$)"' | sort -u |
    while read -r uri suite component; do
        echo "deb-src ${options[*]} $uri $suite $component"
    done >"$apt_dir/sources.list"
[[ -s $apt_dir/sources.list ]] || { log "no Debian repository for $VERSION_CODENAME in apt's lists"; exit 1; }
private_apt=(
    -o "Dir::Etc::SourceList=$apt_dir/sources.list" -o Dir::Etc::SourceParts=/dev/null
    -o "Dir::State=$apt_dir" -o "Dir::State::Lists=$apt_dir/lists"
    -o Dir::State::status=/var/lib/dpkg/status -o "Dir::Cache=$apt_dir/cache"
    -o Debug::NoLocking=1
)
# Root's private folders are out of reach of apt's unprivileged download user.
[[ $(id -u) -eq 0 ]] && private_apt+=(-o APT::Sandbox::User=root)

work=$cache/qt-$version-work
rm -rf "$work"
mkdir -p "$work"
log "fetching the source of qt6-base $version"
apt-get -q "${private_apt[@]}" update >&2
(cd "$work" && apt-get -q "${private_apt[@]}" source "qt6-base=$version" >&2)
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
[[ -d $source_dir ]] || { log "apt did not unpack the source"; exit 1; }

# Only Core, Gui, Widgets, Test and the Windows and offscreen platforms are needed. Qt is
# built as DLLs, so that whoever receives the program can replace Qt, as its licence asks.
# Debian's source has no Wintab headers (tablet events), and with OpenGL off the dynamic
# OpenGL switch must go too. Every library Qt can bundle is bundled, so the program needs
# nothing from this machine's MinGW libraries at run time.
# The same source makes the same DLLs in any cache folder: the compiler writes the source's
# folder as "qtbase" wherever it names a file (Qt's checks carry their file's name), and
# every Windows file is stamped with the source package's date, not the time it was linked.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -STimestamp)
export SOURCE_DATE_EPOCH
maps="-ffile-prefix-map=$source_dir=qtbase -ffile-prefix-map=$work/build=build"
log "configuring"
cmake -S "$source_dir" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" -DCMAKE_C_FLAGS="$maps" -DCMAKE_CXX_FLAGS="$maps" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_dbus=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF \
    -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF \
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_doubleconversion=OFF >"$work/configure.log" 2>&1 || {
    tail -n 40 "$work/configure.log" >&2
    exit 1
}

# Ninja's own [done/total] counter, shown as a percentage once a step. Read by the shell
# line by line: awk may hold a pipe's lines back until its buffer fills.
log "building (the first time takes tens of minutes)"
start=$SECONDS
show_progress() {
    local line shown=-1 percent
    while IFS= read -r line; do
        [[ $line =~ ^\[([0-9]+)/([0-9]+)\] ]] || continue
        percent=$((100 * BASH_REMATCH[1] / BASH_REMATCH[2]))
        if ((percent != shown)); then
            shown=$percent
            log "$(printf '%3d%% (%d of %d steps)' "$percent" "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}")"
        fi
    done
}
set +o pipefail
cmake --build "$work/build" 2>&1 | tee "$work/build.log" | show_progress
status=${PIPESTATUS[0]}
set -o pipefail
if ((status)); then
    grep -B 2 -A 20 -m 1 'FAILED' "$work/build.log" >&2 || tail -n 40 "$work/build.log" >&2
    exit 1
fi
cmake --install "$work/build" >"$work/install.log"
log "built in $((SECONDS - start)) s into $prefix"
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
