#!/bin/sh
# Starts the game from its own folder under the installation prefix, where
# it finds its pictures, sounds and help, wherever the prefix was put.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/koratsu/koratsu" "$@"
