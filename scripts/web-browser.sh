# shellcheck shell=bash
# Sourced by the scripts that drive the page's program in headless Chromium.

# Installs puppeteer-core into $1 unless there; it drives the Debian browser and downloads none
# of its own.
install_browser_driver() {
  local tools=$1
  for tool in chromium node npm; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: WEB=1 scripts/deps.sh" >&2; return 1; }
  done
  if [ ! -d "$tools/node_modules/puppeteer-core" ]; then
    mkdir -p "$tools"
    npm install --prefix "$tools" --no-audit --no-fund --silent puppeteer-core@24
  fi
}

# Serves folder $1 on a free local port until the script ends, its log in $2; sets served_url.
serve_folder() {
  local folder=$1 log=$2 port
  port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  python3 -m http.server --bind 127.0.0.1 --directory "$folder" "$port" >"$log" 2>&1 &
  served_pid=$!
  trap 'kill "$served_pid"' EXIT
  served_url=http://127.0.0.1:$port
  for _ in $(seq 50); do
    curl -sf "$served_url/" >/dev/null && return 0
    sleep 0.1
  done
  echo "the server of $folder did not start: $log" >&2
  return 1
}
