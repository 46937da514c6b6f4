# Shared steps of scripts/run and scripts/test. Sourced, not run.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs whatever of scripts/packages.txt is missing; does nothing when all are there.
install_deps() {
    local missing=()
    local pkg
    for pkg in $(grep -v '^#' "$ROOT/scripts/packages.txt"); do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "== installing: ${missing[*]}"
        as_root apt-get update
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    fi
}

# configure_and_build <build dir> [extra cmake args...]
configure_and_build() {
    local dir="$1"; shift
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$dir" -j "$(nproc)"
}

# Starts a private X server when there is no display; sets DISPLAY and XVFB_PID.
XVFB_PID=""
start_xvfb() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return
    fi
    local n
    for n in $(seq 90 120); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
            XVFB_PID=$!
            export DISPLAY=":$n"
            for _ in $(seq 50); do
                xdpyinfo >/dev/null 2>&1 && break
                sleep 0.1
            done
            echo "== Xvfb on $DISPLAY"
            return
        fi
    done
    echo "no free X display number" >&2
    return 1
}

stop_xvfb() {
    if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
}

# Starts a throw-away PostgreSQL cluster for the SQL tests (loopback port and a private socket
# folder) and exports OKULON_TEST_PG_HOST/PORT/USER/DB; stop_postgres removes it again.
PG_TMP=""
PG_BIN=""
pg_as_owner() {
    if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}
start_postgres() {
    PG_BIN="$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1 || true)"
    if [ -z "$PG_BIN" ]; then
        echo "PostgreSQL server binaries not found" >&2
        return 1
    fi
    PG_TMP="$(mktemp -d /tmp/okulon-pg.XXXXXX)"
    chmod 755 "$PG_TMP"
    if [ "$(id -u)" -eq 0 ]; then chown postgres:postgres "$PG_TMP"; fi
    pg_as_owner "$PG_BIN/initdb" -D "$PG_TMP/data" -U okulon --auth=trust -E UTF8 >"$PG_TMP/initdb.log"
    local port
    for port in $(seq 55432 55532); do
        if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
            if pg_as_owner "$PG_BIN/pg_ctl" -D "$PG_TMP/data" -l "$PG_TMP/server.log" -w \
                -o "-k $PG_TMP -h 127.0.0.1 -p $port" start >/dev/null; then
                pg_as_owner "$PG_BIN/createdb" -h 127.0.0.1 -p "$port" -U okulon okulon_test
                export OKULON_TEST_PG_HOST=127.0.0.1 OKULON_TEST_PG_PORT="$port"
                export OKULON_TEST_PG_USER=okulon OKULON_TEST_PG_DB=okulon_test
                echo "== PostgreSQL on 127.0.0.1:$port"
                return
            fi
        fi
    done
    echo "could not start PostgreSQL, see $PG_TMP/server.log" >&2
    return 1
}

stop_postgres() {
    if [ -n "$PG_TMP" ]; then
        pg_as_owner "$PG_BIN/pg_ctl" -D "$PG_TMP/data" -m immediate stop >/dev/null 2>&1 || true
        rm -rf "$PG_TMP"
        PG_TMP=""
    fi
}
