#!/usr/bin/env bash
# A throwaway PostgreSQL cluster on loopback for the test suite.
#
#   scripts/test-postgres.sh start FOLDER   makes FOLDER, starts a cluster there and prints the
#                                           connection string for the tests
#   scripts/test-postgres.sh stop FOLDER    stops that cluster and removes FOLDER
#
# As root the server runs as the `postgres` system user; otherwise as the current user.
# Authentication is `trust` for the socket in FOLDER and for 127.0.0.1 only.
set -euo pipefail

bin=""
for d in /usr/lib/postgresql/*/bin; do [ -x "$d/pg_ctl" ] && bin="$d"; done
[ -n "$bin" ] || { echo "test-postgres: no PostgreSQL server installed" >&2; exit 1; }

as_owner() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

command=${1:-}
folder=${2:-}
[ -n "$folder" ] || { echo "usage: $0 start|stop FOLDER" >&2; exit 2; }

case "$command" in
start)
  mkdir -p "$folder"
  [ "$(id -u)" -eq 0 ] && chown postgres: "$folder"
  as_owner "$bin/initdb" -D "$folder/data" -U postgres -A trust -E UTF8 --locale=C.UTF-8 \
    --no-sync >"$folder/initdb.log" 2>&1 || { cat "$folder/initdb.log" >&2; exit 1; }
  # The first free port from 55432 on; a port taken meanwhile makes pg_ctl fail and we go on.
  for port in $(seq 55432 55532); do
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && continue
    # fsync off: the cluster lives for one test run and is thrown away.
    if as_owner "$bin/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 60 \
         -o "-p $port -k $folder -c listen_addresses=127.0.0.1 -c fsync=off -c max_connections=200" \
         start >/dev/null; then
      echo "host=127.0.0.1 port=$port user=postgres dbname=postgres"
      exit 0
    fi
  done
  cat "$folder/server.log" >&2 || true
  exit 1
  ;;
stop)
  if [ -d "$folder/data" ]; then
    as_owner "$bin/pg_ctl" -D "$folder/data" -m immediate -w stop >/dev/null 2>&1 || true
  fi
  rm -rf "$folder"
  ;;
*)
  echo "usage: $0 start|stop FOLDER" >&2
  exit 2
  ;;
esac
