#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zarvento contributors
# SPDX-License-Identifier: GPL-3.0-or-later
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

# Games leaving at the same moment, many times over: each waits for the other's lock, neither
# fails, and the higher score is kept with its own name. A game leaves once; five stores each keep
# the lock busy without making one game wait for dozens of the other's, which on a loaded machine
# could outlast the few seconds a game waits.
for ((race = 1; race <= 40; race++)); do
  "$writer" "$folder" $((next + 100)) 5 &
  other=$!
  "$writer" "$folder" $((next + 102)) 5
  wait "$other"
  "$writer" "$folder" --start
  check_pair "race $race"
  score=$(tr -d '\r\n' <"$folder/apari.txt")
  if [ "$score" != $((next + 106)) ]; then
    echo "race $race kept $score, not the higher score $((next + 106))" >&2
    exit 1
  fi
  next=$((next + 200))
done
echo "$runs kills and 40 races: every pair whole, the higher score kept"
