#!/usr/bin/env bash
# Runs Quorvel against the sample evaluation server, in one command:
#   1. installs what is missing and builds the client, the repair tool and the server;
#   2. installs into build/quorvel/ with cmake --install: the client's program directory
#      lib/quorvel/ (programs, image/, local XML files) and the server's lib/quorvel-server/;
#      remembered accounts (LoginInfo.xml) and the news time are kept between runs;
#   3. starts quorvel-server on a free loopback port and points every host of config.xml
#      at it;
#   4. runs krclient and stops the server when the client (and the repair tool, which
#      may restart it) have exited.
# Log in with the demo account (demo / demo123) or enter as a guest.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run: no display to show the client on (DISPLAY is not set)." >&2
  echo "run: on a machine without a desktop, run it under a virtual X server:" >&2
  echo "       xvfb-run -a -s \"-screen 0 1280x1024x24\" ./scripts/run.sh" >&2
  exit 1
fi

bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=(krclient quorvel-server)
if [ -f repair/CMakeLists.txt ]; then targets+=(krRestoration); fi
cmake --build build -j2 --target "${targets[@]}"

prefix="$root/build/quorvel"
stage="$prefix/lib/quorvel"
# Earlier runs staged the program directory at build/quorvel/ itself; keep its accounts.
if [ -f "$prefix/LoginInfo.xml" ] && [ ! -e "$stage/LoginInfo.xml" ]; then
  mkdir -p "$stage"
  mv "$prefix/LoginInfo.xml" "$stage/LoginInfo.xml"
fi
# Installing keeps the files the client writes (LoginInfo.xml, config.xml) and lays the
# shipped ones down afresh.
cmake --install build --prefix "$prefix" >/dev/null

log="$prefix/server.log"
"$prefix/bin/quorvel-server" --port 0 --data "$prefix/server-data" >"$log" 2>&1 &
server_pid=$!
trap 'kill "$server_pid" 2>/dev/null || true; wait "$server_pid" 2>/dev/null || true' EXIT

port=""
for _ in $(seq 1 100); do
  port=$(sed -n 's/.*listening on 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$log" | head -n 1)
  [ -n "$port" ] && break
  if ! kill -0 "$server_pid" 2>/dev/null; then
    echo "run: quorvel-server did not start:" >&2
    cat "$log" >&2
    exit 1
  fi
  sleep 0.1
done
if [ -z "$port" ]; then
  echo "run: quorvel-server did not report its port" >&2
  exit 1
fi

host="127.0.0.1:$port"
# Shipped files name the server's default address; point their links at this run's port.
if [ -f "$stage/Advertise.XML" ]; then
  sed -i "s/127\.0\.0\.1:[0-9]*/$host/g" "$stage/Advertise.XML"
fi
# The news window rewrites NewsTime; keep it between runs.
news_time=""
for f in "$stage/config.xml" assets/config.xml; do
  if [ -z "$news_time" ] && [ -f "$f" ]; then
    news_time=$(sed -n 's:.*<NewsTime>\(.*\)</NewsTime>.*:\1:p' "$f" | head -n 1)
  fi
done
cat >"$stage/config.xml" <<XML
<?xml version="1.0" encoding="GB2312"?>
<Config>
<RemotFilePath>$host</RemotFilePath>
<NewsTime>$news_time</NewsTime>
<ProductSite>$host</ProductSite>
<AccountPortal>$host</AccountPortal>
<MakerSite>$host</MakerSite>
<CommunityServer>$host</CommunityServer>
<RecommendSite>$host</RecommendSite>
<SupportMail>support@quorvel.example</SupportMail>
</Config>
XML

echo "run: sample server on http://$host (log: $log); demo account: demo / demo123"
# The embedded web pages cannot use the browser sandbox when running as root.
if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
status=0
"$prefix/bin/quorvel" || status=$?
# The repair tool ends the client before it downloads, and starts it again when it
# closes: the server stays up while either program of this installation still runs.
while pgrep -f "^$stage/(krclient|krRestoration)( |\$)" >/dev/null; do sleep 1; done
exit "$status"
