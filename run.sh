#!/usr/bin/env bash
# Installs what is missing, builds the game, prepares the player's game
# directory (pictures, sounds and help file linked from the build) and starts
# the game there. Options, scores and saved games in that directory survive
# rebuilds.
set -euo pipefail
cd "$(dirname "$0")"
source_dir=$(pwd)

tools/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"

build=$source_dir/build/release
game_dir=${XDG_DATA_HOME:-$HOME/.local/share}/brinox2000
mkdir -p "$game_dir"
for item in graph snd brinox.hlp; do
    if [ -e "$build/game/$item" ]; then
        ln -sfn "$build/game/$item" "$game_dir/$item"
    fi
done

if [ ! -x "$build/app/brinox2000" ]; then
    echo "The game window is not built yet."
    exit 0
fi

cd "$game_dir"
exec "$build/app/brinox2000" "$@"
