#!/bin/sh
# SPDX-FileCopyrightText: 2026 Zarvento contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Synthesises the game's three sound effects into this folder; running it again gives the same files.
set -eu
cd "$(dirname "$0")"

# -R seeds the noise and the dither, so every run writes the same bytes. Each sound is made at
# 22050 Hz mono, turned down before the filters so they cannot clip, and brought to a peak just
# under full scale at the end (the laser's square wave a little lower, as it is dense).
sound() {
    out=$1
    shift
    sox -R -r 22050 -c 1 -n -b 16 -e signed-integer "$out" "$@"
}

# Shot (even target hit): a noise crack over a thump falling from 160 to 45 Hz, dying fast.
sound sparo.wav synth 0.28 whitenoise synth 0.28 sine mix 160-45 \
    gain -6 lowpass 3500 highpass 40 fade l 0.002 0.28 0.26 gain -n -1.5

# Explosion (odd target hit): low rumbling noise with a shaking tremolo, fading out slowly.
sound esplosi.wav synth 0.75 brownnoise synth 0.75 whitenoise mix synth 0.75 sine mix 90-30 \
    gain -6 lowpass 1200 tremolo 11 40 fade t 0.004 0.75 0.7 gain -n -1.5

# Laser (click on the bare window): a square wave diving from 2000 to 200 Hz with a slow wobble.
sound laser.wav synth 0.3 sine 35 synth 0.3 square fmod 2000-200 \
    gain -6 lowpass 6000 fade q 0.003 0.3 0.1 gain -n -2
