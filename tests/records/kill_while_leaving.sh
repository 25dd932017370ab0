#!/usr/bin/env bash
# Kills the record writer at random moments while it replaces the record, and races two writers:
# after the next start the two files must always hold one whole pair (score N, "giocatore N").
set -euo pipefail
writer=$1
runs=${2:-300}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT

check_pair() {
  local score name
  score=$(tr -d '\r\n' <"$folder/apari.txt")
  name=$(tr -d '\r\n' <"$folder/pari.txt")
  if [ -n "$score$name" ] && [ "$name" != "giocatore $score" ]; then
    echo "mixed pair after $1: score '$score', name '$name'" >&2
    exit 1
  fi
}

"$writer" "$folder" --start
next=1
for ((run = 1; run <= runs; run++)); do
  "$writer" "$folder" "$next" 1000000 &
  pid=$!
  sleep "0.00$((RANDOM % 10))$((RANDOM % 10))"
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  "$writer" "$folder" --start # a start completes a replacement cut short
  check_pair "kill $run"
  next=$(($(tr -d '\r\n' <"$folder/apari.txt") + 1))
done

# Two games leaving at the same moment, many times over.
for ((race = 1; race <= 20; race++)); do
  "$writer" "$folder" $((next + 100)) 50 &
  other=$!
  "$writer" "$folder" $((next + 100)) 50 # neither may fail: the lock is waited for
  wait "$other"
  "$writer" "$folder" --start
  check_pair "race $race"
  next=$((next + 200))
done
echo "$runs kills and 20 races: every pair whole"
