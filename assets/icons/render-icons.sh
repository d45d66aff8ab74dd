#!/usr/bin/env bash
# Renders the window icon's PNGs from its SVG. Run by hand after editing the SVG; the PNGs are
# committed so that a build needs no SVG renderer. Needs rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 32 48 256; do
    rsvg-convert -w "$size" -h "$size" kolvex-calculator.svg -o "kolvex-calculator-$size.png"
done
