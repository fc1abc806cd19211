#!/bin/sh
# Runs every fuzz target for SECONDS, PARALLEL at a time:
#   fuzz/run.sh BUILD SECONDS [PARALLEL]
# Each target starts from its committed inputs (fuzz/corpus/<target>/) and
# from the repository's own files that it reads (pictures, icons, the
# resource section, the stored layout); what it learns stays in
# BUILD/fuzz/corpus/<target>/. A crash, a hang (an input over 10 s), a leak,
# a sanitizer report or more than 2 GB of memory fails the run; the input
# is kept as BUILD/fuzz/artifacts/<target>-*.
set -eu
build=$1
seconds=$2
parallel=${3:-2}
root=$(cd "$(dirname "$0")/.." && pwd)
out=$build/fuzz

targets="layout_fuzz value_conversion_fuzz picture_fuzz resources_fuzz script_fuzz render_options_fuzz
  form_interaction_fuzz render_button_fuzz"

seed() {  # seed TARGET FILE...
  dir=$out/seeds/$1
  shift
  mkdir -p "$dir"
  for file in "$@"; do cp "$root/$file" "$dir/"; done
}
rm -rf "$out/seeds"
seed layout_fuzz resources/mainFRM.layout
seed value_conversion_fuzz
seed picture_fuzz resources/background.bmp resources/box.bmp resources/logo.bmp \
  resources/brindlecovemediacenter.ico resources/icon30001.dib resources/icon30002.dib resources/icon30003.dib \
  tests/fixtures/pictures/mono1.bmp tests/fixtures/pictures/pal4.bmp tests/fixtures/pictures/pal8.bmp \
  tests/fixtures/pictures/rgb24.bmp tests/fixtures/pictures/rgba32.bmp tests/fixtures/pictures/pal4.ico \
  tests/fixtures/pictures/pal8.ico tests/fixtures/pictures/rgba32.ico
seed resources_fuzz resources/rsrc.bin
seed script_fuzz
seed render_options_fuzz
seed form_interaction_fuzz resources/mainFRM.layout
seed render_button_fuzz resources/logo.bmp resources/box.bmp resources/brindlecovemediacenter.ico \
  tests/fixtures/pictures/pal4.bmp tests/fixtures/pictures/rgba32.ico

mkdir -p "$out/artifacts"
# The leaks the tests' sanitizer build accepts (the font library's lifelong
# configuration) are accepted here too.
LSAN_OPTIONS=suppressions=$root/tests/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}
export root out seconds LSAN_OPTIONS
status=0
printf '%s\n' $targets | xargs -P "$parallel" -I{} sh -c '
  t={}
  mkdir -p "$out/corpus/$t"
  if "$out/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$out/artifacts/$t-" "$out/corpus/$t" "$root/fuzz/corpus/$t" "$out/seeds/$t" \
       >"$out/$t.log" 2>&1; then
    echo "fuzz: $t: $(grep -m1 "stat::number_of_executed_units" "$out/$t.log" | sed "s/.*: *//") runs, no findings"
  else
    echo "fuzz: $t FAILED, see $out/$t.log; the input is in $out/artifacts/" >&2
    tail -n 40 "$out/$t.log" >&2
    exit 1
  fi' || status=1
exit $status
