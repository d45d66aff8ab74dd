#!/usr/bin/env bash
# Builds the web page if needed and serves the folder for a static host, build-web/ui/web/hosted,
# on 127.0.0.1 (port 8018, or the one given), printing its address; Ctrl+C stops the server.
set -euo pipefail
cd "$(dirname "$0")/.."

"./scripts/build-web.sh"
exec node scripts/static-server.mjs build-web/ui/web/hosted "${1:-8018}"
