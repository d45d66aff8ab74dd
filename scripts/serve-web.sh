#!/usr/bin/env bash
# Builds the web page if needed and serves it on 127.0.0.1 (port 8018, or the one given), printing
# its address; Ctrl+C stops the server.
set -euo pipefail
cd "$(dirname "$0")/.."

"./scripts/build-web.sh"
exec node scripts/static-server.mjs build-web/ui/web "${1:-8018}"
