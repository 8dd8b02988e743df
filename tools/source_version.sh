#!/bin/sh
# The version the source gives the program, as CMakeLists.txt states it: what every package
# built from this source must carry, whatever a build folder was configured with before.
sed -n 's/^set(KOMETA_VERSION \([0-9][0-9.]*\)[ )].*/\1/p' "$(dirname "$0")/../CMakeLists.txt"
