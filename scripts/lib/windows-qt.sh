# Builds Qt for 64-bit Windows from Debian's own qt6-base sources with the
# MinGW-w64 cross compiler, once, into a cache that later runs reuse.
#
# The source package is the host's qt6-base version, so the host's moc, rcc
# and uic (qt6-base-dev-tools) serve the cross build. apt-get fetches it with
# a private source list and state folder: the machine's apt configuration is
# never changed.

# Prints deb-src stanzas for the Debian or Ubuntu archives among the
# machine's own deb sources, in either source-list format.
debian_source_stanzas() {
  local file
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$file" ] || continue
    sed -nE 's/^[[:space:]]*deb[[:space:]]+((\[[^]]*\][[:space:]]+)?[a-z]+:\/\/[^[:space:]]*(debian|ubuntu)[^[:space:]]*[[:space:]].*)$/\1/p' "$file" |
      while read -r rest; do printf 'deb-src %s\n' "$rest"; done
  done
  for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    awk 'BEGIN { RS = ""; ORS = "\n\n" }
         /(^|\n)Types:[^\n]*deb/ && /(^|\n)URIs:[^\n]*(debian|ubuntu)/ && !/(^|\n)Enabled:[[:space:]]*no/ {
           gsub(/Types:[^\n]*/, "Types: deb-src"); gsub(/(^|\n)#[^\n]*/, ""); print }' "$file"
  done
}

# Fetches and unpacks the qt6-base sources of the host's version into $1.
fetch_qt_sources() {
  local into=$1 apt_dir=$1.apt
  local source version
  read -r source version < <(dpkg-query -W -f='${source:Package} ${source:Version}\n' qt6-base-dev)
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial" "$apt_dir/sources.list.d"
  debian_source_stanzas | awk 'BEGIN{d=0} /^deb-src /{print > (dir "/marelto.list"); next} {print > (dir "/marelto.sources")}' dir="$apt_dir/sources.list.d"
  : >"$apt_dir/empty.list"
  local apt_options=(
    -o "Dir::Etc::SourceList=$apt_dir/empty.list"
    -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
    -o "Dir::State::Lists=$apt_dir/lists"
    -o "Dir::Cache=$apt_dir"
    -o "Dir::Cache::archives=$apt_dir/archives"
    -o "Acquire::Languages=none"
    -o "APT::Sandbox::User=root"
  )
  apt-get "${apt_options[@]}" update -qq
  (cd "$apt_dir" && apt-get "${apt_options[@]}" source --download-only -qq "$source=$version")
  rm -rf "$into"
  dpkg-source --no-check -x "$apt_dir/${source}_${version#*:}.dsc" "$into" >/dev/null
}

# Prints the cache folder for the host's Qt version and the cross compiler.
windows_qt_cache() {
  local qt_version gcc_version
  qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
  gcc_version=$(x86_64-w64-mingw32-g++-posix -dumpversion)
  gcc_version=${gcc_version%-posix}
  echo "${XDG_CACHE_HOME:-$HOME/.cache}/marelto/qt-${qt_version//[:~]/_}-mingw-w64-x86_64-gcc${gcc_version}-posix"
}

# Qt's configuration for the cross build: Core, Gui, Widgets and Test with the
# windows platform plug-in and the Windows styles, the only parts the
# installer carries. Everything else is off, so it is never compiled:
# OpenGL, the JPEG, GIF and ICO image formats (the icons are PNG, which QtGui
# reads itself), markdown, and the modules below. Direct2D and DirectWrite 3
# stay: without them Qt 6.4 never draws with its DirectWrite font engine, and
# the result line's vertical-only hinting (against letter gaps) is lost.
marelto_windows_qt_configuration=(
  -DCMAKE_BUILD_TYPE=Release
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
  -DFEATURE_vulkan=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF
  -DFEATURE_sql_sqlite=OFF -DFEATURE_openssl=OFF
  -DINPUT_opengl=no
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
  -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
  -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_testlib=ON
)

# Names what the cached build was made from: Qt's version, the toolchain
# file and the configuration. A build folder made from anything else is
# started afresh.
windows_qt_build_id() {
  {
    dpkg-query -W -f='${Version}\n' qt6-base-dev
    cat "$marelto_root/cmake/mingw-w64-x86_64.cmake"
    printf '%s\n' "${marelto_windows_qt_configuration[@]}"
  } | sha256sum | cut -d' ' -f1
}

# Builds Qt for Windows unless the cache already holds it; prints nothing but
# progress to stderr. The installed prefix is "$(windows_qt_cache)/qt". A
# build that was cut off resumes where it stopped; the build folder goes only
# once Qt is installed.
ensure_windows_qt() {
  local cache prefix work started id lock
  cache=$(windows_qt_cache)
  prefix=$cache/qt
  id=$(windows_qt_build_id)
  # Two runs at once would build into one folder: the second waits for the
  # first and then finds its result.
  mkdir -p "$(dirname "$cache")"
  exec {lock}>"$cache.lock"
  flock "$lock"
  if [ -f "$prefix/.complete" ] && [ "$(cat "$prefix/.complete")" = "$id" ]; then
    echo "Qt for Windows: cached in $prefix" >&2
    return 0
  fi
  started=$(date +%s)
  work=$cache/work
  if [ -f "$work/build/build.ninja" ] && [ "$(cat "$work/build-id" 2>/dev/null)" = "$id" ]; then
    echo "Qt for Windows: resuming the build in $work/build" >&2
  else
    echo "Qt for Windows: fetching Debian's qt6-base sources" >&2
    rm -rf "$work" "$prefix"
    fetch_qt_sources "$work/src"
    # The toolchain file travels with the cache: Qt's own CMake files name it.
    mkdir -p "$cache"
    cp "$marelto_root/cmake/mingw-w64-x86_64.cmake" "$cache/mingw-w64-x86_64.cmake"
    echo "Qt for Windows: configuring (about 1,000 build steps follow; half an hour or more on 2 cores)" >&2
    cmake -S "$work/src" -B "$work/build" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$cache/mingw-w64-x86_64.cmake" \
      -DCMAKE_INSTALL_PREFIX="$prefix" \
      "${marelto_windows_qt_configuration[@]}" \
      >"$cache/configure.log" 2>&1 || { tail -n 40 "$cache/configure.log" >&2; return 1; }
    echo "$id" >"$work/build-id"
  fi
  # Ninja's own progress line ([n/N]) is the progress shown. The pipeline is
  # tested as a whole so that a failing build shows its log before the
  # script ends.
  if ! cmake --build "$work/build" --parallel "$(nproc)" 2>&1 | tee "$cache/build.log" |
    { grep --line-buffered -E '^\[[0-9]+/[0-9]+\]' || true; } |
    awk 'NR % 50 == 0 { print "Qt for Windows: " $1 > "/dev/stderr"; fflush("/dev/stderr") }'; then
    echo "Qt for Windows: the build failed; the end of $cache/build.log:" >&2
    tail -n 40 "$cache/build.log" >&2
    return 1
  fi
  rm -rf "$prefix"
  cmake --install "$work/build" >"$cache/install.log" 2>&1 || { tail -n 20 "$cache/install.log" >&2; return 1; }
  rm -rf "$work"
  echo "$id" >"$prefix/.complete"
  echo "Qt for Windows: built and cached in $prefix in $(( $(date +%s) - started )) s" >&2
}

# Prints the WINEPATH under which programs of the Windows build find Qt's
# DLLs and the MinGW run-time DLLs where they were built.
windows_dll_path() {
  local qt=$1 runtime
  runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
  echo "$(winepath -w "$qt/bin" 2>/dev/null);$(winepath -w "$runtime" 2>/dev/null);$(winepath -w /usr/x86_64-w64-mingw32/lib 2>/dev/null)"
}
