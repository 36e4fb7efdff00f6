#!/usr/bin/env bash
# Checks the quoted includes of src/, tests/ and bench/ before any build: each
# folder of src/ is a library that names another folder's header with that
# folder first, "ui_model/window.h" (see cmake/Layers.cmake). An include that
# climbs out of its folder ("../app/main_window.h"), or that names a header of
# another folder of src/ by its bare name, goes around the layers and fails
# here with its file, line and the rule broken. Exits non-zero on any.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
while IFS=: read -r file line text; do
  header=${text#*\"}
  header=${header%%\"*}
  if [[ $header == ../* || $header == */../* ]]; then
    wanted=$(realpath -m --relative-to=src "$(dirname "$file")/$header")
    echo "$file:$line: #include \"$header\" climbs out of its folder;" \
      "name the header from src/ with its folder: \"$wanted\"" >&2
    status=1
  elif [[ $header != */* && ! -e $(dirname "$file")/$header ]]; then
    home=$(find src -name "$header" -print -quit)
    if [[ -n $home ]]; then
      echo "$file:$line: #include \"$header\" reaches $home of another folder by its bare name;" \
        "name it with its folder: \"${home#src/}\"" >&2
      status=1
    fi
  fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' src tests bench \
  --include='*.h' --include='*.cpp' --include='*.c')
exit "$status"
