#!/usr/bin/env bash
# Fails when an #include runs against the layers: db <- link <- sim, and
# db, link <- widgets <- ui <- app. Nothing below widgets may use Qt, and the
# command-line tools stay as Qt-free as the core they run.
set -u
cd "${1:-$(dirname "$0")/../..}" || exit 2

status=0
while IFS= read -r f; do
  case ${f%%/*} in
    db) bad='^(link|sim|widgets|ui|app|cli|tools)/|^Q' ;;
    link) bad='^(sim|widgets|ui|app|cli|tools)/|^Q' ;;
    sim) bad='^(widgets|ui|app|cli|tools)/|^Q' ;;
    cli | tools) bad='^(widgets|ui|app)/|^Q' ;;
    widgets) bad='^(sim|ui|app|cli|tools)/' ;;
    ui) bad='^(sim|app|cli|tools)/' ;;
    app) bad='^(sim|cli|tools)/' ;;
    *) continue ;;
  esac
  while IFS= read -r inc; do
    echo "$f includes $inc, against the layers"
    status=1
  done < <(grep -hoE '^\s*#\s*include\s*[<"][^>"]+' "$f" | sed -E 's/.*[<"]//' | grep -E "$bad")
done < <(find db link sim widgets ui app cli tools -name '*.cpp' -o -name '*.h' | sort)

[ $status -eq 0 ] && echo "includes follow the layers"
exit $status
