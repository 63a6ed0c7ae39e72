#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what lands there: programs, skin
# pictures, local files and their modes, launchers, desktop entry and icons. Then runs
# the installed server and client: the client must find its skin and show its login
# window, and must fail loudly when its login picture is gone. Installing again keeps
# the remembered accounts.
#
#   install_test.sh CMAKE BUILD_DIR SOURCE_DIR
set -uo pipefail
cmake=$1 build=$2 source=$3

scratch=$(mktemp -d)
server_pid=""
cleanup() {
  if [ -n "$server_pid" ]; then kill "$server_pid" 2>/dev/null; wait "$server_pid" 2>/dev/null; fi
  rm -rf "$scratch"
}
trap cleanup EXIT
prefix="$scratch/prefix"
program_dir="$prefix/lib/quorvel"

passed=0 failed=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what" >&2; fi
}
mode_is() { [ "$(stat -c %a "$1")" = "$2" ]; }
png_size_is() {  # png_size_is FILE N: a PNG of N x N pixels
  local header
  header=$(od -An -tu1 -N24 "$1" | tr -s ' \n' ' ')
  read -r -a b <<<"$header"
  [ "${b[1]}${b[2]}${b[3]}" = "807871" ] || return 1  # "PNG"
  [ $(( (b[16] << 24) | (b[17] << 16) | (b[18] << 8) | b[19] )) -eq "$2" ] &&
    [ $(( (b[20] << 24) | (b[21] << 16) | (b[22] << 8) | b[23] )) -eq "$2" ]
}
install_into_prefix() { "$cmake" --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1; }

check "cmake --install succeeds" install_into_prefix || { cat "$scratch/install.log" >&2; exit 1; }

# Programs and launchers.
check "krclient installed" test -x "$program_dir/krclient"
check "quorvel-server installed" test -x "$prefix/lib/quorvel-server/quorvel-server"
if [ -x "$build/repair/krRestoration" ]; then
  check "krRestoration installed" test -x "$program_dir/krRestoration"
fi
check "bin/quorvel leads to krclient" test "$(readlink -f "$prefix/bin/quorvel")" = "$(readlink -f "$program_dir/krclient")"
check "bin/quorvel-server leads to the server" \
  test "$(readlink -f "$prefix/bin/quorvel-server")" = "$(readlink -f "$prefix/lib/quorvel-server/quorvel-server")"

# Every skin picture beside the client and beside the server; the local files.
for picture in "$source"/assets/image/*; do
  name=$(basename "$picture")
  check "image/$name beside the client" cmp -s "$picture" "$program_dir/image/$name"
  check "image/$name in the server's assets" cmp -s "$picture" "$prefix/lib/quorvel-server/assets/image/$name"
done
for name in config.xml UpdateList.xml AutoUpdateList.xml StockInfo.xml Advertise.XML ClcltdDataInfo.xml; do
  check "$name beside the client, mode 644" mode_is "$program_dir/$name" 644
done
check "LoginInfo.xml beside the client, mode 600" mode_is "$program_dir/LoginInfo.xml" 600
check "the server's assets hold no user files" test ! -e "$prefix/lib/quorvel-server/assets/LoginInfo.xml"

# Desktop entry and icons.
desktop="$prefix/share/applications/quorvel.desktop"
for line in 'Name=Quorvel' 'Categories=Office;Finance;' 'Exec=quorvel' 'Icon=quorvel'; do
  check "desktop entry has $line" grep -qxF "$line" "$desktop"
done
for key in 'Name\[zh_CN\]' 'Comment' 'Comment\[zh_CN\]'; do
  check "desktop entry has $key" grep -Eq "^$key=.+" "$desktop"
done
if command -v desktop-file-validate >/dev/null; then
  check "desktop entry validates" desktop-file-validate "$desktop"
fi
for size in 16 32 48 64 128 256; do
  check "${size}x$size icon" png_size_is "$prefix/share/icons/hicolor/${size}x$size/apps/quorvel.png" "$size"
done

# The installed server on a free loopback port, and config.xml pointing at it.
"$prefix/bin/quorvel-server" --port 0 --data "$scratch/server-data" >"$scratch/server.log" 2>&1 &
server_pid=$!
port=""
for _ in $(seq 1 100); do
  port=$(sed -n 's/.*listening on 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$scratch/server.log" | head -n 1)
  [ -n "$port" ] && break
  kill -0 "$server_pid" 2>/dev/null || break
  sleep 0.1
done
check "installed server starts with its own assets" test -n "$port"
cat >"$program_dir/config.xml" <<XML
<?xml version="1.0" encoding="GB2312"?>
<Config>
<RemotFilePath>127.0.0.1:$port</RemotFilePath>
<NewsTime></NewsTime>
</Config>
XML

run_client() {  # run_client NAME: output in $scratch/NAME.out and .err, status in $scratch/NAME.rc
  QT_QPA_PLATFORM=offscreen QUORVEL_EXIT_AFTER_MS=1500 timeout 20 "$prefix/bin/quorvel" \
    >"$scratch/$1.out" 2>"$scratch/$1.err"
  echo $? >"$scratch/$1.rc"
}
run_client skinned
check "client exits with status 0" test "$(cat "$scratch/skinned.rc")" = 0
check "client showed its login window" grep -qx "quorvel: window 129 shown" "$scratch/skinned.out"
check "client reported no skin error" bash -c "! grep -q 'quorvel.skin' '$scratch/skinned.err'"

rm "$program_dir/image/login.gif"
run_client unskinned
check "client without login.gif exits with status 1" test "$(cat "$scratch/unskinned.rc")" = 1
check "client without login.gif says so" grep -q "quorvel.skin: .*cannot load the login window's skin" "$scratch/unskinned.err"
check "client without login.gif shows no window" test ! -s "$scratch/unskinned.out"

# Installing again restores the picture and keeps the client's own files.
echo '<!-- remembered -->' >>"$program_dir/LoginInfo.xml"
check "installing again succeeds" install_into_prefix
check "installing again restores login.gif" test -f "$program_dir/image/login.gif"
check "installing again keeps LoginInfo.xml" grep -q remembered "$program_dir/LoginInfo.xml"
check "installing again keeps config.xml" grep -q "127.0.0.1:$port" "$program_dir/config.xml"
check "LoginInfo.xml stays mode 600" mode_is "$program_dir/LoginInfo.xml" 600

for name in skinned unskinned; do
  if [ "$failed" -gt 0 ]; then
    echo "--- client $name: status $(cat "$scratch/$name.rc"), output:" >&2
    cat "$scratch/$name.out" "$scratch/$name.err" >&2
  fi
done
echo "install: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
