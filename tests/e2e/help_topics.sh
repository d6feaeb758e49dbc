#!/usr/bin/env bash
# The help file is built and lists its topics.
#   tests/e2e/help_topics.sh HELP_FILE
set -euo pipefail
help=$1
[ -s "$help" ] || { echo "help file $help missing" >&2; exit 1; }
listing=$(chmls list "$help" 2>/dev/null || chmls "$help")
status=0
for topic in index main-dialog genotypes report configurations config-language; do
  grep -q "/$topic.html" <<<"$listing" || { echo "topic $topic.html missing from $help" >&2; status=1; }
done
exit $status
