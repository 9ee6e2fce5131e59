#!/usr/bin/env bash
# A short bounded run of one fuzz target: the seed corpus is read, new inputs go to a scratch
# corpus in the build tree, and any finding fails the run.
set -euo pipefail
cil=$1 semena=$2 pracovni=$3 sekund=$4
mkdir -p "$pracovni"
exec "$cil" -max_total_time="$sekund" -print_final_stats=1 -artifact_prefix="$pracovni/" \
    "$pracovni" "$semena"
